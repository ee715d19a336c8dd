#pragma once

#include <QString>
#include <optional>

namespace vn {

// A data list's record code as typed: exactly three characters, letters or spaces, at least one
// letter; kept in lower case.
struct ListCodeCheck {
    QString code;   // lower case; empty when refused
    QString error;  // the message for a refused code
    bool ok() const { return error.isEmpty(); }
};

ListCodeCheck checkListCode(const QString& typed);

}  // namespace vn
