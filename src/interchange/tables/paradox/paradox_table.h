#pragma once

#include "interchange/tables/foreign_table.h"

#include <memory>

namespace vn {

// A Paradox table (.DB, versions 3 to 7) read in this process: the file checked whole, then every
// row converted at once, so a damaged file gives no row at all. Keyed tables come in key order.
// Memos come from the .MB beside the table. Nothing is written, no index is made.
class ParadoxTable final : public ForeignTable {
public:
    // The table, or null with problem naming the file and the block or row that is wrong.
    [[nodiscard]] static std::unique_ptr<ParadoxTable> open(const QString& path, ForeignProblem& problem);

    const QList<ForeignColumn>& columns() const override { return columns_; }
    qint64 rowCount() const override { return rows_.size(); }
    bool nextRow(QStringList& values, ForeignProblem& problem) override;

private:
    ParadoxTable() = default;

    QList<ForeignColumn> columns_;
    QList<QStringList> rows_;
    qsizetype next_ = 0;
};

}  // namespace vn
