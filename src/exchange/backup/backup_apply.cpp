#include "exchange/backup/backup_apply.h"

#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_reader.h"
#include "exchange/codec/file_lines.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/row_stream.h"
#include "store/text/windows1252.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>

namespace vn {

namespace {

constexpr qint64 kProgressEvery = 1024;

// One record's fields for its table's writer, as views into the file or into converted texts.
class RecordValues {
public:
    void reset(int fieldCount) {
        m_entries.clear();
        m_converted.clear();
        m_index.assign(std::size_t(fieldCount), -1);
    }

    // A text of the file as UTF-8: the file's own bytes where they are already.
    QByteArrayView utf8(QByteArrayView text, FileEncoding encoding) {
        if (encoding == FileEncoding::Utf8 || isAscii(text)) return text;
        QByteArray& out = m_converted.emplace_back();
        windows1252::appendUtf8(text, out);
        return out;
    }

    // The lines with CR LF between them; LF in a sized field too short for CR LF (as the list
    // description, whose editor keeps LF).
    QByteArrayView joined(const std::vector<QByteArrayView>& lines, std::size_t from, int count, FileEncoding encoding,
                          const FieldDef& field) {
        QByteArray& out = m_converted.emplace_back();
        for (const char* separator : {"\r\n", "\n"}) {
            out.clear();
            for (int i = 0; i < count; ++i) {
                if (i > 0) out += separator;
                out += utf8(lines[from + std::size_t(i)], encoding);
            }
            if (field.memo || field.size <= 0 || utf8CharacterCount(out) <= field.size) break;
        }
        return out;
    }

    // A later value of the same field replaces the earlier; an empty one carries nothing.
    void set(int field, QByteArrayView value) {
        if (value.isEmpty()) return;
        int& at = m_index[std::size_t(field)];
        if (at >= 0) {
            m_entries[std::size_t(at)].second = value;
            return;
        }
        at = int(m_entries.size());
        m_entries.emplace_back(field, value);
    }

    RowWriter::Values sorted() {
        std::sort(m_entries.begin(), m_entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return m_entries;
    }

private:
    std::vector<std::pair<int, QByteArrayView>> m_entries;
    std::vector<int> m_index;
    std::deque<QByteArray> m_converted;  // stays put while views point into it
};

}  // namespace

bool applyBackup(QByteArrayView bytes, const BackupCheck& check, Database& db, const BackupLayouts& layouts,
                 const WorkProgress& progress) {
    BackupReader reader(bytes, layouts);
    QByteArrayView line;
    reader.header(line);
    int slot = 0;
    QString problem;
    while (reader.nextTable(slot, line, problem)) {
    }
    std::array<std::unique_ptr<RowWriter>, TableCatalogue::kLastDataSlot + 1> writers;
    RecordValues values;
    BackupRecord record;
    int shown = 0;
    qint64 seen = 0;
    while (reader.nextRecord(record)) {
        if (++seen % kProgressEvery == 0 && !progress.advance(record.line, check.lines)) return false;
        if (check.badLineNumbers.contains(record.line)) continue;
        if (record.slot != shown) {
            shown = record.slot;
            progress.show(TableCatalogue::description(shown));
        }
        auto& writer = writers[std::size_t(record.slot)];
        if (!writer) writer = std::make_unique<RowWriter>(db, TableCatalogue::tableName(record.slot));
        values.reset(layouts.fieldCount(record.slot));
        const QByteArrayView key = values.utf8(record.record.key, check.encoding);
        for (const auto& [field, value] : record.record.values) values.set(field, values.utf8(value, check.encoding));
        std::size_t next = 0;
        const TableDef& layout = *layouts.layout(record.slot);
        for (const auto& [field, count] : record.record.memos) {
            values.set(field, values.joined(record.memoLines, next, count, check.encoding, layout.fields[field]));
            next += std::size_t(count);
        }
        writer->write(key, values.sorted());
    }
    return progress.advance(check.lines, check.lines);  // a Cancel at the very end still restores nothing
}

}  // namespace vn
