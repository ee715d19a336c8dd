#include "interchange/tables/new_table_writers.h"

#include "interchange/tables/dbase_writer.h"
#include "interchange/tables/paradox_table_writer.h"
#include "store/engine/store_error.h"
#include "store/text/windows1252.h"

namespace vn {

namespace {

// The dBase writer behind the new-table interface: values come as Windows-1252 bytes, already cut.
class DbaseTableWriter final : public NewTableWriter {
public:
    void create(const QString& path, const QList<NewTableField>& fields) override {
        QList<DbaseFieldLayout> layouts;
        for (const NewTableField& field : fields) layouts.append({field.name, field.size});
        m_writer = std::make_unique<DbaseWriter>(path, layouts);
        QString failure;
        if (!m_writer->open(failure)) throw StoreError(failure);
    }
    void addRow(const QList<QByteArray>& values) override {
        QStringList texts;
        for (const QByteArray& value : values) texts.append(windows1252::decode(value));
        m_writer->writeRow(texts);
    }
    void commit() override {
        QString failure;
        if (!m_writer->commit(failure)) throw StoreError(failure);
    }

private:
    std::unique_ptr<DbaseWriter> m_writer;
};

}  // namespace

std::unique_ptr<NewTableWriter> makeNewTableWriter(TableFormat format) {
    if (format == TableFormat::Paradox) return std::make_unique<ParadoxTableWriter>();
    return std::make_unique<DbaseTableWriter>();
}

}  // namespace vn
