// Every table filled, backed up, cleared and restored, backed up again: the same file but for
// its first line, which carries the time.
#include "backup_fixture.h"
#include "exchange/backup/backup_tables.h"
#include "exchange/codec/file_encoding.h"
#include "exchange/codec/transfer_fields.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

// A value for every carried field: as long as the field takes (up to 300 characters), memos
// over several lines, a few characters beyond ASCII.
QString valueFor(int slot, int field, int row, const FieldDef& def) {
    if (def.memo) return QStringLiteral("memo %1 of %2\r\nsecond line é\r\n\r\nlast").arg(row).arg(slot);
    const QString seed = QStringLiteral("%1.%2.%3é").arg(slot).arg(field).arg(row);
    const int size = qMin(def.size, 300);
    return seed.repeated(size / int(seed.size()) + 1).left(size);
}

void fillEveryTable(BackupFixture& fx) {
    for (const BackupTable& table : backupTables()) {
        const TableDef& layout = fx.catalogue.table(table.slot).layout();
        for (int row = 1; row <= 2; ++row) {
            const QString key = QStringLiteral("k%1").arg(row);
            Fields fields;
            for (int f = 1; f < transferFieldCount(layout); ++f) fields[f] = valueFor(table.slot, f, row, layout.fields[f]);
            fx.put(table.slot, key, fields);
        }
    }
}

QList<QByteArray> linesAfterTheFirst(const QByteArray& file) { return file.split('\n').mid(1); }

TEST(BackupRoundTripTest, AClearAndRestoreGivesTheSameBackupAgain) {
    BackupFixture fx;
    fillEveryTable(fx);
    ASSERT_EQ(fx.backup(allBackupSlots()), WorkEnd::Done) << fx.prompter.texts().join("\n").toStdString();
    const QByteArray first = fx.bytes();
    EXPECT_FALSE(first.startsWith(kUtf8Bom));  // every text fits Windows-1252

    ASSERT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Done) << fx.prompter.texts().join("\n").toStdString();
    BackupRequest later = BackupFixture::request(allBackupSlots());
    later.now = later.now.addDays(1);
    ASSERT_EQ(WriteBackup(fx.access, fx.prompter, fx.file(), later), WorkEnd::Done);
    const QByteArray second = fx.bytes();
    EXPECT_NE(first.left(first.indexOf('\n')), second.left(second.indexOf('\n')));
    EXPECT_EQ(linesAfterTheFirst(first), linesAfterTheFirst(second));
    EXPECT_GT(first.count('\n'), 27 * 3);
}

}  // namespace
