#include "exchange/transfer/transfer_line.h"

#include <cstring>

namespace vn {

namespace {

constexpr char kSeparator = '~';
constexpr char kBreakMark[] = "^^";
}  // namespace

void appendLineValue(QByteArrayView value, QByteArray& out) {
    const char* p = value.data();
    const char* end = p + value.size();
    while (p < end) {
        const char* run = p;
        while (p < end && *p != '\r' && *p != '\n') ++p;
        out.append(run, p - run);
        if (p == end) break;
        out += kBreakMark;
        // CR LF is one line break.
        p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    }
}

bool holdsLineBreakMark(QByteArrayView value) { return value.indexOf(QByteArrayView(kBreakMark)) >= 0; }

void appendDecodedValue(QByteArrayView value, QByteArrayView lineBreak, QByteArray& out) {
    qsizetype from = 0;
    for (qsizetype at = value.indexOf(QByteArrayView(kBreakMark)); at >= 0; at = value.indexOf(QByteArrayView(kBreakMark), from)) {
        out.append(value.sliced(from, at - from));
        out.append(lineBreak);
        from = at + 2;
    }
    out.append(value.sliced(from));
}

int appendRecordLine(int slot, std::span<const QByteArrayView> fields, QByteArray& out) {
    const qsizetype start = out.size();
    out += QByteArray::number(slot);
    out += kSeparator;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QByteArrayView field = fields[i];
        bool lineBreak = false;
        for (char c : field) {
            if (c == kSeparator) {
                out.truncate(start);
                return int(i);
            }
            lineBreak = lineBreak || c == '\r' || c == '\n';
        }
        if (lineBreak) appendLineValue(field, out);
        else out.append(field);
        out += kSeparator;
    }
    out += "\r\n";
    return -1;
}

void splitRecordLine(QByteArrayView line, SplitLine& out) {
    out.fields.clear();
    const char* p = line.data();
    const char* end = p + line.size();
    bool first = true;
    while (p < end) {
        const auto* tilde = static_cast<const char*>(std::memchr(p, kSeparator, std::size_t(end - p)));
        const char* stop = tilde ? tilde : end;
        const QByteArrayView field(p, stop - p);
        if (first) out.table = field;
        else out.fields.push_back(field);
        first = false;
        p = tilde ? tilde + 1 : end;
    }
    if (first) out.table = {};
}

int tableNumber(QByteArrayView text) {
    // Three digits are more than any table number needs.
    if (text.isEmpty() || text.size() > 3) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace vn
