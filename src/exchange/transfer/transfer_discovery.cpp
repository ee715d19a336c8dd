#include "exchange/transfer/transfer_discovery.h"

#include "exchange/transfer/transfer_header.h"
#include "exchange/transfer/transfer_offices.h"
#include "store/files/text_file.h"

#include <QDir>
#include <QFile>

namespace vn {

namespace {

constexpr qsizetype kNameLength = 11;
constexpr int kHeaderLines = 3;

// The first three lines of a file, without their line ends; fewer when it has fewer.
QStringList headerLines(const QString& path) {
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly)) return lines;
    while (lines.size() < kHeaderLines && !file.atEnd()) {
        QByteArray line = file.readLine(kLongestTransferLine);
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        lines << decodeText(line);
    }
    return lines;
}

}  // namespace

bool isTransferFileName(const QString& fileName, TransferKind kind) {
    const TransferFormat& format = transferFormat(kind);
    return fileName.size() == kNameLength && fileName.mid(kOfficeCodeLength, 4).compare(QLatin1String(format.word), Qt::CaseInsensitive) == 0 &&
           fileName.endsWith(QLatin1String(format.extension), Qt::CaseInsensitive);
}

QList<OfferedFile> findReceivedFiles(RecordAccess& access, const QString& exchangeFolder, TransferKind kind,
                                     const QString& ownCode) {
    const QDir folder(exchangeFolder);
    QList<OfferedFile> offered;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (!isTransferFileName(name, kind)) continue;
        const QString path = folder.filePath(name);
        QStringList lines = headerLines(path);
        while (lines.size() < kHeaderLines) lines << QString();
        const TransferHeader header = parseTransferHeader(kind, lines[0], lines[1], lines[2]);
        if (!isAddressedTo(header, ownCode)) continue;
        offered << OfferedFile{path, name, name + senderText(access, name)};
    }
    return offered;
}

}  // namespace vn
