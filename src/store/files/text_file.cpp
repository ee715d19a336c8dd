#include "store/files/text_file.h"

#include "store/engine/store_error.h"
#include "store/text/windows1252.h"

#include <QFile>

namespace vn {

QByteArray utf8Text(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (isValidUtf8(bytes)) return bytes;
    QByteArray converted;
    converted.reserve(bytes.size() + bytes.size() / 8);
    windows1252::appendUtf8(bytes, converted);
    return converted;
}

QString decodeText(const QByteArray& bytes) { return QString::fromUtf8(utf8Text(bytes)); }

QString readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return decodeText(file.readAll());
}

}  // namespace vn
