#pragma once

#include "interchange/tables/new_table_writer.h"

#include <QTemporaryFile>
#include <memory>

namespace vn {

// A keyed Paradox table: alpha fields, code page 1252, the first field the primary key, written
// through pxlib with its primary index (NAME.px, two levels when the rows need them). Rows must
// come in key order.
class ParadoxTableWriter : public NewTableWriter {
public:
    ParadoxTableWriter();
    ~ParadoxTableWriter() override;

    void create(const QString& path, const QList<NewTableField>& fields) override;
    void addRow(const QList<QByteArray>& values) override;
    void commit() override;

private:
    struct Documents;
    void writeIndex();

    QString m_path;
    QList<NewTableField> m_fields;
    std::unique_ptr<QTemporaryFile> m_data;
    std::unique_ptr<QTemporaryFile> m_index;
    std::unique_ptr<Documents> m_docs;
    QByteArray m_record;
};

}  // namespace vn
