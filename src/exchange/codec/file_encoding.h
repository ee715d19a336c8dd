#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vn {

// How the texts of an exchanged file are stored. Windows-1252 keeps one byte a character, as
// older installations read and write; UTF-8, marked by a byte-order mark, holds any text.
enum class FileEncoding { Windows1252, Utf8 };

inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// The texts of a file being written, first in Windows-1252. The file must be written again in
// UTF-8 when a text has no Windows-1252 form (encode() says so at once) or when the finished
// file would read back as UTF-8 (readsBackAsWritten() says so at the end).
class TextEncoder {
public:
    explicit TextEncoder(FileEncoding encoding) : m_encoding(encoding) {}

    FileEncoding encoding() const { return m_encoding; }
    // Appends UTF-8 text in the file's encoding; false when Windows-1252 cannot hold it.
    bool encode(QByteArrayView utf8, QByteArray& out);
    bool encode(const QString& text, QByteArray& out) { return encode(QByteArrayView(text.toUtf8()), out); }
    // The text in the file's encoding: itself when its bytes stay as they are, else converted
    // into scratch. False when Windows-1252 cannot hold it.
    bool inFile(QByteArrayView utf8, QByteArray& scratch, QByteArrayView& bytes);
    // A reader takes a file whose texts are all valid UTF-8 for UTF-8.
    bool readsBackAsWritten() const { return m_encoding == FileEncoding::Utf8 || !(m_nonAscii && m_allUtf8); }

private:
    FileEncoding m_encoding;
    bool m_nonAscii = false;
    bool m_allUtf8 = true;
};

// Reading: the texts of a file without a byte-order mark are UTF-8 when every one of them is
// valid UTF-8, else Windows-1252. Collects that verdict text by text.
class EncodingGuess {
public:
    void see(QByteArrayView text);
    FileEncoding verdict() const { return m_nonAscii && m_allUtf8 ? FileEncoding::Utf8 : FileEncoding::Windows1252; }

private:
    bool m_nonAscii = false;
    bool m_allUtf8 = true;
};

// A text of the file as the program holds it.
QString decodeFileText(QByteArrayView bytes, FileEncoding encoding);
// Appends a text of the file as UTF-8.
void appendFileTextUtf8(QByteArrayView bytes, FileEncoding encoding, QByteArray& out);
// The number of characters a text of the file holds.
qsizetype fileTextLength(QByteArrayView bytes, FileEncoding encoding);

}  // namespace vn
