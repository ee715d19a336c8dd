#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <span>
#include <vector>

namespace vn {

// Record lines of the exchange files: the table number, then the fields from 0 on, each closed
// by "~". A value cannot hold "~"; its line breaks travel as "^^".

// Appends the value with CR LF, CR and LF each written as "^^".
void appendLineValue(QByteArrayView value, QByteArray& out);

// Appends the value with every "^^" turned back into the line break given (a literal "^^" too:
// other offices write line breaks that way).
void appendDecodedValue(QByteArrayView value, QByteArrayView lineBreak, QByteArray& out);
bool holdsLineBreakMark(QByteArrayView value);

// Appends "slot~f0~f1~...~" and CR LF. When a field holds "~" nothing is appended and its
// index comes back; -1 when the line was written.
int appendRecordLine(int slot, std::span<const QByteArrayView> fields, QByteArray& out);

// A record line taken apart: the table number's text and the fields after it. The closing "~"
// of the last field may be missing.
struct SplitLine {
    QByteArrayView table;
    std::vector<QByteArrayView> fields;  // field 0, the key, first
};
void splitRecordLine(QByteArrayView line, SplitLine& out);

// The table number of a record line: decimal digits only; -1 for anything else.
int tableNumber(QByteArrayView text);

}  // namespace vn
