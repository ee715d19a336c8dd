#include "exchange/panels/password_prompt.h"

namespace vn {

void PasswordPrompt::open() {
    m_attempts = 0;
    m_accepted = false;
}

PasswordPrompt::Next PasswordPrompt::confirm(const QString& typed) {
    if (m_attempts >= kLastAttempt) {
        m_attempts = 0;
        m_accepted = false;
        return Next::Close;
    }
    if (m_accepts(typed)) {
        m_accepted = true;
        m_attempts = 0;
        return Next::Close;
    }
    ++m_attempts;
    return Next::TryAgain;
}

// A window closed by its title bar still takes a good password left in the field.
bool PasswordPrompt::close(const QString& typed) {
    if (!m_accepted && !typed.isEmpty() && m_accepts(typed)) m_accepted = true;
    return m_accepted;
}

}  // namespace vn
