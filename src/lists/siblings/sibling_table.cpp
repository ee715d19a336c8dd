#include "lists/siblings/sibling_table.h"

#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"

#include <QDir>

#include <algorithm>

namespace vn {

namespace {

QString cannotUse(const QString& file, const QString& why) {
    return QStringLiteral("The table file %1 cannot be used: %2").arg(QDir::toNativeSeparators(file), why);
}

// The highest field number anything reads from the source: its texts and its header map.
int highestFieldRead(const SiblingSource& source) {
    int highest = *std::max_element(source.textFields.begin(), source.textFields.end());
    for (const auto& [head, field] : headerLinkMap(source.number)) highest = std::max(highest, field);
    return highest;
}

}  // namespace

SiblingTable::SiblingTable(const QString& file, const SiblingSource& source, std::shared_ptr<Database> db)
    : m_file(file), m_source(source), m_db(std::move(db)),
      m_table(std::make_unique<Table>(m_db, QString::fromLatin1(source.table))) {}

SiblingTable::~SiblingTable() = default;

std::unique_ptr<SiblingTable> SiblingTable::open(const QString& file, const SiblingSource& source, QString& problem) {
    const QString name = QString::fromLatin1(source.table);
    try {
        auto db = Database::open(file, Database::Access::ReadOnly);
        // A crafted schema must not run functions of ours while the file is read.
        db->execute(QStringLiteral("PRAGMA trusted_schema=OFF"));
        // The whole check: a key index out of order lists records twice or not at all.
        const QString damage = db->damage(Database::Check::Full);
        if (!damage.isEmpty()) {
            problem = cannotUse(file, QStringLiteral("it is damaged (%1).").arg(damage));
            return nullptr;
        }
        if (!db->hasTable(name)) {
            problem = cannotUse(file, QStringLiteral("it holds no table [%1].").arg(name));
            return nullptr;
        }
        const int fields = int(db->describe(name).fields.size());
        for (int needed : source.textFields)
            if (needed >= fields) {
                problem = cannotUse(file, QStringLiteral("its table [%1] has no field %2.").arg(name).arg(needed));
                return nullptr;
            }
        return std::unique_ptr<SiblingTable>(new SiblingTable(file, source, std::move(db)));
    } catch (const StoreError& e) {
        // The engine's messages mostly name the file already.
        problem = e.message().contains(file) ? e.message() : cannotUse(file, e.message());
        return nullptr;
    }
}

int SiblingTable::fieldCount() const { return m_table->fieldCount(); }
QString SiblingTable::fieldName(int field) const { return m_table->fieldName(field); }
int SiblingTable::fieldSize(int field) const { return m_table->fieldSize(field); }

QString SiblingTable::textOf(const QStringList& fields) const {
    QStringList parts;
    for (int field : m_source.textFields) parts << fields.value(field);
    return parts.join(QStringLiteral("  "));
}

QList<SiblingEntry> SiblingTable::list(SiblingOrder order) {
    QList<SiblingEntry> entries;
    const int read = *std::max_element(m_source.textFields.begin(), m_source.textFields.end()) + 1;
    for (bool more = m_table->first(); more && m_table->hasRecord(); more = m_table->next()) {
        QStringList fields;
        for (int field = 0; field < read; ++field) fields << m_table->text(field);
        entries.append({fields[0], textOf(fields)});
    }
    if (order == SiblingOrder::ByName)
        std::stable_sort(entries.begin(), entries.end(),
                         [](const SiblingEntry& a, const SiblingEntry& b) { return a.text < b.text; });
    return entries;
}

std::optional<QStringList> SiblingTable::record(const QString& key) {
    if (key.isEmpty() || !m_table->findKey(key)) return std::nullopt;
    QStringList fields;
    const int count = std::max(m_table->fieldCount(), highestFieldRead(m_source) + 1);
    for (int field = 0; field < count; ++field) fields << (field < m_table->fieldCount() ? m_table->text(field) : QString());
    return fields;
}

std::optional<QString> SiblingTable::field(const QString& key, int field) {
    if (key.isEmpty() || !m_table->findKey(key)) return std::nullopt;
    return field >= 0 && field < m_table->fieldCount() ? m_table->text(field) : QString();
}

}  // namespace vn
