#include "shell/core/sibling_search.h"

#include "lists/siblings/sibling_sources.h"
#include "platform/drive_map.h"
#include "platform/path_resolver.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

constexpr int kTempSlot = 1;
constexpr int kValueField = 1;

std::optional<QString> findProductBase(const DriveMap& drives, const SiblingProductInfo& place) {
    for (QChar letter : drives.searchOrder()) {
        const QString root = drives.folder(letter);
        for (const QString& company : {QStringLiteral("HLV"), QString()}) {
            const QString base = company.isEmpty() ? root : resolvePath(root, company);
            const QString folder = resolvePath(base, QString::fromLatin1(place.folder));
            if (QFileInfo::exists(resolvePath(folder, QString::fromLatin1(place.marker)))) return base;
        }
    }
    return std::nullopt;
}

// The sibling's own System table, opened read only: its "CurDataSet" row names the data set.
int currentDataSet(Session& session, const QString& systemFile) {
    if (!QFileInfo::exists(systemFile)) return 0;
    try {
        session.access.OpenTable(kTempSlot, {systemFile, QStringLiteral("System")}, Database::Access::ReadOnly);
        const int set = session.access.FindRecord(kTempSlot, QStringLiteral("CurDataSet"))
                            ? session.access.GetFieldInt(kTempSlot, kValueField)
                            : 0;
        session.access.CloseTable(kTempSlot);
        return set;
    } catch (const StoreError&) {
        session.access.CloseTable(kTempSlot);
        return 0;
    }
}

}  // namespace

void findSiblings(Session& session, const DriveMap& drives) {
    for (size_t i = 0; i < session.siblings.size(); ++i) {
        const auto product = SiblingProduct(i);
        const auto base = findProductBase(drives, siblingProduct(product));
        if (!base) continue;
        SiblingInstallation& sibling = session.siblings[i];
        sibling.found = true;
        sibling.base = *base;
        const QString dataFolder = siblingDataFolder(*base, session.identity.stateCode, product);
        sibling.currentDataSet = currentDataSet(session, resolvePath(dataFolder, QStringLiteral("System.db")));
    }
}

}  // namespace vn
