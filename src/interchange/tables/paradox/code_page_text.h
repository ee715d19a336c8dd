#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace vn {

// Text of an outside table in the code page its header names (437, 850, 1252, ...), turned into
// Unicode. A code page the system does not know is read as Windows-1252.
class CodePageText {
public:
    explicit CodePageText(int codePage);
    ~CodePageText();
    CodePageText(const CodePageText&) = delete;
    CodePageText& operator=(const CodePageText&) = delete;

    // The bytes up to the first NUL.
    QString decode(QByteArrayView bytes) const;

private:
    struct Converter;
    std::unique_ptr<Converter> converter_;
};

}  // namespace vn
