#include "setup/utilities/guard_attempts.h"

#include "store/text/guard_password.h"

namespace vn {

GuardAttempts::Verdict GuardAttempts::leave(const QString& typed) {
    if (m_failures > 2) {
        m_failures = 0;
        return Verdict::Exhausted;
    }
    if (!opensGuardedSteps(typed, m_today())) {
        ++m_failures;
        return Verdict::Failed;
    }
    m_failures = 0;
    return Verdict::Opened;
}

}  // namespace vn
