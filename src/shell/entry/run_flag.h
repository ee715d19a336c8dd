#pragma once

#include <QString>

namespace vn {

// The flag file that marks this run in the base. It is erased when this object ends, so a run
// that stops early erases it too.
class RunFlag {
public:
    enum class Status { Created, AlreadyExists, Failed };

    // Exclusive: the flag must not exist in any spelling, and of two racing starts only one
    // creates it. Otherwise a flag left behind by a crash is taken over.
    RunFlag(const QString& base, const QString& name, bool exclusive);
    ~RunFlag();
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;

    Status status() const { return m_status; }
    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }

private:
    void createExclusive();
    void createOrReuse();

    QString m_path;
    Status m_status = Status::Failed;
    QString m_error;
};

}  // namespace vn
