#include "exchange/fcf/fcf_writer.h"

#include "exchange/codec/transfer_fields.h"
#include "exchange/fcf/fcf_chunks.h"
#include "platform/whole_file.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <vector>

namespace vn {

namespace {

// The longest start of valid UTF-8 text that fits the bytes without splitting a character.
QByteArrayView cutAtCharacter(QByteArrayView text, qsizetype bytes) {
    if (text.size() <= bytes) return text;
    qsizetype end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.first(end);
}

QString rowName(int slot, QByteArrayView key) {
    return QStringLiteral("%1 \"%2\"").arg(TableCatalogue::shortName(slot), QString::fromUtf8(key));
}

void encodeTable(Database& db, int tableCode, QByteArrayView code, FcfContent& content) {
    const int slot = fcfTableSlot(tableCode);
    const QString table = TableCatalogue::tableName(slot);
    const TableDef layout = db.describe(table);
    const int fieldCount = transferFieldCount(layout);
    RowStream rows(db, table, fieldCount);
    auto fields = std::vector<QByteArrayView>(std::size_t(fieldCount));
    while (rows.next()) {
        const QByteArrayView key = rows.value(0);
        if (key.isEmpty() || !key.startsWith(code)) continue;
        if (key.size() > kLongestFcfValue) {
            content.leftOut << rowName(slot, key);
            continue;
        }
        fields[0] = key;
        for (int f = 1; f < fieldCount; ++f) {
            const QByteArrayView value = rows.value(f);
            fields[std::size_t(f)] = cutAtCharacter(value, kLongestFcfValue);
            if (fields[std::size_t(f)].size() < value.size())
                content.cutFields << QStringLiteral("%1 field %2 (%3)").arg(rowName(slot, key)).arg(f).arg(layout.fields[f].name);
        }
        appendFcfRow(tableCode, fields, content.bytes);
    }
}

}  // namespace

FcfContent FcfWriter::encode(const QString& listCode) const {
    FcfContent content;
    appendFcfChunk(kFcfMagic, content.bytes);
    const QByteArray code = listCode.toUtf8();
    if (code.isEmpty()) return content;
    for (int tableCode = 1; tableCode <= kFcfTableCount; ++tableCode) encodeTable(m_db, tableCode, code, content);
    return content;
}

FcfBuild FcfWriter::write(const QString& exchangeFolder, const FcfName& name) const {
    FcfBuild build;
    const QString fileName = fcfFileName(name);
    build.path = QDir(exchangeFolder).filePath(fileName);
    // The name's parts come from settings and the list: none may lead out of the folder.
    if (!parseFcfName(fileName) || fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))) {
        build.error = QStringLiteral("[%1] is no form control file name: a list code of three characters, a state code of "
                                     "two and an office code of three are needed.")
                          .arg(fileName);
        return build;
    }
    FcfContent content;
    try {
        content = encode(name.list);
    } catch (const StoreError& e) {
        build.error = QStringLiteral("The Web Form Control file [%1] was not built: %2").arg(QDir::toNativeSeparators(build.path), e.message());
        return build;
    }
    if (const QString reason = writeWholeFile(build.path, content.bytes); !reason.isEmpty()) {
        build.error = QStringLiteral("The Web Form Control file [%1] could not be written: %2").arg(QDir::toNativeSeparators(build.path), reason);
        return build;
    }
    build.cutFields = content.cutFields;
    build.leftOut = content.leftOut;
    return build;
}

}  // namespace vn
