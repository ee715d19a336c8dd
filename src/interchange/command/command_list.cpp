#include "interchange/command/command_list.h"

#include "shell/core/own_office.h"
#include "shell/core/session.h"

namespace vn {

namespace {

int highestDefinedPage(const DefinitionCache& definitions) {
    for (int page = kPagesPerList; page > 1; --page)
        if (definitions.definitionCount(page) > 0) return page;
    return 1;
}

}  // namespace

std::optional<DefinitionCache> commandListFields(Session& session, const QString& code, QTextStream& err) {
    reloadListCodes(session);
    if (!session.listCodes.contains(code, Qt::CaseInsensitive)) {
        err << "There is no data list \"" << code << "\"." << Qt::endl;
        return std::nullopt;
    }
    return LoadDefinitions(session.access, code);
}

ImportPlan commandImportPlan(const Session& session, const DefinitionCache& definitions, ImportMapping mapping) {
    ImportPlan plan;
    plan.listCode = definitions.listCode();
    plan.origin = {session.identity.stateCode, ownOfficeCode(session.identity)};
    plan.highestPage = highestDefinedPage(definitions);
    plan.mapping = std::move(mapping);
    return plan;
}

}  // namespace vn
