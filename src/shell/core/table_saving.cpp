#include "shell/core/table_saving.h"

#include "platform/prompter.h"
#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/start_facts.h"
#include "store/engine/store_error.h"
#include "store/files/saved_copy.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

constexpr int kLastSlot = TableCatalogue::kSlotCount;

}  // namespace

void closeAllTables(Session& session) {
    for (int slot = TableCatalogue::kSystemSlot; slot <= kLastSlot; ++slot) {
        if (!session.catalogue.isOpen(slot)) continue;
        try {
            session.catalogue.table(slot).post();
        } catch (const StoreError& e) {
            session.prompter.error(e.message());
        }
        session.catalogue.close(slot);
    }
}

bool saveTables(Session& session, ShellView& view) {
    const QString saves = session.folders.savesFolder();
    const QString target = QDir(saves).filePath(TableLocation::databaseFileName());
    view.showSaveProgress(TableCatalogue::kLastDataSlot, TableCatalogue::kSystemSlot);
    try {
        if (QFileInfo(saves).exists() && !QFileInfo(saves).isDir())
            throw StoreError(QStringLiteral("%1 is not a folder.").arg(saves));
        if (!QDir().mkpath(saves)) throw StoreError(QStringLiteral("Cannot create the folder %1.").arg(saves));
        writeSavedCopy(session.folders.databasePath(), target);
        view.showSaveProgress(TableCatalogue::kLastDataSlot, TableCatalogue::kLastDataSlot);
        view.hideSaveProgress();
        return true;
    } catch (const StoreError& e) {
        view.hideSaveProgress();
        session.prompter.beep();
        session.prompter.error(QStringLiteral("The tables could not be saved to %1.\r\r%2\r\rThe previous saved copy is kept.")
                                   .arg(target, e.message()));
        return false;
    }
}

void emptySavesFolder(Session& session) {
    QDir saves(session.folders.savesFolder());
    for (const QString& name : saves.entryList(QDir::Files | QDir::Hidden | QDir::System)) saves.remove(name);
}

void openAllTables(Session& session) {
    session.access.OpenTable(TableCatalogue::kSystemSlot,
                             TableLocation::dataTable(session.folders.dataFolder(), TableCatalogue::kSystemSlot));
    session.catalogue.ReopenDataTables(session.folders.dataFolder(),
                                       [&session](const QString& line) { session.log.append(line); });
    session.log.append(QStringLiteral("Get system parameters..."));
    session.settings = readSettings(session.access, settingFacts(session));
}

}  // namespace vn
