#pragma once

#include <QString>

namespace vn {

// An exclusive lock on a file. The system drops it when the process ends in any way, so a
// crashed copy never blocks the next start.
class FamilyLock {
public:
    enum class State { NotTried, Held, HeldElsewhere, Unavailable };

    FamilyLock() = default;
    ~FamilyLock() { release(); }
    FamilyLock(const FamilyLock&) = delete;
    FamilyLock& operator=(const FamilyLock&) = delete;

    // Held when this object now holds the lock; Unavailable when the file cannot be opened.
    State tryAcquire(const QString& path);
    bool held() const { return m_fd >= 0; }
    void release();

private:
    int m_fd = -1;
};

}  // namespace vn
