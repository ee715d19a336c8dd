#include "interchange/export/table_export_run.h"

#include "interchange/export/export_charset.h"
#include "interchange/export/export_run.h"
#include "interchange/export/export_values.h"

namespace vn {

namespace {

QList<OrderEntry> orderOf(const QList<FieldRef>& fields) {
    QList<OrderEntry> order;
    for (const FieldRef& field : fields) order.append({{}, field, false});
    return order;
}

}  // namespace

QString TableExportSummary::message(TableFormat format, const QString& path) const {
    const QString kind = format == TableFormat::Paradox ? QStringLiteral("Paradox") : QStringLiteral("DBase");
    QString text = QStringLiteral("The new %1 data table [%2] has been created and").arg(kind, path) +
                   QStringLiteral(" populated.");
    if (cutValues > 0 || replacedCharacters > 0)
        text += QStringLiteral("\r%1 values were cut to %2 characters; %3 characters outside Windows-1252 were written as \"?\".")
                    .arg(cutValues)
                    .arg(kTableValueSize)
                    .arg(replacedCharacters);
    return text;
}

QByteArray tableValue(const QString& text, int size, TableExportSummary& summary) {
    QList<uint> characters = text.toUcs4();
    if (characters.size() > size) {
        characters.resize(size);
        ++summary.cutValues;
    }
    return encodeExportText(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size()),
                            TextCharset::Windows1252, summary.replacedCharacters);
}

void createNewTable(NewTableWriter& writer, const TableExportPlan& plan) {
    writer.create(plan.path, plan.tableFields);
    writer.commit();
}

WorkEnd exportToTable(RecordAccess& access, NewTableWriter& writer, const TableExportPlan& plan,
                      const WorkProgress& progress, TableExportSummary& summary) {
    summary = TableExportSummary{};
    writer.create(plan.path, plan.tableFields);
    const QStringList keys = listRecordKeys(access, plan.listCode);
    ExportValueReader reader(access, plan.listCode, orderOf(plan.fields), SelectionOutput::Text,
                             ExportValueReader::Reading::InKeyOrder);
    QList<QByteArray> row;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!progress.advance(i, keys.size())) return WorkEnd::Cancelled;  // the writer, dropped, keeps the old table
        const QStringList values = reader.values(keys[i]);
        row.clear();
        row << tableValue(keys[i], kTableKeySize, summary);
        for (const QString& value : values) row << tableValue(value, kTableValueSize, summary);
        writer.addRow(row);
        ++summary.records;
    }
    writer.commit();
    return WorkEnd::Done;
}

}  // namespace vn
