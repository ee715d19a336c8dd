#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace vn {

class Table;

// Any table shown as a grid, its rows read by key a page at a time: a view fetches more as it
// scrolls down, `fetchBefore` reads the page above the first loaded row, and a search or "last"
// starts the loaded stretch elsewhere. Unlocked, a row's cells can be changed and posted (one
// transaction each) or deleted; new rows are never added here.
class TableViewerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableViewerModel(Table& table, int pageSize = 200, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Unlocked only. Changing a second row posts the first; a refusal refuses the change.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    bool hasRowsBefore() const;
    void fetchBefore();
    // Loads from the first key at or after the text; the row of that key, -1 when none.
    int startAt(const QString& key);
    int startAtLast();  // loads the last page; its last row, -1 when the table is empty
    QString keyAt(int row) const;

    qint64 recordCount() const;
    int fieldCount() const;

    void setEditable(bool editable);
    bool editable() const { return m_editable; }
    bool hasPendingEdit() const { return m_editRow >= 0; }
    // Writes the changed row. A refusal (an empty key, a key in use) is returned and the change
    // stays pending; empty when done.
    QString post();
    void cancel();
    void deleteRow(int row);
    // Reads the loaded stretch again from its first key; pending changes are dropped.
    void refresh();

signals:
    void refused(const QString& message);

private:
    QStringList readCurrent() const;
    QList<QStringList> readPage(bool more);
    void load(const QList<QStringList>& rows, bool atEnd, bool atStart);
    QString write(const QString& oldKey, const QStringList& values);

    Table& m_table;
    int m_pageSize;
    QList<QStringList> m_rows;
    bool m_atEnd = true;
    bool m_atStart = true;
    bool m_editable = false;
    int m_editRow = -1;
    QStringList m_edit;
};

}  // namespace vn
