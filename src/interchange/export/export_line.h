#pragma once

#include "interchange/text/cut_settings.h"

#include <QStringList>

namespace vn {

// A record's values as one line of the text file, by the method: FixedLength cuts each value to
// the size or fills it with spaces up to it; Delimited encloses each in the delimiter and puts the
// separator between them; Tab puts a tab after every value, the last one included. No line end.
QString buildExportLine(const QStringList& values, const CutSettings& format);

// The field order's captions as the view's text line shows them: as a line, except that Tab puts
// the tab only between captions. Empty without a method.
QString previewExportLine(const QStringList& captions, const CutSettings& format);

}  // namespace vn
