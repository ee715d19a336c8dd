#include "exchange/panels/multi_choice.h"

namespace vn {

void MultiChoice::fill(const QStringList& newEntries) {
    entries = newEntries;
    chosen = QList<bool>(entries.size(), false);
}

void MultiChoice::choose(const QList<int>& rows) {
    none();
    for (int row : rows)
        if (row >= 0 && row < chosen.size()) chosen[row] = true;
}

void MultiChoice::all() { chosen.fill(true); }

void MultiChoice::none() { chosen.fill(false); }

QList<int> MultiChoice::chosenRows() const {
    QList<int> rows;
    for (int row = 0; row < chosen.size(); ++row)
        if (chosen[row]) rows << row;
    return rows;
}

}  // namespace vn
