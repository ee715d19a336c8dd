#pragma once

#include "setup/links/link_run.h"

#include <QList>
#include <QStringList>

namespace vn {

class Session;

// Everything the link lists view shows.
struct LinkScreen {
    QStringList primaryEntries;  // "code  title" of every list
    int primary = -1;            // the chosen primary entry, -1: none
    bool secondaryShown = false;
    QStringList secondaryEntries;  // every other list
    QList<bool> secondarySelected;
    int condition = 0;  // 1 to 4, 0: none chosen
    bool noneEnabled = false;
    bool allEnabled = false;
    bool processEnabled = false;
    bool clearEnabled = false;
    qint64 gaugeMaximum = 0;
    qint64 gaugeValue = 0;
};

// The rules of the link lists view: a primary list, secondary lists and a match condition;
// "Process" links matching records, "Clear current links for selected list" removes the
// primary list's chains. Tells the user through the session's prompter.
class LinkLists {
public:
    explicit LinkLists(Session& session);

    void open();
    // Also makes the list the program's current one.
    void choosePrimary(int row);
    void selectNone();
    void selectAll();
    void toggleSecondary(int row);
    void chooseCondition(int condition);
    // The step is told of each row of the second walk, after the gauge moved.
    void process(const LinkStep& step = {});
    void clearLinks();

    const LinkScreen& screen() const { return m_screen; }

private:
    void updateEnabling();
    QString primaryCode() const;
    QStringList selectedCodes() const;

    Session& m_session;
    LinkScreen m_screen;
};

// What a run tells at its end.
QString linkSummary(const LinkCounts& counts);

}  // namespace vn
