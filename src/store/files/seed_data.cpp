#include "store/files/seed_data.h"

#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"
#include "store/files/text_file.h"
#include "store/program_version.h"

#include <QDir>
#include <QFileInfo>

static void initSeedResources() { Q_INIT_RESOURCE(seed); }

namespace vn {

void loadSeedTable(Database& db, const QString& table, const QString& text) {
    Table t(db.shared_from_this(), table);
    const QStringList lines = QString(text).remove('\r').split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QStringList fields = line.split('\t');
        if (fields.size() > t.fieldCount())
            throw StoreError(QStringLiteral("Seed data for %1, line %2: %3 fields, the table has %4.")
                                 .arg(table).arg(n + 1).arg(fields.size()).arg(t.fieldCount()));
        t.insert(fields[0]);
        for (qsizetype f = 1; f < fields.size(); ++f)
            if (!fields[f].isEmpty() && !t.setText(int(f), fields[f]))
                throw StoreError(QStringLiteral("Seed data for %1, line %2: field %3 is longer than its size.")
                                     .arg(table).arg(n + 1).arg(f));
    }
}

void loadSeedData(Database& db) {
    initSeedResources();
    const QDir seeds(QStringLiteral(":/seed"));
    Transaction tx(db);
    for (const QString& file : seeds.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        loadSeedTable(db, QFileInfo(file).completeBaseName(), readTextFile(seeds.filePath(file)));
    // A new installation is of this version: no version change, so no backup, at its first start.
    loadSeedTable(db, QStringLiteral("System"), QStringLiteral("Version\t") + QString::fromLatin1(kProgramVersion));
    tx.commit();
}

}  // namespace vn
