#include "shell/core/table_recovery.h"

#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"
#include "store/files/file_copy.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"
#include "store/settings/table_date_time.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

namespace {

QString savedCopy(const Session& session) {
    return QDir(session.folders.savesFolder()).filePath(TableLocation::databaseFileName());
}

// The database file and the journal files SQLite keeps beside it.
QStringList databaseFiles(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

void restoreSavedCopy(Session& session) {
    const QString live = session.folders.databasePath();
    for (const QString& journal : databaseFiles(live).mid(1)) QFile::remove(journal);
    CopyToFolder(savedCopy(session), live);
}

bool isIntact(const QString& path) {
    try {
        return Database::open(path)->isIntact();
    } catch (const StoreError&) {
        return false;
    }
}

QString moveAside(Session& session) {
    const QString folder = QDir(session.folders.dataFolder())
                               .filePath(QStringLiteral("Damaged ") +
                                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
    QDir().mkpath(folder);
    for (const QString& file : databaseFiles(session.folders.databasePath()))
        if (QFileInfo::exists(file)) QFile::rename(file, QDir(folder).filePath(QFileInfo(file).fileName()));
    return folder;
}

void keepUnfinishedRun(Session& session) {
    const QString live = session.folders.databasePath();
    if (isIntact(live)) {
        if (QFileInfo::exists(session.folders.savesFolder())) Database::open(live)->copyTo(savedCopy(session));
        session.log.append(QStringLiteral("The last run did not end through Goto, Exit; its work was kept."));
        return;
    }
    const QString folder = moveAside(session);
    const bool restored = QFileInfo::exists(savedCopy(session));
    if (restored) restoreSavedCopy(session);
    session.log.append(QStringLiteral("Damaged tables moved to ") + folder);
    session.prompter.beep();
    session.prompter.warning(
        QStringLiteral("The tables of the last run were damaged and have been moved to\r%1\r\r").arg(folder) +
        (restored ? QStringLiteral("The copy saved at the last orderly exit has been restored.")
                  : QStringLiteral("No saved copy exists; empty tables will be loaded.")));
}

}  // namespace

void recoverLiveDatabase(Session& session) {
    const QString live = session.folders.databasePath();
    if (QFileInfo::exists(live)) StripAttributes(live);
    const bool unfinished = QFileInfo::exists(runMarkerPath(session));
    if (unfinished && QFileInfo::exists(live)) {
        keepUnfinishedRun(session);
    } else if (QFileInfo::exists(savedCopy(session))) {
        restoreSavedCopy(session);
    }
}

void replaceMissingDatabase(Session& session) {
    const QString live = session.folders.databasePath();
    if (QFileInfo::exists(live)) return;
    session.prompter.beep();
    session.prompter.warning(QStringLiteral("Missing Data File [%1]!  A new shell will be loaded.")
                                 .arg(TableLocation::databaseFileName()));
    const QString shell = QDir(session.folders.shellsFolder()).filePath(TableLocation::databaseFileName());
    if (QFileInfo::exists(shell)) CopyToFolder(shell, live);
    else createDatabase(live);
}

void replaceMissingTables(Session& session, int firstSlot, int lastSlot) {
    auto db = Database::open(session.folders.databasePath());
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        const QString name = TableCatalogue::tableName(slot);
        if (db->hasTable(name)) continue;
        session.prompter.beep();
        session.prompter.warning(QStringLiteral("Missing Data File [%1]!  A new shell will be loaded.").arg(name));
        try {
            db->createTable(schema::table(name));
        } catch (const StoreError& e) {
            throw StoreError(QStringLiteral("The missing table %1 could not be created: %2").arg(name, e.message()));
        }
    }
}

}  // namespace vn
