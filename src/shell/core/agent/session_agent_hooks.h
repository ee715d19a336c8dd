#pragma once

#include "shell/core/agent/agent.h"

namespace vn {

class RecordAccess;
class Session;

// The agent's view of the session: phrases from the `Phra` table, phrase editing from the
// settings, the window shown last as the phrase key's prefix.
AgentHooks sessionAgentHooks(Session& session, std::function<void(const QString& key)> editPhrase);

// The stored phrase of a key; empty when there is none.
QString storedPhrase(RecordAccess& access, const QString& key);

}  // namespace vn
