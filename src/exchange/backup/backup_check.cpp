#include "exchange/backup/backup_check.h"

#include "exchange/backup/backup_reader.h"
#include "exchange/codec/file_lines.h"
#include "store/catalogue/table_catalogue.h"
#include "store/text/windows1252.h"

namespace vn {

namespace {

constexpr qint64 kProgressEvery = 1024;

class Checker {
public:
    Checker(QByteArrayView bytes, const BackupLayouts& layouts, FileEncoding encoding, const WorkProgress& progress)
        : m_bytes(bytes), m_layouts(layouts), m_progress(progress), m_total(countLines(bytes)) {
        m_check.encoding = encoding;
    }

    BackupCheck run() {
        BackupReader reader(m_bytes, m_layouts);
        QByteArrayView header;
        if (!reader.header(header)) return refused(reader);
        see(header);
        m_check.header = parseBackupHeader(decodeFileText(header, m_check.encoding));
        if (m_check.header.version.isEmpty())
            m_check.refusal = QStringLiteral("line 1: this is not the first line of a Varnedo data backup (it names no program version)");
        int slot = 0;
        QByteArrayView title;
        QString problem;
        while (reader.nextTable(slot, title, problem)) {
            see(title);
            if (!problem.isEmpty()) bad(reader.line(), slot, problem, title);
        }
        m_check.tableSlots = reader.tableSlots();
        for (QByteArrayView t : reader.titles()) m_check.titles << decodeFileText(t, m_check.encoding);
        BackupRecord record;
        while (reader.nextRecord(record)) {
            if (record.problem.isEmpty()) record.problem = valueProblem(record);
            if (record.problem.isEmpty()) ++m_check.records;
            else bad(record.line, record.slot, record.problem, record.text);
            if (++m_seen % kProgressEvery == 0 && !m_progress.advance(record.line, m_total)) {
                m_check.cancelled = true;
                return m_check;
            }
        }
        if (!reader.refusal().isEmpty()) return refused(reader);
        m_check.lines = reader.line();
        return m_check;
    }

    FileEncoding guessed() const { return m_guess.verdict(); }

private:
    BackupCheck refused(const BackupReader& reader) {
        m_check.refusal = reader.refusal();
        return m_check;
    }

    void see(QByteArrayView text) { m_guess.see(text); }

    void bad(qint64 line, int slot, const QString& reason, QByteArrayView text) {
        m_check.badLines << BadLine{line, slot, reason, decodeFileText(text, m_check.encoding)};
        m_check.badLineNumbers.insert(line);
    }

    // A text of the file: valid in its encoding and within the characters the field holds.
    QString textProblem(QByteArrayView text, const FieldDef& field, int number, qsizetype extra = 0) {
        see(text);
        if (m_check.encoding == FileEncoding::Utf8 && !isValidUtf8(text))
            return QStringLiteral("field %1 is not valid UTF-8 text").arg(number);
        if (field.memo || field.size <= 0) return {};
        const qsizetype length = fileTextLength(text, m_check.encoding) + extra;
        if (length <= field.size) return {};
        return QStringLiteral("field %1 (%2) holds %3 characters; it takes at most %4").arg(number).arg(field.name).arg(length).arg(field.size);
    }

    QString valueProblem(const BackupRecord& record) {
        const TableDef& layout = *m_layouts.layout(record.slot);
        QString problem = textProblem(record.record.key, layout.fields[0], 0);
        for (const auto& [field, value] : record.record.values)
            if (problem.isEmpty()) problem = textProblem(value, layout.fields[field], field);
        std::size_t next = 0;
        for (const auto& [field, lines] : record.record.memos) {
            qsizetype length = 0;
            QString lineProblem;
            for (int i = 0; i < lines; ++i) {
                const QByteArrayView line = record.memoLines[next++];
                see(line);
                if (lineProblem.isEmpty() && m_check.encoding == FileEncoding::Utf8 && !isValidUtf8(line))
                    lineProblem = QStringLiteral("field %1 is not valid UTF-8 text").arg(field);
                // A sized field that cannot hold CR LF between the lines gets LF (applyBackup).
                length += fileTextLength(line, m_check.encoding) + (i > 0 ? 1 : 0);
            }
            const FieldDef& def = layout.fields[field];
            if (problem.isEmpty()) problem = lineProblem;
            if (problem.isEmpty() && !def.memo && def.size > 0 && length > def.size)
                problem = QStringLiteral("field %1 (%2) holds %3 characters; it takes at most %4").arg(field).arg(def.name).arg(length).arg(def.size);
        }
        return problem;
    }

    QByteArrayView m_bytes;
    const BackupLayouts& m_layouts;
    const WorkProgress& m_progress;
    qint64 m_total;
    qint64 m_seen = 0;
    BackupCheck m_check;
    EncodingGuess m_guess;
};

}  // namespace

BackupCheck checkBackup(QByteArrayView bytes, const BackupLayouts& layouts, const WorkProgress& progress) {
    if (bytes.startsWith(QByteArrayView(kUtf8Bom))) return Checker(bytes, layouts, FileEncoding::Utf8, progress).run();
    Checker asWindows1252(bytes, layouts, FileEncoding::Windows1252, progress);
    BackupCheck check = asWindows1252.run();
    if (check.cancelled || !check.refusal.isEmpty() || asWindows1252.guessed() != FileEncoding::Utf8) return check;
    // Every text was UTF-8: read as such, with its character counts.
    return Checker(bytes, layouts, FileEncoding::Utf8, progress).run();
}

}  // namespace vn
