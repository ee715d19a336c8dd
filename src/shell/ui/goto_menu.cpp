#include "shell/ui/goto_menu.h"

#include "shell/core/navigation.h"

#include <QMainWindow>
#include <QMenuBar>

namespace vn {

namespace {

struct GotoEntry {
    const char* caption;
    const char* objectName;
    int target;  // 0: exit, 1: main
};

constexpr GotoEntry kEntries[] = {
    {"Exit", "actionGotoExit", 0},
    {"Main", "actionGotoMain", MainWindowNo},
    {"Create/Modify List Form", "actionGotoDesigner", DesignerWindow},
    {"Select List Form", "actionGotoEntry", EntryWindow},
    {"Archive", "actionGotoArchive", ArchiveWindow},
    {"Utilities", "actionGotoUtilities", SetupWindow},
    {"Data Import", "actionGotoImport", ImportWindow},
    {"Data Export", "actionGotoExport", ExportWindow},
};

}  // namespace

QMenu* addGotoMenu(QMainWindow& window, Navigator& navigator, int ownNumber) {
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Goto"));
    menu->setObjectName(QStringLiteral("gotoMenu"));
    for (const GotoEntry& entry : kEntries) {
        QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        const int target = entry.target;
        QObject::connect(action, &QAction::triggered, &window, [&navigator, ownNumber, target] {
            if (target == 0) navigator.gotoExit();
            else if (target == MainWindowNo) navigator.gotoMain(ownNumber);
            else navigator.gotoWindow(ownNumber, target);
        });
    }
    return menu;
}

}  // namespace vn
