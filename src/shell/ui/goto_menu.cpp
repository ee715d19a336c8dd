#include "shell/ui/goto_menu.h"

#include "shell/core/goto_rules.h"
#include "shell/core/navigation.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace vn {

namespace {

struct EntryFacts {
    const char* caption;
    const char* objectName;
    int target;  // 0: exit, 1: main
    GotoEntry entry;
};

constexpr EntryFacts kEntries[] = {
    {"Exit", "actionGotoExit", 0, GotoEntry::Exit},
    {"Main", "actionGotoMain", MainWindowNo, GotoEntry::Main},
    {"Create/Modify List Form", "actionGotoDesigner", DesignerWindow, GotoEntry::Designer},
    {"Select List Form", "actionGotoEntry", EntryWindow, GotoEntry::Entry},
    {"Archive", "actionGotoArchive", ArchiveWindow, GotoEntry::Archive},
    {"Utilities", "actionGotoUtilities", SetupWindow, GotoEntry::Utilities},
    {"Data Import", "actionGotoImport", ImportWindow, GotoEntry::Import},
    {"Data Export", "actionGotoExport", ExportWindow, GotoEntry::Export},
};

}  // namespace

GotoMenu::GotoMenu(QMainWindow& window, Navigator& navigator, const Session& session, int ownNumber)
    : QObject(&window), m_session(session), m_number(ownNumber) {
    setObjectName(QStringLiteral("gotoMenuRules"));
    m_menu = window.menuBar()->addMenu(QStringLiteral("&Goto"));
    m_menu->setObjectName(QStringLiteral("gotoMenu"));
    for (const EntryFacts& entry : kEntries) {
        QAction* action = m_menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        const int target = entry.target;
        connect(action, &QAction::triggered, &window, [&navigator, ownNumber, target] {
            if (target == 0) navigator.gotoExit();
            else if (target == MainWindowNo) navigator.gotoMain(ownNumber);
            else navigator.gotoWindow(ownNumber, target);
        });
    }
    connect(m_menu, &QMenu::aboutToShow, this, &GotoMenu::refresh);
    window.installEventFilter(this);
    refresh();
}

void GotoMenu::setStarted(bool started) {
    m_started = started;
    refresh();
}

void GotoMenu::refresh() {
    const bool listCurrent = hasCurrentList(m_session);
    const QList<QAction*> actions = m_menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setEnabled(gotoEntryEnabled(m_number, kEntries[i].entry, m_started, listCurrent));
}

bool GotoMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) refresh();
    return QObject::eventFilter(watched, event);
}

}  // namespace vn
