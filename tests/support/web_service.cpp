#include "support/web_service.h"

#include <QFile>

namespace vn::test {

FakeWebService::FakeWebService(const QString& downloads)
    : m_server(QStringLiteral(VN_WEB_SERVICE), {m_folder.path()}), m_path(qgetenv("PATH")) {
    qputenv("PATH", QByteArray(VN_FAKE_DESKTOP) + ':' + m_path);
    qputenv("VARNEDO_TEST_SERVICE", QStringLiteral("http://127.0.0.1:%1").arg(m_server.port()).toUtf8());
    qputenv("VARNEDO_TEST_DOWNLOADS", downloads.toUtf8());
}

FakeWebService::~FakeWebService() {
    qputenv("PATH", m_path);
    qunsetenv("VARNEDO_TEST_SERVICE");
    qunsetenv("VARNEDO_TEST_DOWNLOADS");
}

void FakeWebService::offer(const QString& name, const QByteArray& bytes) const {
    QFile file(m_folder.file(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QStringList FakeWebService::queries() const {
    QFile file(m_folder.file(QStringLiteral("queries.log")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeAll(QString());
    return lines;
}

}  // namespace vn::test
