#pragma once

#include <QList>
#include <QStringList>

namespace vn {

// A list the user picks any number of entries from, with "None" and "All".
struct MultiChoice {
    QStringList entries;
    QList<bool> chosen;  // by row

    // New entries, none chosen.
    void fill(const QStringList& newEntries);
    // Exactly these rows; rows out of range are ignored.
    void choose(const QList<int>& rows);
    void all();
    void none();
    bool any() const { return chosen.contains(true); }
    QList<int> chosenRows() const;
};

}  // namespace vn
