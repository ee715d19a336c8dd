#include "platform/spelling/dictionary_codec.h"

#include <QByteArray>

namespace vn {

namespace {

bool namesUtf8(std::string_view encoding) {
    const QByteArray name = QByteArray(encoding.data(), qsizetype(encoding.size())).trimmed().toUpper();
    return name == "UTF-8" || name == "UTF8";
}

}  // namespace

DictionaryCodec::DictionaryCodec(std::string_view encoding) : m_utf8(namesUtf8(encoding)) {}

std::optional<std::string> DictionaryCodec::encode(const QString& word) const {
    if (m_utf8) return word.toUtf8().toStdString();
    for (QChar c : word)
        if (c.unicode() > 0xFF) return std::nullopt;
    return word.toLatin1().toStdString();
}

QString DictionaryCodec::decode(const std::string& bytes) const {
    return m_utf8 ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                  : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace vn
