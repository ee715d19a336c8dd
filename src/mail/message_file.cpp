#include "mail/message_file.h"

#include "platform/text_lines.h"
#include "platform/whole_file.h"
#include "store/files/text_file.h"

#include <QFile>

namespace vn {

namespace {
constexpr qint64 kLargestMessage = 1024 * 1024;
}

MessageFileText loadMessageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString())};
    if (file.size() > kLargestMessage)
        return {{}, QStringLiteral("The file %1 is larger than 1 MB; a message text must be smaller.").arg(path)};
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) return {{}, QStringLiteral("The file %1 does not hold text.").arg(path)};
    return {decodeText(bytes), {}};
}

QString saveMessageFile(const QString& path, const QString& text) {
    return writeWholeFile(path, splitLines(text).join(QLatin1String("\r\n")).toUtf8());
}

}  // namespace vn
