#include "store/files/file_copy.h"

#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vn {

namespace {

constexpr qint64 kBlock = 8192;

QString targetOf(const QString& source, const QString& destination) {
    if (QFileInfo(destination).isDir()) return QDir(destination).filePath(QFileInfo(source).fileName());
    return destination;
}

// Written through the descriptor so a failure reports the system's own cause ("File too large").
void writeAll(int fd, const char* data, qint64 size, const QString& target) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            throw StoreError(QStringLiteral("Cannot write %1: %2")
                                 .arg(target, QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC))));
        data += n;
        size -= n;
    }
}

void copyBlocks(QFile& in, QFile& out, const QString& target) {
    QByteArray block(kBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), kBlock);
        if (got < 0) throw StoreError(QStringLiteral("Cannot read %1: %2").arg(in.fileName(), in.errorString()));
        if (got == 0) return;
        writeAll(out.handle(), block.constData(), got, target);
    }
}

}  // namespace

void CopyToFolder(const QString& source, const QString& destination) {
    const QString target = targetOf(source, destination);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile())
        throw StoreError(QStringLiteral("Cannot write %1: it is not a regular file.").arg(target));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Cannot open %1: %2").arg(source, in.errorString()));
    const QString temp = target + QStringLiteral(".part");
    QFile out(temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw StoreError(QStringLiteral("Cannot create %1: %2").arg(target, out.errorString()));
    try {
        copyBlocks(in, out, target);
        out.close();
        commitFile(temp, target);
    } catch (...) {
        out.close();
        QFile::remove(temp);
        throw;
    }
}

void StripAttributes(const QString& file) {
    QFile f(file);
    if (!f.setPermissions(f.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw StoreError(QStringLiteral("Cannot change the attributes of %1: %2").arg(file, f.errorString()));
}

}  // namespace vn
