#pragma once

#include "platform/family/family_channel.h"
#include "platform/family/family_lock.h"
#include "platform/family/family_paths.h"
#include "platform/family/family_verdict.h"

#include <QObject>
#include <chrono>

namespace vn {

// At most one member of the product family runs per user: the first start holds the family
// lock for the life of the process and answers raise requests; a later start learns that
// another copy runs and asks it to come to the front.
class FamilyGuard : public QObject {
    Q_OBJECT
public:
    explicit FamilyGuard(const QString& runtimeFolder = familyRuntimeFolder(),
                         std::chrono::milliseconds answerTimeout = std::chrono::seconds(2), QObject* parent = nullptr);

    // Tries to take the family lock; once it is ours, raise requests are answered unless this
    // run has no window to raise. True when held.
    bool acquire(bool answerRaiseRequests = true);
    bool holdsLock() const { return m_lock.held(); }
    bool lockHeldElsewhere() const { return m_state == FamilyLock::State::HeldElsewhere; }

    FamilyVerdict verdict(const FlagFiles& base) const { return judgeFamily(lockHeldElsewhere(), base); }

    // Asks the copy holding the lock to come to the front; false when none answered in time
    // (or when the lock is our own: there is nobody else to ask).
    bool raiseRunningCopy() const;

signals:
    // A later start asked for the front: restore and raise the main window.
    void raiseRequested();

private:
    QString m_runtimeFolder;
    std::chrono::milliseconds m_answerTimeout;
    FamilyLock m_lock;
    FamilyLock::State m_state = FamilyLock::State::NotTried;
    FamilyListener m_listener;  // after the lock: its socket goes before the lock is released
};

}  // namespace vn
