#pragma once

#include "requests/request.h"

#include <QString>

namespace vn {

struct FieldDefinition;

// A print field's value as every report output and the mail-merge file show it: cut to 60
// characters; a page check box as "Checked" or "UnChecked" (never stored: "UnChecked"); a radio
// group as the caption of its chosen button (none: empty); Zip and the two phones formatted.
// definition: the page field's definition (for the button captions); may be null.
QString formatValue(const FieldRef& field, const QString& value, const FieldDefinition* definition);

}  // namespace vn
