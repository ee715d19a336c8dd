#include "store/files/text_file.h"

#include "store/engine/store_error.h"
#include "store/text/windows1252.h"

#include <QFile>
#include <QStringDecoder>

namespace vn {

QString decodeText(const QByteArray& bytes) {
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(data);
    return utf8.hasError() ? windows1252::decode(data) : text;
}

QString readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return decodeText(file.readAll());
}

}  // namespace vn
