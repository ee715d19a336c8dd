#include "shell/entry/run_flag.h"

#include "platform/path_resolver.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vn {

RunFlag::RunFlag(const QString& base, const QString& name, bool exclusive) : m_path(resolvePath(base, name)) {
    if (exclusive) createExclusive();
    else createOrReuse();
}

RunFlag::~RunFlag() {
    if (m_status == Status::Created) QFile::remove(m_path);
}

void RunFlag::createExclusive() {
    // The resolved path carries an existing flag's spelling, so O_EXCL also sees "OpenUser.flg".
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        m_status = Status::Created;
        return;
    }
    const int reason = errno;
    m_status = reason == EEXIST ? Status::AlreadyExists : Status::Failed;
    m_error = QString::fromLocal8Bit(std::strerror(reason));
}

void RunFlag::createOrReuse() {
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_status = Status::Created;
        return;
    }
    m_status = Status::Failed;
    m_error = file.errorString();
}

}  // namespace vn
