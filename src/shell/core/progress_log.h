#pragma once

#include <QString>

namespace vn {

// The start-up log: new at every start, one line per step, flushed at once.
class ProgressLog {
public:
    explicit ProgressLog(QString path = {}) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    // Starts a new log with its first line, keeping the previous run's log as "<name>.1.<ext>";
    // a log that cannot be created is skipped silently.
    void recreate(const QString& firstLine);
    QString previousPath() const;
    // Appends one line; throws StoreError when the log cannot be written.
    void append(const QString& line);

private:
    QString m_path;
};

}  // namespace vn
