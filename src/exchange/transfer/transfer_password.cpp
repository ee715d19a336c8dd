#include "exchange/transfer/transfer_password.h"

#include "store/text/day_code.h"
#include "store/text/guard_password.h"

namespace vn {

namespace {

constexpr int kAllowedWrong = 2;

}  // namespace

bool acceptsTransferPassword(const QString& typed, QDate today) {
    return opensGuardedSteps(typed, today);
}

PasswordAttempts::Outcome PasswordAttempts::confirm(const QString& typed) {
    if (m_accepted) return Outcome::Accepted;
    if (acceptsTransferPassword(typed, m_today)) {
        m_accepted = true;
        return Outcome::Accepted;
    }
    if (m_wrong >= kAllowedWrong) {
        m_wrong = 0;
        return Outcome::Refused;
    }
    ++m_wrong;
    return Outcome::TryAgain;
}

bool PasswordAttempts::acceptedOnClose(const QString& typed) const { return m_accepted || MatchesDayCode(typed, m_today); }

}  // namespace vn
