#include "interchange/tables/paradox/code_page_text.h"

#include "store/text/windows1252.h"

#include <iconv.h>

namespace vn {

struct CodePageText::Converter {
    iconv_t handle = iconv_t(-1);
};

CodePageText::CodePageText(int codePage) : converter_(std::make_unique<Converter>()) {
    // A table that names no code page was written by the DOS programs.
    const QByteArray name = "CP" + QByteArray::number(codePage == 0 ? 437 : codePage);
    converter_->handle = iconv_open("UTF-16LE", name.constData());
}

CodePageText::~CodePageText() {
    if (converter_->handle != iconv_t(-1)) iconv_close(converter_->handle);
}

QString CodePageText::decode(QByteArrayView bytes) const {
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0) bytes = bytes.first(end);
    if (converter_->handle == iconv_t(-1) || bytes.isEmpty()) return windows1252::decode(bytes);
    QByteArray out(bytes.size() * 4, Qt::Uninitialized);  // a single-byte code page: one UTF-16 unit a byte
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char* outAt = out.data();
    size_t outLeft = size_t(out.size());
    iconv(converter_->handle, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter_->handle, &in, &inLeft, &outAt, &outLeft) == size_t(-1)) return windows1252::decode(bytes);
    return QString(reinterpret_cast<const QChar*>(out.constData()), (outAt - out.data()) / 2);
}

}  // namespace vn
