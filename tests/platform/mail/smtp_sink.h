#pragma once

// The loopback SMTP server of smtp_sink.py, started for one test and stopped with it.

#include "support/loopback_server.h"
#include "support/temp_folder.h"

#include <QStringList>

namespace vn::test {

class SmtpSink {
public:
    explicit SmtpSink(const QStringList& options = {});

    bool started() const { return m_server.port() > 0; }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.port()); }
    // Message n (from 1): the DATA bytes, and MAIL FROM, RCPT TO, the greeting name, the user.
    QByteArray data(int n) const;
    QStringList envelope(int n) const;
    int count() const;

private:
    TempFolder m_folder;
    LoopbackServer m_server;
};

}  // namespace vn::test
