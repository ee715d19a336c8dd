#pragma once

#include <QProcess>
#include <QStringList>

namespace vn::test {

// A test server written in Python, run by Debian's own interpreter (which has the packages the
// servers use; another python3 on PATH may not): it prints its port, then serves until its input
// closes.
class LoopbackServer {
public:
    LoopbackServer(const QString& script, const QStringList& arguments);
    ~LoopbackServer();

    int port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

}  // namespace vn::test
