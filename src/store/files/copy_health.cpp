#include "store/files/copy_health.h"

#include "store/engine/store_error.h"
#include "store/schema/layout_check.h"

#include <QFile>
#include <QFileInfo>

namespace vn {

namespace {

constexpr qint64 kSmallestDatabase = 512;

// Garbage is recognised before the engine opens the file, which could otherwise start writing
// a new database into it.
QString headerProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("it cannot be read (%1)").arg(file.errorString());
    if (file.size() == 0) return QStringLiteral("it is empty");
    if (file.size() < kSmallestDatabase || file.read(16) != QByteArray("SQLite format 3", 16))
        return QStringLiteral("it is not a database file");
    return {};
}

CopyHealth withState(CopyHealth::State state, const QString& detail = {}) { return {state, detail, {}}; }

CopyHealth fromLayout(const schema::LayoutFinding& layout) {
    using Kind = schema::LayoutFinding::Kind;
    switch (layout.kind) {
    case Kind::Fits: return withState(CopyHealth::State::Good);
    case Kind::MissingTables: return {CopyHealth::State::Incomplete, layout.detail, layout.missingTables};
    case Kind::OlderLayout: return withState(CopyHealth::State::OlderLayout, layout.detail);
    case Kind::Damaged: break;
    }
    return withState(CopyHealth::State::Damaged, layout.detail);
}

}  // namespace

CopyHealth inspectCopy(const QString& path, Database::Check depth, Database::Access access) {
    const QFileInfo info(path);
    if (!info.exists()) return withState(CopyHealth::State::Absent);
    if (!info.isFile()) return withState(CopyHealth::State::Damaged, QStringLiteral("it is a folder, not a table file"));
    if (const QString problem = headerProblem(path); !problem.isEmpty())
        return withState(CopyHealth::State::Damaged, problem);
    try {
        auto db = Database::open(path, access);
        if (const QString damage = db->damage(depth); !damage.isEmpty())
            return withState(CopyHealth::State::Damaged, damage);
        return fromLayout(schema::checkLayout(*db));
    } catch (const StoreError& e) {
        // The file is named by the caller; the cause is the engine's.
        QString cause = e.message();
        cause.remove(QStringLiteral("Cannot open %1: ").arg(path));
        return withState(CopyHealth::State::Damaged, cause);
    }
}

}  // namespace vn
