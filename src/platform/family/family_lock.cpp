#include "platform/family/family_lock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vn {

FamilyLock::State FamilyLock::tryAcquire(const QString& path) {
    if (held()) return State::Held;
    // Close-on-exec: a child started later must not keep the lock alive after we die.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return State::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return State::Held;
    }
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? State::HeldElsewhere : State::Unavailable;
}

void FamilyLock::release() {
    if (!held()) return;
    ::close(m_fd);  // closing drops the lock; the file stays for the next start
    m_fd = -1;
}

}  // namespace vn
