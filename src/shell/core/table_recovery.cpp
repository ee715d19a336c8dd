#include "shell/core/table_recovery.h"

#include "platform/prompter.h"
#include "shell/core/recovery_plan.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"
#include "store/files/copy_health.h"
#include "store/files/file_copy.h"
#include "store/files/installation.h"
#include "store/files/saved_copy.h"
#include "store/schema/schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vn {

namespace {

using Aside = RecoveryPlan::Aside;

QString savedCopy(const Session& session) {
    return QDir(session.folders.savesFolder()).filePath(TableLocation::databaseFileName());
}

// The database file and the journal files SQLite keeps beside it.
QStringList databaseFiles(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

void renameFile(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw StoreError(QStringLiteral("Cannot move %1 to %2: %3").arg(from, to, QString::fromLocal8Bit(std::strerror(errno))));
}

// A new folder "<DataFolder>/Damaged <date>" (or "Replaced <date>") for files kept aside.
QString newAsideFolder(const Session& session, Aside aside) {
    const QString stem = QDir(session.folders.dataFolder())
                             .filePath((aside == Aside::Damaged ? QStringLiteral("Damaged ") : QStringLiteral("Replaced ")) +
                                       QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
    QString folder = stem;
    for (int n = 2; QFileInfo::exists(folder); ++n) folder = stem + QStringLiteral(" (%1)").arg(n);
    if (!QDir().mkpath(folder)) throw StoreError(QStringLiteral("Cannot create the folder %1.").arg(folder));
    return folder;
}

// Moves a database file with its journals into a new aside folder; on failure puts back what
// was moved, so the file is never half gone.
QString moveAside(const Session& session, const QString& file, Aside aside, const QString& subfolder = {}) {
    const QString root = newAsideFolder(session, aside);
    const QString folder = subfolder.isEmpty() ? root : QDir(root).filePath(subfolder);
    QDir().mkpath(folder);
    QStringList moved;
    try {
        for (const QString& f : databaseFiles(file)) {
            if (!QFileInfo::exists(f)) continue;
            renameFile(f, QDir(folder).filePath(QFileInfo(f).fileName()));
            moved << f;
        }
    } catch (const StoreError&) {
        for (const QString& f : moved) QFile::rename(QDir(folder).filePath(QFileInfo(f).fileName()), f);
        throw;
    }
    return root;
}

QString savedOn(const QString& saved) {
    return QFileInfo(saved).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

void restoreSavedCopy(Session& session, const RecoveryPlan& plan, const CopyHealth& live) {
    const QString livePath = session.folders.databasePath();
    const QString incoming = livePath + QStringLiteral(".restored");
    CopyToFolder(savedCopy(session), incoming);  // the live file is untouched until the copy is whole
    QString folder;
    try {
        if (plan.liveAside != Aside::None) folder = moveAside(session, livePath, plan.liveAside);
        else for (const QString& journal : databaseFiles(livePath).mid(1)) QFile::remove(journal);
        renameFile(incoming, livePath);
    } catch (const StoreError&) {
        QFile::remove(incoming);
        throw;
    }
    if (plan.liveAside == Aside::Replaced) {
        session.log.append(QStringLiteral("The live tables differed from the saved copy and were moved to ") + folder);
    } else if (plan.liveAside == Aside::Damaged) {
        session.log.append(QStringLiteral("Damaged tables moved to ") + folder);
        session.prompter.beep();
        session.prompter.warning(QStringLiteral("The tables in %1 are damaged (%2) and have been moved to\r%3\r\r"
                                                "The copy saved on %4 has been restored.")
                                     .arg(livePath, live.detail, folder, savedOn(savedCopy(session))));
    }
}

void keepLiveTables(Session& session, const RecoveryPlan& plan, const CopyHealth& saved, bool unfinished) {
    if (unfinished) session.log.append(QStringLiteral("The last run did not end through Goto, Exit; its work was kept."));
    if (plan.savedAside != Aside::Damaged) return;
    forgetSavedCopyStamp(savedCopy(session));
    const QString folder = moveAside(session, savedCopy(session), Aside::Damaged, QStringLiteral("Saves"));
    session.log.append(QStringLiteral("Damaged saved copy moved to ") + folder);
    session.prompter.beep();
    session.prompter.warning(QStringLiteral("The saved copy %1 is damaged (%2) and has been moved to\r%3\r\r"
                                            "Varnedo goes on with the live tables %4 and saves them again.")
                                 .arg(savedCopy(session), saved.detail, folder, session.folders.databasePath()));
}

QString findingLine(const QString& path, const CopyHealth& health) {
    return path + QStringLiteral(": ") + (health.present() ? health.detail : QStringLiteral("there is no such file"));
}

[[noreturn]] void refuse(const Session& session, const CopyHealth& live, const CopyHealth& saved) {
    throw StoreError(QStringLiteral("Neither copy of the tables can be used, so both were left as they are:\r\r%1\r%2")
                         .arg(findingLine(session.folders.databasePath(), live), findingLine(savedCopy(session), saved)));
}

// A file where the saves folder should be: the tables cannot be saved, but the run can go on.
bool savesFolderUsable(Session& session) {
    const QFileInfo saves(session.folders.savesFolder());
    if (!saves.exists() || saves.isDir()) return true;
    session.log.append(QStringLiteral("The saves folder is not a folder: ") + saves.filePath());
    session.prompter.beep();
    session.prompter.warning(QStringLiteral("%1 is not a folder, so the tables cannot be saved there.\r\r"
                                            "Varnedo starts with the live tables. Move that file away so that the "
                                            "tables can be saved at the end of the run.")
                                 .arg(saves.filePath()));
    return false;
}

// After a crash the live file gets the full check. Stamped copies were checked whole when the
// exit wrote them and neither changed since: reading every page finds what a disk may have
// done to them meanwhile, at a fraction of the cost.
Database::Check liveCheck(bool unfinished, SavedCopyState sameness) {
    if (unfinished) return Database::Check::Full;
    return sameness == SavedCopyState::Stamped ? Database::Check::Pages : Database::Check::Quick;
}

}  // namespace

bool recoverLiveDatabase(Session& session) {
    const QString live = session.folders.databasePath();
    if (QFileInfo(live).isFile()) StripAttributes(live);
    const bool unfinished = QFileInfo::exists(runMarkerPath(session));
    const bool savesUsable = savesFolderUsable(session);
    const SavedCopyState sameness = unfinished || !savesUsable ? SavedCopyState::Differs
                                                               : compareWithSavedCopy(live, savedCopy(session));
    const bool equal = sameness != SavedCopyState::Differs;
    const CopyHealth liveHealth = inspectCopy(live, liveCheck(unfinished, sameness), Database::Access::Shared);
    CopyHealth savedHealth;
    if (equal && liveHealth.good()) savedHealth = liveHealth;
    else if (savesUsable) savedHealth = inspectCopy(savedCopy(session), Database::Check::Quick, Database::Access::ReadOnly);
    const RecoveryPlan plan = planRecovery(liveHealth, savedHealth, unfinished, equal);
    switch (plan.use) {
    case RecoveryPlan::Use::Nothing: refuse(session, liveHealth, savedHealth);
    case RecoveryPlan::Use::Saved: restoreSavedCopy(session, plan, liveHealth); break;
    case RecoveryPlan::Use::Live: keepLiveTables(session, plan, savedHealth, unfinished); break;
    case RecoveryPlan::Use::NewShell: break;  // the missing database gets its shell next
    }
    return plan.refreshSaved && savesUsable;
}

void refreshSavedCopy(Session& session) {
    if (!QFileInfo(session.folders.savesFolder()).isDir()) return;
    try {
        writeSavedCopy(session.folders.databasePath(), savedCopy(session));
    } catch (const StoreError& e) {
        session.log.append(QStringLiteral("The saved copy could not be written: ") + e.message());
        session.prompter.beep();
        session.prompter.warning(QStringLiteral("The tables could not be saved to %1.\r\r%2").arg(savedCopy(session), e.message()));
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
