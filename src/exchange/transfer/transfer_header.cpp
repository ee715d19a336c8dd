#include "exchange/transfer/transfer_header.h"

#include "store/text/case_conversion.h"
#include "store/text/field_split.h"

namespace vn {

namespace {

QString codeLine(const QString& label, const QStringList& codes) {
    QString line = label;
    for (const QString& code : codes) line += code + QChar('~');
    return line;
}

// The codes after the label; false when the line does not begin with it.
bool readCodeLine(const QString& line, const QString& label, QStringList& codes) {
    if (!line.startsWith(label)) return false;
    codes = SplitTildeFields(line.mid(label.size() - 1) + QChar('~')).mid(1);
    // A closing "~" the writer left out still closes the last code; "~" alone adds no code.
    while (!codes.isEmpty() && codes.last().isEmpty()) codes.removeLast();
    return true;
}

}  // namespace

QByteArray transferHeaderLines(TransferKind kind, const QString& version, const QStringList& destinations,
                               const QStringList& listCodes) {
    const TransferFormat& format = transferFormat(kind);
    const QString lines = version + QLatin1String(format.title) + QStringLiteral("\r\n") +
                          codeLine(QLatin1String(kDestinationsLabel), destinations) + QStringLiteral("\r\n") +
                          codeLine(QLatin1String(format.listLabel), listCodes) + QStringLiteral("\r\n");
    return lines.toUtf8();
}

TransferHeader parseTransferHeader(TransferKind kind, const QString& line1, const QString& line2, const QString& line3) {
    const TransferFormat& format = transferFormat(kind);
    TransferHeader header;
    header.firstLine = line1;
    header.version = line1.left(kVersionLength);
    // Each line is read even after a bad one: a file whose second line names this office is
    // offered, and its refusal then says what is wrong.
    const QString title = QLatin1String(format.title);
    const bool destinationsRead = readCodeLine(line2, QLatin1String(kDestinationsLabel), header.destinations);
    const bool listsRead = readCodeLine(line3, QLatin1String(format.listLabel), header.listCodes);
    if (!line1.endsWith(title)) {
        header.badLine = 1;
        header.problem = QStringLiteral("the first line must end with \"%1\"").arg(title.trimmed());
    } else if (!destinationsRead) {
        header.badLine = 2;
        header.problem = QStringLiteral("the second line must begin with \"%1\"").arg(QLatin1String(kDestinationsLabel));
    } else if (!listsRead) {
        header.badLine = 3;
        header.problem = QStringLiteral("the third line must begin with \"%1\"").arg(QLatin1String(format.listLabel));
    }
    return header;
}

bool isAddressedTo(const TransferHeader& header, const QString& ownCode) {
    const QString own = LowerCaseText(ownCode);
    for (const QString& code : header.destinations)
        if (LowerCaseText(code) == own) return true;
    return false;
}

}  // namespace vn
