#pragma once

#include "shell/core/label_setup.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vn {


// What the order of one record is decided by, read once from its rows.
struct OrderedRecord {
    QString key;        // whole, whatever its length
    QString labelText;  // compared first (when there are at least two records), case counts
    QString sortText;   // then this, already lower case
    qsizetype index = 0;  // the caller's own reference to the record
};

// The sort text of the label pre-order: by zip, Zip (10 characters) and Title; by name, Last
// and First (30 characters) and Zip; 103 characters in all.
QString labelSortText(LabelSort sort, const QString& title, const QString& first, const QString& last,
                      const QString& zip);

// The sort text of the sort fields: each stored text (at most 60 characters) padded to its
// field's width, joined, padded or cut to 103 characters, lower case.
QString reportSortText(const QStringList& storedTexts, const QList<int>& widths);

// The records in report order: the label pre-order, then the sort texts; at each step equal
// texts come out in the reverse of the order they came in.
std::vector<OrderedRecord> orderRecords(std::vector<OrderedRecord> records);

}  // namespace vn
