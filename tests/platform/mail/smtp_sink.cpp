#include "smtp_sink.h"

#include <QDir>
#include <QFile>

namespace vn::test {

namespace {
constexpr int kStartMs = 20000;
}

SmtpSink::SmtpSink(const QStringList& options) {
    // Debian's own interpreter, which has aiosmtpd; another python3 on PATH may not.
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(VN_SMTP_SINK), m_folder.path()} + options);
    if (!m_process.waitForStarted(kStartMs)) return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kStartMs)) {
    }
    m_port = m_process.readLine().trimmed().toInt();
}

SmtpSink::~SmtpSink() {
    m_process.closeWriteChannel();  // the server stops when its input ends
    if (!m_process.waitForFinished(kStartMs)) m_process.kill();
}

QByteArray SmtpSink::data(int n) const {
    QFile file(m_folder.file(QStringLiteral("%1.eml").arg(n)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList SmtpSink::envelope(int n) const {
    QFile file(m_folder.file(QStringLiteral("%1.txt").arg(n)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n') : QStringList();
}

int SmtpSink::count() const { return int(QDir(m_folder.path()).entryList({QStringLiteral("*.eml")}).size()); }

}  // namespace vn::test
