#include "store/text/remove_char.h"

namespace vn {

QString RemoveChar(const QString& text, QChar character) {
    QString out = text;
    out.remove(character);
    return out;
}

}  // namespace vn
