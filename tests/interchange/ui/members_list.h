#pragma once

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_rows.h"
#include "lists/definitions/definition_tables.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <functional>

namespace vn::test {

// The window tests' current list: abc "Members" of an office of Wyoming with page 1's text field
// Phone, and what `more` adds before the list's fields are read.
inline void makeMembersListCurrent(Session& s, const std::function<void(RecordAccess&)>& more = {}) {
    s.identity.stateCode = "wy";
    s.identity.countyCode = "ALB";
    s.identity.operationalLevel = 1;
    putRow(s.access, kListSlot, "abc", {{1, "Members"}});
    putDefinition(s.access, definitionKey("abc", 1, 1), int(FieldKind::Text), 1,
                  {{definition_tables::fdis::kCaption, "Phone"}});
    if (more) more(s.access);
    reloadListCodes(s);
    s.currentListCode = "abc";
    s.currentListTitle = "Members";
    s.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(s.access, "abc"));
}

}  // namespace vn::test
