#pragma once

#include "support/loopback_server.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QStringList>

namespace vn::test {

// The central web service's stand-in (web_service.py) for one test, and the desktop's opener put
// first on PATH (fake_desktop/xdg-open): an opened page is fetched from the stand-in, whatever
// host its address names, and saved into `downloads` under the name the service gives.
class FakeWebService {
public:
    explicit FakeWebService(const QString& downloads);
    ~FakeWebService();  // PATH and the opener's variables as they were

    bool started() const { return m_server.port() > 0; }
    // A file the service sends: <st><cty>down.vnq for DataDown, <list><st><cty>.fcf for FormDown.
    void offer(const QString& name, const QByteArray& bytes) const;
    // The query of each request, in order.
    QStringList queries() const;

private:
    TempFolder m_folder;
    LoopbackServer m_server;
    QByteArray m_path;
};

}  // namespace vn::test
