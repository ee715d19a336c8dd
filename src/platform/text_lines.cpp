#include "platform/text_lines.h"

#include <QRegularExpression>

namespace vn {

QStringList splitLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

}  // namespace vn
