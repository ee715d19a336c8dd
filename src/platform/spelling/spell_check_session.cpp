#include "platform/spelling/spell_check_session.h"

namespace vn {

SpellCheckSession::SpellCheckSession(SpellChecker& checker, const QString& text)
    : m_checker(checker), m_original(text), m_text(text) {
    moveOn(0);
}

QStringList SpellCheckSession::suggestions() const {
    return m_current ? m_checker.suggestions(m_current->word) : QStringList();
}

// The replacement is not checked again: a word the user typed on purpose must not come back.
qsizetype SpellCheckSession::replaceCurrent(const QString& replacement) {
    m_text.replace(m_current->position, m_current->length, replacement);
    return m_current->position + replacement.size();
}

void SpellCheckSession::moveOn(qsizetype from) {
    for (;;) {
        m_current = m_checker.nextMisspelling(m_text, from);
        if (!m_current || !m_changeAll.contains(m_current->word)) return;
        from = replaceCurrent(m_changeAll.value(m_current->word));
    }
}

void SpellCheckSession::change(const QString& replacement) {
    if (m_current) moveOn(replaceCurrent(replacement));
}

void SpellCheckSession::changeAll(const QString& replacement) {
    if (!m_current) return;
    m_changeAll.insert(m_current->word, replacement);
    moveOn(replaceCurrent(replacement));
}

void SpellCheckSession::ignore() {
    if (m_current) moveOn(m_current->position + m_current->length);
}

void SpellCheckSession::ignoreAll() {
    if (!m_current) return;
    m_checker.ignoreAll(m_current->word);
    ignore();
}

void SpellCheckSession::addToDictionary() {
    if (!m_current) return;
    m_checker.addToDictionary(m_current->word);
    ignore();
}

}  // namespace vn
