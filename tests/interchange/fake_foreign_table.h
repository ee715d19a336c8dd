#pragma once

#include "interchange/tables/foreign_table.h"

#include <memory>

namespace vn::test {

// An outside table held in memory; a row may be made unreadable.
class FakeForeignTable : public ForeignTable {
public:
    FakeForeignTable(QList<ForeignColumn> columns, QList<QStringList> rows) : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

    const QList<ForeignColumn>& columns() const override { return m_columns; }
    qint64 rowCount() const override { return m_rows.size(); }
    bool nextRow(QStringList& values, ForeignProblem& problem) override {
        if (m_next == m_badRow) {
            problem.message = QStringLiteral("block 3 is damaged");
            return false;
        }
        if (m_next >= m_rows.size()) return false;
        values = m_rows[m_next++];
        return true;
    }
    // The 0-based row whose reading fails.
    void failAt(int row) { m_badRow = row; }

private:
    QList<ForeignColumn> m_columns;
    QList<QStringList> m_rows;
    int m_next = 0;
    int m_badRow = -1;
};

// Columns of text, named as told.
inline QList<ForeignColumn> textColumns(const QStringList& names) {
    QList<ForeignColumn> columns;
    for (const QString& name : names) columns.append({name, ForeignType::Text});
    return columns;
}

}  // namespace vn::test
