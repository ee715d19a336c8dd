#include "exchange/codec/file_encoding.h"

#include "store/text/windows1252.h"

namespace vn {

bool TextEncoder::encode(QByteArrayView utf8, QByteArray& out) {
    if (m_encoding == FileEncoding::Utf8) {
        out.append(utf8);
        return true;
    }
    const qsizetype start = out.size();
    if (!windows1252::appendFromUtf8(utf8, out)) return false;
    const QByteArrayView written(out.constData() + start, out.size() - start);
    if (!isAscii(written)) {
        m_nonAscii = true;
        if (m_allUtf8 && !isValidUtf8(written)) m_allUtf8 = false;
    }
    return true;
}

bool TextEncoder::inFile(QByteArrayView utf8, QByteArray& scratch, QByteArrayView& bytes) {
    if (m_encoding == FileEncoding::Utf8 || isAscii(utf8)) {
        bytes = utf8;
        return true;
    }
    scratch.clear();
    if (!encode(utf8, scratch)) return false;
    bytes = scratch;
    return true;
}

void EncodingGuess::see(QByteArrayView text) {
    if (isAscii(text)) return;
    m_nonAscii = true;
    if (m_allUtf8 && !isValidUtf8(text)) m_allUtf8 = false;
}

QString decodeFileText(QByteArrayView bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8 && isValidUtf8(bytes)) return QString::fromUtf8(bytes);
    return windows1252::decode(bytes);
}

void appendFileTextUtf8(QByteArrayView bytes, FileEncoding encoding, QByteArray& out) {
    if (encoding == FileEncoding::Utf8) out.append(bytes);
    else windows1252::appendUtf8(bytes, out);
}

qsizetype fileTextLength(QByteArrayView bytes, FileEncoding encoding) {
    return encoding == FileEncoding::Utf8 ? utf8CharacterCount(bytes) : bytes.size();
}

}  // namespace vn
