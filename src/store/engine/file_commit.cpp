#include "store/engine/file_commit.h"

#include "store/engine/store_error.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vn {

namespace {

QString systemMessage() { return QString::fromLocal8Bit(std::strerror(errno)); }

void syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) throw StoreError(QStringLiteral("Cannot open %1: %2").arg(path, systemMessage()), errno);
    const int rc = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    if (rc != 0) throw StoreError(QStringLiteral("Cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(err))), err);
}

}  // namespace

void syncFile(const QString& path) { syncPath(path, O_RDONLY); }

void commitFile(const QString& temp, const QString& target) {
    try {
        syncFile(temp);
        if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0)
            throw StoreError(QStringLiteral("Cannot write %1: %2").arg(target, systemMessage()), errno);
        syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
}

}  // namespace vn
