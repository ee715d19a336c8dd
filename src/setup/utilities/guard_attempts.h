#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace vn {

// The rules of a guarded password box, applied each time the box is left: the programmers'
// password or the day code opens; any other text counts a failure and is emptied; once three
// failures are counted, the next leave closes whatever the text.
class GuardAttempts {
public:
    enum class Verdict { Opened, Failed, Exhausted };

    explicit GuardAttempts(std::function<QDate()> today = [] { return QDate::currentDate(); })
        : m_today(std::move(today)) {}

    Verdict leave(const QString& typed);
    void reset() { m_failures = 0; }
    int failures() const { return m_failures; }

private:
    std::function<QDate()> m_today;
    int m_failures = 0;
};

}  // namespace vn
