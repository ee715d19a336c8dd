#include "exchange/fcf/fcf_reader.h"

#include "exchange/codec/file_encoding.h"
#include "exchange/codec/transfer_fields.h"
#include "exchange/fcf/fcf_chunks.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/list_fields.h"
#include "store/catalogue/slots.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/engine/text_size.h"
#include "store/text/case_conversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <memory>

namespace vn {

namespace {

constexpr int kShownCuts = 10;

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

FcfReader::FcfReader(Database& db, const QString& path) : m_db(db), m_path(path) { read(); }

bool FcfReader::refuse(qsizetype offset, const QString& reason) {
    m_refusal = QStringLiteral("The form control file [%1] was refused at byte %2: %3\r\rNothing of it was loaded.")
                    .arg(native(m_path))
                    .arg(offset)
                    .arg(reason);
    m_rows.clear();
    return false;
}

void FcfReader::read() {
    const QFileInfo info(m_path);
    const std::optional<FcfName> name = parseFcfName(info.fileName());
    if (!name) {
        m_refusal = QStringLiteral("[%1] is not named as a form control file is: a list code, a state code, an office code "
                                   "and \".fcf\".")
                        .arg(native(m_path));
        return;
    }
    m_name = *name;
    if (!info.exists()) {
        m_refusal = QStringLiteral("The form control file [%1] is no longer there; it was not loaded.").arg(native(m_path));
        return;
    }
    if (info.size() > kLargestFcfFile) {
        refuse(kLargestFcfFile, QStringLiteral("the file is larger than 16 MiB (%1 bytes).").arg(info.size()));
        return;
    }
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(kLargestFcfFile + 1);
    if (file.error() != QFileDevice::NoError) {
        m_refusal = QStringLiteral("Cannot read [%1]: %2").arg(native(m_path), file.errorString());
        return;
    }
    if (bytes.size() > kLargestFcfFile) {
        refuse(kLargestFcfFile, QStringLiteral("the file is larger than 16 MiB."));
        return;
    }

    FcfChunks::FieldCounts counts{};
    for (int code = 1; code <= kFcfTableCount; ++code) {
        const std::size_t i = std::size_t(code - 1);
        m_layouts[i] = m_db.describe(TableCatalogue::tableName(fcfTableSlot(code)));
        counts[i] = transferFieldCount(m_layouts[i]);
    }

    // The whole file first: the texts' encoding is known only at its end.
    std::vector<FcfRow> parsed;
    EncodingGuess guess;
    FcfChunks chunks(bytes, counts);
    for (FcfRow row; chunks.next(row);) {
        guess.see(row.key);
        for (const auto& value : row.values) guess.see(value.second);
        parsed.push_back(std::move(row));
    }
    if (!chunks.problem().isEmpty()) {
        refuse(chunks.problemOffset(), chunks.problem());
        return;
    }

    const FileEncoding encoding = guess.verdict();
    const QString code = LowerCaseText(m_name.list);
    bool listSeen = false;
    m_rows.reserve(parsed.size());
    for (const FcfRow& row : parsed) {
        const std::size_t table = std::size_t(row.tableCode - 1);
        const int slot = fcfTableSlot(row.tableCode);
        const FieldDef& keyField = m_layouts[table].fields[0];
        Row staged{row.tableCode, QStringList(counts[table])};
        staged.fields[0] = decodeFileText(row.key, encoding);
        // Another list's rows would change that list.
        if (!staged.fields[0].startsWith(code))
            return void(refuse(row.offset, QStringLiteral("the %1 row \"%2\" is not of the list %3.")
                                               .arg(TableCatalogue::shortName(slot), staged.fields[0], code)));
        if (characterCount(staged.fields[0]) > keyField.size)
            return void(refuse(row.offset, QStringLiteral("the %1 key \"%2\" is longer than %3 characters.")
                                               .arg(TableCatalogue::shortName(slot), staged.fields[0])
                                               .arg(keyField.size)));
        if (slot == kListSlot) {
            if (listSeen) return void(refuse(row.offset, QStringLiteral("the file holds a second List row.")));
            listSeen = true;
        }
        for (const auto& [field, value] : row.values) staged.fields[field] = decodeFileText(value, encoding);
        m_rows.push_back(std::move(staged));
    }
    if (!listSeen) refuse(bytes.size(), QStringLiteral("the file holds no List row."));
}

bool FcfReader::alreadyPresent() const {
    const QString code = LowerCaseText(m_name.list);
    RowStream lists(m_db, TableCatalogue::tableName(kListSlot), 1);
    while (lists.next())
        if (LowerCaseText(QString::fromUtf8(lists.value(0)).left(kListCodeLength)) == code) return true;
    return false;
}

FcfApplied FcfReader::apply() {
    if (!m_refusal.isEmpty()) return {};
    FcfApplied applied;
    applied.name = m_name;
    Transaction transaction(m_db);
    std::array<std::unique_ptr<RowWriter>, kFcfTableCount> writers;
    std::vector<QByteArray> texts;
    std::vector<std::pair<int, QByteArrayView>> values;
    for (Row& row : m_rows) {
        const std::size_t table = std::size_t(row.tableCode - 1);
        const int slot = fcfTableSlot(row.tableCode);
        auto& writer = writers[table];
        if (!writer) writer = std::make_unique<RowWriter>(m_db, TableCatalogue::tableName(slot));
        const TableDef& layout = m_layouts[table];
        texts.assign(std::size_t(row.fields.size()), QByteArray());
        values.clear();
        for (int f = 1; f < row.fields.size(); ++f) {
            const FieldDef& field = layout.fields[f];
            if (!field.memo && field.size > 0 && characterCount(row.fields[f]) > field.size) {
                if (applied.cutExamples.size() < kShownCuts)
                    applied.cutExamples << QStringLiteral("%1 \"%2\" field %3 (%4)")
                                               .arg(TableCatalogue::shortName(slot), row.fields[0])
                                               .arg(f)
                                               .arg(field.name);
                ++applied.cutValues;
                row.fields[f] = cutToCharacters(row.fields[f], field.size);
            }
            texts[std::size_t(f)] = row.fields[f].toUtf8();
            values.emplace_back(f, texts[std::size_t(f)]);
        }
        writer->write(row.fields[0].toUtf8(), values);
        ++applied.rows;
        if (slot == kListSlot) {
            applied.instructions = row.fields.value(list_field::kInstructions);
            applied.description = row.fields.value(list_field::kDescription);
            applied.agency = row.fields.value(list_field::kAgencyName);
        }
    }
    transaction.commit();
    return applied;
}

}  // namespace vn
