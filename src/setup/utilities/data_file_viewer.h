#pragma once

#include "setup/utilities/guard_attempts.h"

#include <QStringList>
#include <memory>

namespace vn {

class RecordAccess;
class Table;
class TableViewerModel;

// The rules of the "Data File Viewer": the table files offered by their catalogue names, the
// chosen table's grid (read only until the write password opens it) and the key search.
class DataFileViewer {
public:
    explicit DataFileViewer(RecordAccess& access, std::function<QDate()> today = [] { return QDate::currentDate(); });
    ~DataFileViewer();

    // "System.db", "Parm1.db" ... "Pag61.db": the tables of slots 2 to 28.
    static QStringList fileNames();
    // The slot whose short name is the file name's first four letters, in any case; 0: none.
    static int slotOfFile(const QString& fileName);

    // False when the name is no table's.
    bool choose(const QString& fileName);
    int slot() const { return m_slot; }
    TableViewerModel* model() const { return m_model.get(); }
    // The row of the first key at or after the text, loaded there; -1 when none.
    int findFirst(const QString& text);

    // The write password box was left: true when the grid is now editable.
    bool leavePassword(const QString& typed);
    bool unlocked() const { return m_unlocked; }
    void close();

private:
    RecordAccess& m_access;
    GuardAttempts m_attempts;
    int m_slot = 0;
    bool m_unlocked = false;
    std::unique_ptr<Table> m_table;  // a cursor of its own, apart from the program's
    std::unique_ptr<TableViewerModel> m_model;
};

}  // namespace vn
