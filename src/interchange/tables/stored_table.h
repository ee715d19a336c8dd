#pragma once

#include "interchange/tables/foreign_table.h"

namespace vn {

// A table whose rows were all read and checked before it is handed out, so a damaged file gives
// no row at all.
class StoredTable final : public ForeignTable {
public:
    StoredTable(QList<ForeignColumn> columns, QList<QStringList> rows)
        : columns_(std::move(columns)), rows_(std::move(rows)) {}

    const QList<ForeignColumn>& columns() const override { return columns_; }
    qint64 rowCount() const override { return rows_.size(); }
    bool nextRow(QStringList& values, ForeignProblem&) override {
        if (next_ >= rows_.size()) return false;
        values = rows_[next_++];
        return true;
    }

private:
    QList<ForeignColumn> columns_;
    QList<QStringList> rows_;
    qsizetype next_ = 0;
};

}  // namespace vn
