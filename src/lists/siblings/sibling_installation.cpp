#include "lists/siblings/sibling_sources.h"

#include "platform/path_resolver.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

namespace {

// The sibling's own System table: only "CurDataSet" is read from it.
TableDef siblingSystemDef() {
    return {QStringLiteral("System"), {textField(QStringLiteral("Key"), 40), textField(QStringLiteral("Value"), 120)}, {}};
}

void createTableFile(const QString& path, const TableDef& def, const QList<std::pair<QString, QString>>& rows = {}) {
    auto db = Database::create(path);
    Transaction tx(*db);
    db->createTable(def);
    Table table(db, def.name);
    for (const auto& [key, value] : rows) {
        table.insert(key);
        table.setText(1, value);
        table.post();
    }
    tx.commit();
}

}  // namespace

void createSiblingInstallation(const QString& base, SiblingProduct product, const QString& stateCode) {
    const SiblingProductInfo& info = siblingProduct(product);
    const QString folder = resolvePath(base, QString::fromLatin1(info.folder));
    const QString marker = resolvePath(folder, QString::fromLatin1(info.marker));
    if (QFileInfo::exists(marker))
        throw StoreError(QStringLiteral("%1 is already installed in %2.").arg(QString::fromLatin1(info.folder), base));
    const QString data = siblingDataFolder(base, stateCode, product);
    if (!QDir().mkpath(data)) throw StoreError(QStringLiteral("The folder %1 cannot be made.").arg(data));
    createTableFile(resolvePath(data, QStringLiteral("System.db")), siblingSystemDef(),
                    {{QStringLiteral("CurDataSet"), QStringLiteral("1")}});
    for (const SiblingSource& source : siblingSources())
        if (source.product == product) createTableFile(siblingTableFile(base, stateCode, source, 1), siblingTableDef(source));
    // The marker last: a product half laid out is never found.
    QFile file(marker);
    if (!file.open(QIODevice::WriteOnly)) throw StoreError(QStringLiteral("The file %1 cannot be written.").arg(marker));
}

}  // namespace vn
