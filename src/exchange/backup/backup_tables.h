#pragma once

#include <QList>
#include <QString>

namespace vn {

struct TableDef;

// A table a backup can carry: its check box (numbered 1 to 27) and the title the file gives it.
struct BackupTable {
    int number;
    int slot;  // number + 1
    const char* checkBox;
    const char* title;
};

inline constexpr int kBackupTableCount = 27;
// A version change backs up the first eleven, System to List Help.
inline constexpr int kVersionBackupTables = 11;

const QList<BackupTable>& backupTables();
const BackupTable* backupTableOfSlot(int slot);  // nullptr for a slot no backup carries
// The slot of a table named by its short name ("Pag1") or its name in the database ("System"),
// in any case; 0 when none.
int backupSlotNamed(const QString& name);
// Slots 2 to 28 in check box order.
QList<int> allBackupSlots();

// A field written as a memo block even without a line break: the page memos of pages 1 to 3 and
// the List description.
bool isMemoBlockField(int slot, const TableDef& layout, int field);

}  // namespace vn
