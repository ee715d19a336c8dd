#pragma once

#include <QString>

namespace vn {

struct InstallationIdentity;

// The code this office sends as and receives for: the county's, the district's, or the state's
// code + "_", by operational level.
QString ownOfficeCode(const InstallationIdentity& identity);

}  // namespace vn
