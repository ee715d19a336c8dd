#include "store/upgrades/upgrade_search.h"

#include "platform/path_resolver.h"
#include "store/upgrades/upgrade_markers.h"

#include <QFileInfo>

namespace vn {

std::optional<PendingUpgrade> findPendingUpgrade(const std::function<bool(const QString&)>& isDone,
                                                 const QString& changesFolder) {
    const QList<UpgradeGroup>& groups = upgradeGroups();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        PendingUpgrade found;
        for (const UpgradeMarker& m : groups[g].markers) {
            if (isDone(m.marker)) continue;
            if (found.markers.isEmpty()) {
                found.code = m.code;
                found.appliedMarker = m.marker;
            }
            found.markers << m.marker;
        }
        if (found.markers.isEmpty()) continue;
        found.structureFile = resolvePath(changesFolder, groups[g].table + QStringLiteral(".db"));
        if (!QFileInfo(found.structureFile).isFile()) continue;
        found.group = int(g + 1);
        found.table = groups[g].table;
        found.shownMarker = found.markers.last();
        found.information = upgradeInformation(found.code);
        return found;
    }
    return std::nullopt;
}

}  // namespace vn
