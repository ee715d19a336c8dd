#include "shell/core/own_office.h"

#include "lists/records/record_key.h"
#include "shell/core/session.h"

namespace vn {

QString ownOfficeCode(const InstallationIdentity& id) {
    return officeCodeFor(id.operationalLevel, id.countyCode, id.districtCode, id.stateCode);
}

}  // namespace vn
