#pragma once

#include "platform/printing/page_sink.h"
#include "platform/printing/printout.h"

#include <memory>

namespace vn {

class DefinitionCache;

inline const QString kBlankFormFooter = QStringLiteral("Varnedo record-keeping  -  blank form for entering records by hand");

// The list's empty paper form on any sink, measured in its page: a column is 1/80 of the width,
// a row 1/80 of the height. The header block, then every defined page, two to a sheet.
void layoutBlankForm(PageSink& sink, const DefinitionCache& definitions);

// "Print Form": the layout as a printout, its PDF named <code>Form.pdf (the code made plain).
Printout blankFormPrintout(std::shared_ptr<const DefinitionCache> definitions);

}  // namespace vn
