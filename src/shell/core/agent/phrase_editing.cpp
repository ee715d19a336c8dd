#include "shell/core/agent/phrase_editing.h"

#include "lists/definitions/definition_tables.h"
#include "shell/core/agent/agent.h"
#include "shell/core/agent/session_agent_hooks.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

namespace vn {

using definition_tables::phra::kPhrase;

PhraseEditing::PhraseEditing(RecordAccess& access, Agent& agent) : m_access(access), m_agent(agent) {}

QString PhraseEditing::open(const QString& key) {
    m_key = key;
    return storedPhrase(m_access, key);
}

int PhraseEditing::maxLength() const { return m_access.GetFieldSize(kPhraSlot, kPhrase); }

void PhraseEditing::store(const QString& phrase) {
    if (m_key.isEmpty()) return;
    Transaction tx(m_access.database(kPhraSlot));
    m_access.EnsureRecord(kPhraSlot, m_key);
    m_access.SetFieldText(kPhraSlot, kPhrase, phrase.left(maxLength()));
    tx.commit();
}

void PhraseEditing::test(const QString& phrase) {
    store(phrase);
    m_agent.PlaceAgent(kTestPoint);
    m_agent.SpeakPhrase();
}

void PhraseEditing::hideAgent() { m_agent.CloseAgent(); }

}  // namespace vn
