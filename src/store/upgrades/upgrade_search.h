#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vn {

// The next table-structure change to offer.
struct PendingUpgrade {
    int group = 0;            // 1 to 12
    QString table;
    QString shownMarker;      // the group's last pending marker
    int code = 0;             // the first pending marker's change code
    QString information;      // and its text
    QString structureFile;    // <ChangesFolder>/<table>.db, in any case
    QStringList markers;      // the group's pending markers, in order
    QString appliedMarker;    // the one whose description is stored
};

// The first group, in order, with a pending marker and its structure file present.
std::optional<PendingUpgrade> findPendingUpgrade(const std::function<bool(const QString&)>& isDone,
                                                 const QString& changesFolder);

}  // namespace vn
