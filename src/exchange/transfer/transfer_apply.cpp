#include "exchange/transfer/transfer_apply.h"

#include "exchange/backup/backup_reader.h"
#include "exchange/codec/file_lines.h"
#include "exchange/transfer/transfer_check.h"
#include "exchange/transfer/transfer_line.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/row_stream.h"
#include "store/text/windows1252.h"

#include <array>
#include <deque>
#include <memory>

namespace vn {

namespace {

constexpr qint64 kProgressEvery = 1024;
constexpr int kShownCuts = 10;
constexpr int kHeaderLines = 3;

// The bytes of the first `characters` characters of valid UTF-8 text.
QByteArrayView firstCharacters(QByteArrayView text, qsizetype characters) {
    qsizetype end = 0;
    for (qsizetype seen = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) continue;
        if (seen++ == characters) break;
    }
    return text.first(end);
}

bool fits(QByteArrayView value, const FieldDef& field) {
    // Every character takes at least one byte.
    return field.memo || field.size <= 0 || value.size() <= field.size || utf8CharacterCount(value) <= field.size;
}

class Applier {
public:
    Applier(const TransferCheck& check, Database& db, const BackupLayouts& layouts, const WorkProgress& progress)
        : m_check(check), m_db(db), m_layouts(layouts), m_progress(progress) {}

    TransferApplied run(QByteArrayView utf8) {
        FileLines lines(utf8);
        QByteArrayView line;
        for (int i = 0; i < kHeaderLines && lines.next(line);) ++i;
        while (lines.next(line)) {
            if (!line.isEmpty()) applyLine(line);
            if (lines.number() % kProgressEvery == 0 && !m_progress.advance(lines.position(), utf8.size())) {
                m_applied.cancelled = true;
                break;
            }
        }
        for (const QByteArray& code : m_touched) m_applied.touchedLists << QString::fromUtf8(code);
        m_applied.touchedLists.sort();
        return m_applied;
    }

private:
    QByteArrayView decoded(QByteArrayView value, const FieldDef& field) {
        if (!holdsLineBreakMark(value)) return value;
        QByteArray& out = m_converted.emplace_back();
        appendDecodedValue(value, "\r\n", out);
        if (fits(out, field)) return out;
        // A description written with LF between its lines fits where CR LF would not.
        out.clear();
        appendDecodedValue(value, "\n", out);
        return out;
    }

    QByteArrayView fitted(QByteArrayView value, const FieldDef& field, int slot, QByteArrayView key, int number) {
        if (fits(value, field)) return value;
        if (m_applied.cutExamples.size() < kShownCuts)
            m_applied.cutExamples << QStringLiteral("%1 \"%2\" field %3 (%4)")
                                         .arg(TableCatalogue::shortName(slot), QString::fromUtf8(key))
                                         .arg(number)
                                         .arg(field.name);
        ++m_applied.cutValues;
        return firstCharacters(value, field.size);
    }

    void applyLine(QByteArrayView line) {
        splitRecordLine(line, m_split);
        const int slot = tableNumber(m_split.table);
        const QByteArray code = foldedListCode(m_split.fields[0]);
        if (m_check.kind == TransferKind::Data && !m_check.listsHere.contains(code)) return;
        const TableDef& layout = *m_layouts.layout(slot);
        m_converted.clear();
        const QByteArrayView key = decoded(m_split.fields[0], layout.fields[0]);
        m_values.clear();
        for (std::size_t i = 1; i < m_split.fields.size(); ++i) {
            const int number = int(i);
            const FieldDef& field = layout.fields[number];
            m_values.emplace_back(number, fitted(decoded(m_split.fields[i], field), field, slot, key, number));
        }
        auto& writer = m_writers[std::size_t(slot)];
        if (!writer) writer = std::make_unique<RowWriter>(m_db, TableCatalogue::tableName(slot));
        writer->write(key, m_values);
        ++m_applied.records;
        m_touched.insert(code);
    }

    const TransferCheck& m_check;
    Database& m_db;
    const BackupLayouts& m_layouts;
    const WorkProgress& m_progress;
    TransferApplied m_applied;
    QSet<QByteArray> m_touched;
    SplitLine m_split;
    std::vector<std::pair<int, QByteArrayView>> m_values;
    std::deque<QByteArray> m_converted;  // stays put while views point into it
    std::array<std::unique_ptr<RowWriter>, TableCatalogue::kLastDataSlot + 1> m_writers;
};

}  // namespace

TransferApplied applyTransfer(QByteArrayView utf8, const TransferCheck& check, Database& db, const BackupLayouts& layouts,
                              const WorkProgress& progress) {
    return Applier(check, db, layouts, progress).run(utf8);
}

}  // namespace vn
