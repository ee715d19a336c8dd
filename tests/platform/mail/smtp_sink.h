#pragma once

// The loopback SMTP server of smtp_sink.py, started for one test and stopped with it.

#include "support/temp_folder.h"

#include <QProcess>
#include <QStringList>

namespace vn::test {

class SmtpSink {
public:
    explicit SmtpSink(const QStringList& options = {});
    ~SmtpSink();

    bool started() const { return m_port > 0; }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Message n (from 1): the DATA bytes, and MAIL FROM, RCPT TO, the greeting name, the user.
    QByteArray data(int n) const;
    QStringList envelope(int n) const;
    int count() const;

private:
    TempFolder m_folder;
    QProcess m_process;
    int m_port = 0;
};

}  // namespace vn::test
