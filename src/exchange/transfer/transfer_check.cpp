#include "exchange/transfer/transfer_check.h"

#include "exchange/backup/backup_reader.h"
#include "exchange/codec/file_lines.h"
#include "exchange/transfer/transfer_line.h"
#include "store/catalogue/slots.h"
#include "store/catalogue/table_catalogue.h"
#include "store/text/windows1252.h"

#include <QDir>

namespace vn {

namespace {

constexpr qint64 kProgressEvery = 1024;
constexpr qsizetype kShownCharacters = 200;

class Checker {
public:
    Checker(QByteArrayView utf8, TransferKind kind, const BackupLayouts& layouts, const QString& fileName, const WorkProgress& progress)
        : m_lines(utf8), m_size(utf8.size()), m_format(transferFormat(kind)), m_layouts(layouts),
          m_file(QDir::toNativeSeparators(fileName)), m_progress(progress) {}

    TransferCheck run(const QSet<QByteArray>& listsHere) {
        m_check.kind = m_format.kind;
        m_check.listsHere = listsHere;
        if (!readHeader()) return m_check;
        for (const QString& code : m_check.header.listCodes) m_declared.insert(foldedListCode(code.toUtf8()));
        QByteArrayView line;
        while (m_lines.next(line)) {
            if (!checkLine(line)) return m_check;
            if (m_lines.number() % kProgressEvery == 0 && !m_progress.advance(m_lines.position(), m_size)) {
                m_check.cancelled = true;
                return m_check;
            }
        }
        return m_check;
    }

private:
    // An empty file is refused at its first line.
    QString where() const { return QStringLiteral("%1, line %2").arg(m_file).arg(std::max<qint64>(m_lines.number(), 1)); }

    bool refuse(const QString& reason) {
        m_check.refusal = where() + QStringLiteral(": ") + reason;
        return false;
    }

    // A line end after every line, and no line too long to be a record.
    bool wholeLine(QByteArrayView line) {
        if (line.size() > kLongestTransferLine)
            return refuse(QStringLiteral("the line holds %1 bytes; a line of this file holds at most %2")
                              .arg(line.size())
                              .arg(kLongestTransferLine));
        if (m_lines.unterminated() && !line.isEmpty()) return refuse(QStringLiteral("the line has no line end: the file was cut short"));
        return true;
    }

    bool readHeader() {
        QString texts[3];
        for (QString& text : texts) {
            QByteArrayView line;
            if (!m_lines.next(line)) {
                if (m_lines.number() == 0) return refuse(QStringLiteral("the file is empty"));
                break;
            }
            if (!wholeLine(line)) return false;
            text = QString::fromUtf8(line);
        }
        m_check.header = parseTransferHeader(m_format.kind, texts[0], texts[1], texts[2]);
        if (m_check.header.badLine == 0) return true;
        m_check.refusal = QStringLiteral("%1, line %2: %3; this is not a Varnedo exchange file of this kind")
                              .arg(m_file)
                              .arg(m_check.header.badLine)
                              .arg(m_check.header.problem);
        return false;
    }

    bool checkLine(QByteArrayView line) {
        if (!wholeLine(line)) return false;
        if (line.isEmpty()) return true;
        splitRecordLine(line, m_split);
        const int slot = tableNumber(m_split.table);
        if (!m_format.tableSlots.contains(slot)) {
            m_check.refusal = QStringLiteral("%1\r\r%2: table \"%3\" is not one this file carries")
                                  .arg(QString::fromLatin1(m_format.tableError), where(), shown(m_split.table));
            return false;
        }
        return checkRecord(slot, line);
    }

    bool checkRecord(int slot, QByteArrayView line) {
        const int expected = m_layouts.fieldCount(slot);
        const qsizetype values = qsizetype(m_split.fields.size()) - 1;
        if (values > expected) {
            m_check.refusal = QStringLiteral("Field Count Error!  Values:\r\rExpected Field Count: %1\r\rData File Number: %2\r\r"
                                             "String Contents: %3\r\r%4: %5 values after the key; table %2 takes at most %1")
                                  .arg(expected)
                                  .arg(slot)
                                  .arg(shown(line), where())
                                  .arg(values);
            return false;
        }
        const QByteArrayView key = m_split.fields.empty() ? QByteArrayView() : m_split.fields[0];
        if (key.isEmpty()) return refuse(QStringLiteral("the record of table %1 has no key").arg(tableName(slot)));
        const int keySize = m_layouts.layout(slot)->fields[0].size;
        if (utf8CharacterCount(key) > keySize)
            return refuse(QStringLiteral("the key \"%1\" is longer than the %2 characters a key of table %3 holds")
                              .arg(shown(key))
                              .arg(keySize)
                              .arg(tableName(slot)));
        const QByteArray code = foldedListCode(key);
        if (!m_declared.contains(code))
            return refuse(QStringLiteral("the key \"%1\" belongs to the list \"%2\", which line 3 does not name")
                              .arg(shown(key), QString::fromUtf8(code)));
        ++m_check.records;
        const bool here = m_check.listsHere.contains(code);
        if (m_format.kind == TransferKind::Data && !here) {
            ++m_check.skippedLines;
            --m_check.records;
            note(m_check.unknownLists, code);
        } else if (slot == kListSlot && here) {
            note(m_check.presentLists, code);
        }
        return true;
    }

    static void note(QStringList& codes, const QByteArray& code) {
        const QString text = QString::fromUtf8(code);
        if (!codes.contains(text)) codes << text;
    }

    static QString tableName(int slot) { return QStringLiteral("%1 (%2)").arg(slot).arg(TableCatalogue::shortName(slot)); }

    static QString shown(QByteArrayView text) {
        const QString all = QString::fromUtf8(text.first(std::min<qsizetype>(text.size(), kShownCharacters * 4)));
        return all.size() > kShownCharacters ? all.left(kShownCharacters) + QStringLiteral("...") : all;
    }

    FileLines m_lines;
    qsizetype m_size;
    const TransferFormat& m_format;
    const BackupLayouts& m_layouts;
    QString m_file;
    const WorkProgress& m_progress;
    TransferCheck m_check;
    QSet<QByteArray> m_declared;
    SplitLine m_split;
};

}  // namespace

TransferCheck checkTransfer(QByteArrayView utf8, TransferKind kind, const BackupLayouts& layouts, const QSet<QByteArray>& listsHere,
                            const QString& fileName, const WorkProgress& progress) {
    return Checker(utf8, kind, layouts, fileName, progress).run(listsHere);
}

}  // namespace vn
