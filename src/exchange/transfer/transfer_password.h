#pragma once

#include <QDate>
#include <QString>

namespace vn {

// Receiving a data file of another program version takes a password: the fixed word or the
// day's code, in any case.
bool acceptsTransferPassword(const QString& typed, QDate today = QDate::currentDate());

// The password prompt's rules: an entry is confirmed (Enter or leaving the field); a wrong one
// clears the field for another try, the third wrong one closes the prompt unaccepted.
class PasswordAttempts {
public:
    enum class Outcome { Accepted, TryAgain, Refused };

    explicit PasswordAttempts(QDate today = QDate::currentDate()) : m_today(today) {}

    Outcome confirm(const QString& typed);
    // Closed by the window: the day's code still left in the field is taken.
    bool acceptedOnClose(const QString& typed) const;
    bool accepted() const { return m_accepted; }

private:
    QDate m_today;
    int m_wrong = 0;
    bool m_accepted = false;
};

}  // namespace vn
