#include "smtp_sink.h"

#include <QDir>
#include <QFile>

namespace vn::test {

SmtpSink::SmtpSink(const QStringList& options)
    : m_server(QStringLiteral(VN_SMTP_SINK), QStringList{m_folder.path()} + options) {}

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
