#pragma once

#include "entry/ui/entry_window.h"
#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "shell/core/navigation.h"
#include "support/running_program.h"
#include "window_children.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <functional>
#include <memory>

namespace vn::test {

inline const QString kSmith = "abcwyalb1000000000";  // 18 characters: sequence 10000
inline const QString kJones = "abcwyalb000200000";

// The list "abc" ("Members") with Smith, Ann Q and Jones, Bob; every address the program
// opens is added to opened.
inline void putTwoMembers(Session& session, QStringList& opened) {
    session.openAddress = [&opened](const QString& path) {
        opened << path;
        return true;
    };
    putRow(session.access, kListSlot, "abc", {{1, "Members"}});
    putRow(session.access, kHeadSlot, kSmith, {{4, "Smith"}, {2, "Ann"}, {3, "Q"}});
    putRow(session.access, kHeadSlot, kJones, {{4, "Jones"}, {2, "Bob"}});
}

// Opens the entry window on the first list, then window 9 from it; null when a window was not
// shown.
inline RequestBuilderWindow* openBuilderOnFirstList(RunningProgram& program) {
    program.navigator->gotoWindow(MainWindowNo, EntryWindow);
    auto* entry = static_cast<RecordEntryWindow*>(program.windows->window(EntryWindow));
    auto* builder = static_cast<RequestBuilderWindow*>(program.windows->window(BuilderWindow));
    if (!QTest::qWaitForWindowExposed(entry)) return nullptr;
    child<QAction>(entry, "actionSelectDataList")->trigger();
    clickRow(child<QListWidget>(entry, "currentListsList"), 0);
    child<QAction>(entry, "actionSql")->trigger();
    return QTest::qWaitForWindowExposed(builder) ? builder : nullptr;
}

// Makes the request started as "Last" <> "" and processes it; false when "Process" was not
// offered.
inline bool finishLastNotEmpty(RequestBuilderWindow* builder) {
    for (auto* box : child<QWidget>(builder, "fieldList")->findChildren<QCheckBox*>())
        if (box->text() == "Last") QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 8));
    if (!clickButton(builder, "notEqualRadio")) return false;
    QTest::keyClick(child<QLineEdit>(builder, "targetEdit"), Qt::Key_Return);
    return clickButton(builder, "processButton");
}

// Starts the request of the menu entry as "Last" <> "" and processes it; false when the entry
// or "Process" was not offered.
inline bool processLastNotEmpty(RequestBuilderWindow* builder, const QString& menuEntry) {
    emit child<QMenu>(builder, "requestMenu")->aboutToShow();
    QAction* action = child<QAction>(builder, menuEntry);
    if (!action->isEnabled()) return false;
    action->trigger();
    return finishLastNotEmpty(builder);
}

// A started program with window 9 open on the list "abc" of two members (putTwoMembers);
// `prepare` adds to the session after them, before the windows are made.
struct BuilderOnTwoMembers {
    std::unique_ptr<RunningProgram> program;
    RequestBuilderWindow* builder = nullptr;
    QStringList opened;  // the addresses the program opened

    // False when the program did not start or window 9 did not show.
    bool start(const std::function<void(Session&)>& prepare = {}) {
        program = std::make_unique<RunningProgram>();
        if (!program->started) return false;
        Session& session = *program->session;
        putTwoMembers(session, opened);
        if (prepare) prepare(session);
        reloadListCodes(session);
        program->openWindows(entryAndBuilderWindows());
        builder = openBuilderOnFirstList(*program);
        return builder != nullptr;
    }
    void stop() {
        program.reset();
        builder = nullptr;
        opened.clear();
    }
};

}  // namespace vn::test
