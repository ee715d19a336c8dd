#include "shell/core/shutdown_sequence.h"

#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/table_saving.h"
#include "store/settings/table_date_time.h"

#include <QDateTime>
#include <QFile>

namespace vn {

namespace {

// Upgrades page of the maker; opened when the user leaves to upgrade.
const char* const kUpgradesAddress = "https://www.halvorin.example/varnedo/upgrades";

}  // namespace

void ShutdownSequence(Session& session, ShellView& view) {
    if (session.shutdownDone) return;
    session.shutdownDone = true;
    session.exitFlag = true;
    if (!session.started) {
        // A start that failed part-way must never overwrite the saved copy.
        view.quit();
        return;
    }
    for (const auto& hook : session.beforeShutdown) hook();
    closeAllTables(session);
    bool saved = true;
    if (session.firstTime) {
        emptySavesFolder(session);
    } else {
        saved = saveTables(session, view);
    }
    // A run whose copy failed keeps its marker: the next start then looks at both copies again.
    if (saved) QFile::remove(runMarkerPath(session));
    session.saveFailed = !saved;
    session.sortBuffer.ClearSortBuffer();
    try {
        session.log.append(QStringLiteral("Varnedo closed at ") + formatTableDateTime(QDateTime::currentDateTime()));
    } catch (...) {
        // The tables are safe; a log that cannot be written must not stop the exit.
    }
    if (session.openUpgradePage && session.openAddress) session.openAddress(QString::fromLatin1(kUpgradesAddress));
    view.quit();
}

void UpdateDisk(Session& session, ShellView& view) {
    BusyGuard busy(view);
    closeAllTables(session);
    saveTables(session, view);
    openAllTables(session);
}

}  // namespace vn
