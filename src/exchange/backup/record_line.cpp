#include "exchange/backup/record_line.h"

namespace vn {

namespace {

constexpr unsigned char kMarker = 255;
constexpr int kOffset = 32;

char codeOf(int value) { return char(value + kOffset); }

bool hasLineBreak(QByteArrayView value) { return value.contains('\r') || value.contains('\n'); }

}  // namespace

std::vector<QByteArrayView> memoLines(QByteArrayView text) {
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(text.sliced(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.sliced(start));
    return lines;
}

void RecordLineEncoder::begin(QByteArray& out, int slot, QByteArrayView key) {
    if (key.size() > kLongestShortValue)
        throw UnwritableValue(0, QStringLiteral("the key is %1 bytes long; a key can have at most %2").arg(key.size()).arg(kLongestShortValue));
    m_out = &out;
    m_memos.clear();
    m_last = 0;
    out += codeOf(slot);
    out += codeOf(int(key.size()));
    out += key;
}

void RecordLineEncoder::add(int field, QByteArrayView value, bool memoBlock) {
    if (memoBlock || value.size() > kLongestShortValue || hasLineBreak(value)) {
        if (field > kLastMemoField)
            throw UnwritableValue(field, QStringLiteral("a memo block can name fields up to %1 only").arg(kLastMemoField));
        const std::size_t lines = memoLines(value).size();
        if (lines > std::size_t(kMostMemoLines))
            throw UnwritableValue(field, QStringLiteral("the text has %1 lines; a memo block holds at most %2").arg(lines).arg(kMostMemoLines));
        m_memos.emplace_back(field, value.toByteArray());
        return;
    }
    QByteArray& out = *m_out;
    if (field != m_last + 1) {
        if (field <= kLastNamedField) {
            out += char(kMarker);
            out += codeOf(field);
        } else {
            out.append(field - m_last - 1, codeOf(0));  // empty fields up to the one before
        }
    }
    out += codeOf(int(value.size()));
    out += value;
    m_last = field;
}

void RecordLineEncoder::finish() {
    QByteArray& out = *m_out;
    for (const auto& [field, text] : m_memos) {
        out += char(kMarker);
        out += char(kMarker);
        out += codeOf(field);
        out += codeOf(int(memoLines(text).size()));
    }
    out += "\r\n";
    for (const auto& memo : m_memos)
        for (QByteArrayView line : memoLines(memo.second)) {
            out += line;
            out += "\r\n";
        }
}

namespace {

// Reads the bytes of a line one structure byte or value at a time.
struct LineReader {
    QByteArrayView line;
    qsizetype pos = 1;

    bool atEnd() const { return pos >= line.size(); }
    int code() { return static_cast<unsigned char>(line[pos++]); }
    // A length byte and the value after it.
    QString value(QByteArrayView& out) {
        if (atEnd()) return QStringLiteral("the line ends before a length");
        const int length = code() - kOffset;
        if (length < 0) return QStringLiteral("a length byte is below 32");
        if (length > line.size() - pos) return QStringLiteral("a length runs past the end of the line");
        out = line.sliced(pos, length);
        pos += length;
        return {};
    }
};

}  // namespace

QString decodeRecordLine(QByteArrayView line, int fieldCount, RecordLine& out) {
    out = {};
    LineReader in{line};
    if (in.atEnd() || static_cast<unsigned char>(line[1]) == kMarker) return QStringLiteral("the line does not begin with its key");
    if (QString problem = in.value(out.key); !problem.isEmpty()) return problem;
    if (out.key.isEmpty()) return QStringLiteral("the key is empty");
    const auto fieldProblem = [fieldCount](int field) {
        return QStringLiteral("field %1 is not one of the fields 1 to %2").arg(field).arg(fieldCount - 1);
    };
    int field = 0;
    while (!in.atEnd()) {
        if (static_cast<unsigned char>(line[in.pos]) != kMarker) {
            ++field;
            QByteArrayView value;
            if (QString problem = in.value(value); !problem.isEmpty()) return problem;
            if (field >= fieldCount) return fieldProblem(field);
            out.values.emplace_back(field, value);
            continue;
        }
        ++in.pos;
        if (in.atEnd()) return QStringLiteral("the line ends inside a field marker");
        if (static_cast<unsigned char>(line[in.pos]) == kMarker) {
            ++in.pos;
            if (line.size() - in.pos < 2) return QStringLiteral("the line ends inside a memo marker");
            const int memoField = in.code() - kOffset;
            const int lines = in.code() - kOffset;
            if (memoField < 1 || memoField >= fieldCount) return fieldProblem(memoField);
            if (lines < 0) return QStringLiteral("the line count of field %1 is below 0").arg(memoField);
            out.memos.emplace_back(memoField, lines);
            field = memoField;
            continue;
        }
        field = in.code() - kOffset;
        if (field < 1 || field >= fieldCount) return fieldProblem(field);
        QByteArrayView value;
        if (QString problem = in.value(value); !problem.isEmpty()) return problem;
        out.values.emplace_back(field, value);
    }
    return {};
}

}  // namespace vn
