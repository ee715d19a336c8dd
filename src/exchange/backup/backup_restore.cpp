#include "exchange/backup/backup_restore.h"

#include "exchange/backup/backup_apply.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_reader.h"
#include "exchange/codec/mapped_file.h"
#include "platform/prompter.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/engine/store_error.h"
#include "store/program_version.h"
#include "store/settings/table_date_time.h"

#include <QFileInfo>

namespace vn {

namespace {

constexpr int kFirstClearedSlot = 4;
constexpr int kShownBadLines = 20;
constexpr int kShownCharacters = 100;

const QString kOlder = QStringLiteral(
    "The date of the restore/refresh data is OLDER than the date of the last data backup.  If you continue you risk "
    "losing your most current  data changes.");
const QString kOtherVersion = QStringLiteral(
    "The Restore/Refresh data set program Version does not match the current program Version! It is strongly advised "
    "that you DO NOT restore/refresh with this data set.  Select [No] and then contact your state Grovanta! program "
    "supporter for further information.\r\rCAUTION! - Do you wish to continue the restore/refresh process?");

bool mapFile(MappedFile& mapped, const QString& file, Prompter& prompter) {
    QString reason;
    if (mapped.open(file, reason)) return true;
    prompter.error(QStringLiteral("Cannot read %1: %2").arg(file, reason));
    return false;
}

QString tableOf(int slot) {
    return slot >= TableCatalogue::kSystemSlot && slot <= TableCatalogue::kLastDataSlot ? TableCatalogue::description(slot)
                                                                                          : QStringLiteral("Table %1").arg(slot);
}

QString badLineText(const QString& file, const BadLine& bad) {
    return QStringLiteral("Restore Data Integrity Error!  [%1]  [%2]\r\r%3, line %2: %4\r%5...\r\rThis record will not be processed!")
        .arg(tableOf(bad.slot))
        .arg(bad.line)
        .arg(file, bad.reason, bad.text.left(kShownCharacters));
}

QString badLinesText(const QString& file, const QList<BadLine>& lines) {
    QStringList parts;
    for (const BadLine& bad : lines.mid(0, kShownBadLines)) parts << badLineText(file, bad);
    if (lines.size() > kShownBadLines)
        parts << QStringLiteral("%1 more lines cannot be restored either.").arg(lines.size() - kShownBadLines);
    parts << QStringLiteral("OK restores the other records and leaves these as they are; Cancel restores nothing.");
    return parts.join(QStringLiteral("\r\r"));
}

// Every question before anything changes: false when the user stopped.
bool userGoesOn(const BackupCheck& check, const QString& file, Prompter& prompter) {
    if (check.header.version != QLatin1String(kProgramVersion)) {
        prompter.beep();
        if (prompter.warning(kOtherVersion, Buttons::OkNo) != Answer::Ok) return false;
    }
    if (check.badLines.isEmpty()) return true;
    prompter.beep();
    return prompter.warning(badLinesText(file, check.badLines), Buttons::OkCancel) == Answer::Ok;
}

void clearTables(Database& db, const QList<int>& tableSlots, const WorkProgress& progress) {
    progress.show(QStringLiteral("Clear file progress..."));
    for (int slot : tableSlots) {
        if (slot < kFirstClearedSlot) continue;
        progress.show(TableCatalogue::description(slot));
        RowWriter(db, TableCatalogue::tableName(slot)).clear();
    }
}

}  // namespace

std::optional<BackupSummary> ReadBackupHeader(const QString& file, const QString& lastBackup, Prompter& prompter) {
    if (!QFileInfo(file).isFile()) {
        prompter.error(QStringLiteral("VN Backup File Not Found on ") + file);
        return std::nullopt;
    }
    MappedFile mapped;
    if (!mapFile(mapped, file, prompter)) return std::nullopt;
    const BackupLayouts noTables;
    BackupReader reader(mapped.bytes(), noTables);
    QByteArrayView first;
    reader.header(first);
    QList<QByteArrayView> texts{first};
    int slot = 0;
    QByteArrayView title;
    QString problem;
    while (reader.nextTable(slot, title, problem)) texts << title;
    EncodingGuess guess;
    for (QByteArrayView text : texts) guess.see(text);
    const FileEncoding encoding = reader.hasBom() ? FileEncoding::Utf8 : guess.verdict();
    BackupSummary summary{file, parseBackupHeader(decodeFileText(first, encoding)), reader.tableSlots(), {}};
    for (QByteArrayView t : reader.titles()) summary.titles << decodeFileText(t, encoding);
    if (summary.header.version.isEmpty()) {
        prompter.error(QStringLiteral("%1 is not a Varnedo data backup: its first line names no program version.").arg(file));
        return std::nullopt;
    }
    const QDate last = parseTableDateTime(lastBackup).date();
    if (last.isValid() && (!summary.header.date.isValid() || summary.header.date < last)) {
        if (prompter.warning(kOlder, Buttons::OkNo) != Answer::Ok) return std::nullopt;
    }
    return summary;
}

WorkEnd RestoreBackup(Database& db, Prompter& prompter, const QString& file, RestoreMode mode, const WorkProgress& progress) {
    if (!QFileInfo(file).isFile()) {
        prompter.error(QStringLiteral("Restore/Share Drive/Folder not found!\r\r") + file);
        return WorkEnd::Failed;
    }
    MappedFile mapped;
    if (!mapFile(mapped, file, prompter)) return WorkEnd::Failed;
    try {
        const BackupLayouts layouts(db);
        progress.show(QStringLiteral("Progress..."));
        const BackupCheck check = checkBackup(mapped.bytes(), layouts, progress);
        if (check.cancelled) return WorkEnd::Cancelled;
        if (!check.refusal.isEmpty()) {
            prompter.error(QStringLiteral("%1: %2.\r\rNothing was restored.").arg(file, check.refusal));
            return WorkEnd::Failed;
        }
        if (!userGoesOn(check, file, prompter)) return WorkEnd::Declined;
        Transaction transaction(db);
        if (mode == RestoreMode::ClearFirst) clearTables(db, check.tableSlots, progress);
        progress.show(QStringLiteral("Restore progress..."));
        if (!applyBackup(mapped.bytes(), check, db, layouts, progress)) return WorkEnd::Cancelled;
        transaction.commit();
    } catch (const StoreError& e) {
        prompter.error(QStringLiteral("The restore from %1 failed: %2\r\rNothing was restored; the tables are as they were.")
                           .arg(file, e.message()));
        return WorkEnd::Failed;
    }
    return WorkEnd::Done;
}

}  // namespace vn
