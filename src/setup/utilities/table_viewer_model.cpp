#include "setup/utilities/table_viewer_model.h"

#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"

namespace vn {

namespace {

bool keyBelow(const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); }

}  // namespace

TableViewerModel::TableViewerModel(Table& table, int pageSize, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_pageSize(qMax(1, pageSize)) {
    startAt(QString());
}

int TableViewerModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TableViewerModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : fieldCount(); }

QVariant TableViewerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const QStringList& row = index.row() == m_editRow ? m_edit : m_rows.at(index.row());
    return row.value(index.column());
}

QVariant TableViewerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return m_table.fieldName(section);
}

Qt::ItemFlags TableViewerModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return m_editable ? f | Qt::ItemIsEditable : f;
}

bool TableViewerModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_editable || !index.isValid() || role != Qt::EditRole) return false;
    if (m_editRow >= 0 && m_editRow != index.row()) {
        const QString refusal = post();
        if (!refusal.isEmpty()) {
            emit refused(refusal);
            return false;
        }
    }
    if (m_editRow < 0) {
        m_editRow = index.row();
        m_edit = m_rows.at(m_editRow);
    }
    m_edit[index.column()] = value.toString();
    emit dataChanged(index, index);
    return true;
}

bool TableViewerModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && !m_atEnd; }

void TableViewerModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    const bool more = m_rows.isEmpty() ? m_table.first() : m_table.seekAfter(m_rows.last().first());
    const QList<QStringList> page = readPage(more);
    if (!page.isEmpty()) {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page.size()) - 1);
        m_rows.append(page);
        endInsertRows();
    }
}

bool TableViewerModel::hasRowsBefore() const { return !m_atStart; }

void TableViewerModel::fetchBefore() {
    if (m_atStart) return;
    const QStringList keys = m_table.keysBefore(m_rows.isEmpty() ? QString() : m_rows.first().first(), m_pageSize);
    m_atStart = keys.size() < m_pageSize;
    QList<QStringList> page;
    for (const QString& key : keys)
        if (m_table.findKey(key)) page << readCurrent();
    if (page.isEmpty()) return;
    beginInsertRows({}, 0, int(page.size()) - 1);
    m_rows = page + m_rows;
    if (m_editRow >= 0) m_editRow += int(page.size());
    endInsertRows();
}

QStringList TableViewerModel::readCurrent() const {
    QStringList row;
    for (int field = 0; field < fieldCount(); ++field) row << m_table.text(field);
    return row;
}

// Rows from the current record on; at the end when the table has no more.
QList<QStringList> TableViewerModel::readPage(bool more) {
    QList<QStringList> page;
    while (more && page.size() < m_pageSize) {
        page << readCurrent();
        more = m_table.next();
    }
    m_atEnd = !more;
    return page;
}

void TableViewerModel::load(const QList<QStringList>& rows, bool atEnd, bool atStart) {
    beginResetModel();
    m_rows = rows;
    m_atEnd = atEnd;
    m_atStart = atStart;
    m_editRow = -1;
    m_edit.clear();
    endResetModel();
}

int TableViewerModel::startAt(const QString& key) {
    bool more = key.isEmpty() ? m_table.first() : m_table.seekNearest(key);
    if (more && keyBelow(m_table.text(0), key)) more = false;  // every key is below the text
    const QList<QStringList> page = readPage(more);
    load(page, m_atEnd, key.isEmpty() || m_table.keysBefore(key, 1).isEmpty());
    return page.isEmpty() ? -1 : 0;
}

int TableViewerModel::startAtLast() {
    const QStringList keys = m_table.keysBefore(QString(), m_pageSize);
    QList<QStringList> page;
    for (const QString& key : keys)
        if (m_table.findKey(key)) page << readCurrent();
    load(page, true, keys.size() < m_pageSize);
    return int(page.size()) - 1;
}

QString TableViewerModel::keyAt(int row) const { return row >= 0 && row < m_rows.size() ? m_rows.at(row).first() : QString(); }

qint64 TableViewerModel::recordCount() const { return m_table.count(); }

int TableViewerModel::fieldCount() const { return m_table.fieldCount(); }

void TableViewerModel::setEditable(bool editable) {
    if (!editable) cancel();
    m_editable = editable;
    if (!m_rows.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString TableViewerModel::post() {
    if (m_editRow < 0) return {};
    const QString refusal = write(m_rows.at(m_editRow).first(), m_edit);
    if (!refusal.isEmpty()) return refusal;
    m_rows[m_editRow] = readCurrent();  // as stored: a text too long for its field is cut
    const int row = m_editRow;
    m_editRow = -1;
    m_edit.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return {};
}

// One transaction: the row changed in place, or moved to its new key.
QString TableViewerModel::write(const QString& oldKey, const QStringList& values) {
    const QString& newKey = values.first();
    if (newKey.isEmpty()) return QStringLiteral("A record must have a key.");
    if (newKey != oldKey && m_table.findKey(newKey))
        return QStringLiteral("The key \"%1\" is already in use.").arg(newKey);
    Transaction transaction(m_table.database());
    if (!m_table.findKey(oldKey)) return QStringLiteral("The record \"%1\" no longer exists.").arg(oldKey);
    if (newKey != oldKey) {
        m_table.remove();
        m_table.insert(newKey);
    }
    for (int field = 1; field < fieldCount(); ++field) m_table.setText(field, values.value(field));
    m_table.post();
    transaction.commit();
    m_table.findKey(newKey);
    return {};
}

void TableViewerModel::cancel() {
    if (m_editRow < 0) return;
    const int row = m_editRow;
    m_editRow = -1;
    m_edit.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TableViewerModel::deleteRow(int row) {
    if (!m_editable || row < 0 || row >= m_rows.size()) return;
    const QString key = m_rows.at(row).first();
    Transaction transaction(m_table.database());
    if (m_table.findKey(key)) m_table.remove();
    transaction.commit();
    if (m_editRow == row) m_editRow = -1;
    else if (m_editRow > row) --m_editRow;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void TableViewerModel::refresh() { startAt(m_rows.isEmpty() ? QString() : m_rows.first().first()); }

}  // namespace vn
