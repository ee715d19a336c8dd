#include "shell/core/progress_log.h"

#include "store/engine/store_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

void ProgressLog::recreate(const QString& firstLine) {
    // The previous run's log is kept: when a run goes wrong, its log is what tells why.
    if (QFile::exists(m_path)) {
        const QString previous = previousPath();
        QFile::remove(previous);
        QFile::rename(m_path, previous);
    }
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write((firstLine + QStringLiteral("\r\n")).toUtf8());
}

QString ProgressLog::previousPath() const {
    const QFileInfo info(m_path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".1.") + info.suffix());
}

void ProgressLog::append(const QString& line) {
    if (m_path.isEmpty()) return;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write((line + QStringLiteral("\r\n")).toUtf8()) < 0 ||
        !file.flush())
        throw StoreError(QStringLiteral("Cannot write the progress log %1: %2").arg(m_path, file.errorString()));
}

}  // namespace vn
