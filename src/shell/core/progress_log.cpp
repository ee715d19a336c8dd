#include "shell/core/progress_log.h"

#include "store/engine/store_error.h"

#include <QFile>

namespace vn {

void ProgressLog::recreate(const QString& firstLine) {
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write((firstLine + QStringLiteral("\r\n")).toUtf8());
}

void ProgressLog::append(const QString& line) {
    if (m_path.isEmpty()) return;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write((line + QStringLiteral("\r\n")).toUtf8()) < 0 ||
        !file.flush())
        throw StoreError(QStringLiteral("Cannot write the progress log %1: %2").arg(m_path, file.errorString()));
}

}  // namespace vn
