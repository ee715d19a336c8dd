#include "interchange/text/cut_settings.h"

namespace vn {

bool CutSettings::isReady() const {
    switch (method) {
    case FieldMethod::FixedLength: return size >= 1;
    // A delimiter equal to the separator could never tell a value from its end.
    case FieldMethod::Delimited: return !separator.isNull() && separator != delimiter;
    case FieldMethod::Tab: return true;
    case FieldMethod::None: break;
    }
    return false;
}

}  // namespace vn
