#include "platform/family/family_guard.h"

#include <QDir>
#include <QtDebug>

namespace vn {

FamilyGuard::FamilyGuard(const QString& runtimeFolder, std::chrono::milliseconds answerTimeout, QObject* parent)
    : QObject(parent), m_runtimeFolder(runtimeFolder), m_answerTimeout(answerTimeout) {
    connect(&m_listener, &FamilyListener::raiseRequested, this, &FamilyGuard::raiseRequested);
}

bool FamilyGuard::acquire(bool answerRaiseRequests) {
    QDir().mkpath(m_runtimeFolder);
    m_state = m_lock.tryAcquire(familyLockPath(m_runtimeFolder));
    // Without a lock file the program still runs, only unguarded.
    if (m_state == FamilyLock::State::Unavailable)
        qWarning("Cannot open the family lock in %s.", qPrintable(m_runtimeFolder));
    if (!holdsLock()) return false;
    if (!answerRaiseRequests) return true;
    if (!m_listener.listen(familySocketPath(m_runtimeFolder)))
        qWarning("Cannot answer the family message in %s.", qPrintable(m_runtimeFolder));
    return true;
}

bool FamilyGuard::raiseRunningCopy() const {
    return lockHeldElsewhere() && requestRaise(familySocketPath(m_runtimeFolder), m_answerTimeout);
}

}  // namespace vn
