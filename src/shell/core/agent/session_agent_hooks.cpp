#include "shell/core/agent/session_agent_hooks.h"

#include "lists/definitions/definition_tables.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

namespace vn {

QString storedPhrase(RecordAccess& access, const QString& key) {
    if (!access.FindRecord(kPhraSlot, key)) return {};
    return access.GetFieldText(kPhraSlot, definition_tables::phra::kPhrase);
}

AgentHooks sessionAgentHooks(Session& session, std::function<void(const QString& key)> editPhrase) {
    AgentHooks hooks;
    hooks.phrase = [&session](const QString& key) { return storedPhrase(session.access, key); };
    hooks.phraseEditing = [&session] { return session.settings.helpWrite; };
    hooks.editPhrase = std::move(editPhrase);
    hooks.helpContext = [&session] { return session.helpContext; };
    hooks.keyLimit = session.access.GetFieldSize(kPhraSlot, 0);
    return hooks;
}

}  // namespace vn
