#include "interchange/command/command_list.h"

#include "shell/core/session.h"

namespace vn {

std::optional<DefinitionCache> commandListFields(Session& session, const QString& code, QTextStream& err) {
    reloadListCodes(session);
    if (!session.listCodes.contains(code, Qt::CaseInsensitive)) {
        err << "There is no data list \"" << code << "\"." << Qt::endl;
        return std::nullopt;
    }
    return LoadDefinitions(session.access, code);
}

}  // namespace vn
