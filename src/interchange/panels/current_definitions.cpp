#include "interchange/panels/current_definitions.h"

#include "lists/definitions/definition_cache.h"
#include "shell/core/session.h"

namespace vn {

std::shared_ptr<const DefinitionCache> currentDefinitions(Session& session) {
    if (session.definitions && session.definitions->listCode().compare(session.currentListCode, Qt::CaseInsensitive) == 0)
        return session.definitions;
    return std::make_shared<const DefinitionCache>(LoadDefinitions(session.access, session.currentListCode.toLower()));
}

}  // namespace vn
