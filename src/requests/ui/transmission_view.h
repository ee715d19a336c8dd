#pragma once

#include "requests/request.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

class FileMailButton;
class Session;

// "Record Transmission...": the records a request selected written into a data file for the
// destinations chosen, then, where e-mail is set up, sent by "Email File Now".
class TransmissionView : public QWidget {
    Q_OBJECT
public:
    explicit TransmissionView(Session& session, QWidget* parent = nullptr);
    // A new result: its count, the destinations, none chosen.
    void open(const MatchList& matches);

private:
    QStringList chosenCodes() const;
    void build();

    Session& m_session;
    MatchList m_matches;
    QLabel* m_count = nullptr;
    QListWidget* m_destinations = nullptr;
    QPushButton* m_build = nullptr;
    FileMailButton* m_mail = nullptr;
};

}  // namespace vn
