#include "interchange/panels/current_definitions.h"

#include "lists/definitions/definition_cache.h"
#include "shell/core/session.h"

namespace vn {

std::shared_ptr<const DefinitionCache> currentListDefinitions(Session& session) {
    std::shared_ptr<const DefinitionCache> definitions = session.definitions;
    if (!definitions || definitions->listCode().compare(session.currentListCode, Qt::CaseInsensitive) != 0)
        definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(session.access, session.currentListCode));
    return definitions;
}

}  // namespace vn
