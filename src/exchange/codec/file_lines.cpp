#include "exchange/codec/file_lines.h"

#include <cstring>

namespace vn {

bool FileLines::next(QByteArrayView& line) {
    if (m_pos >= m_bytes.size()) return false;
    const char* start = m_bytes.data() + m_pos;
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', std::size_t(m_bytes.size() - m_pos)));
    qsizetype length = lf ? lf - start : m_bytes.size() - m_pos;
    m_unterminated = lf == nullptr;
    m_pos += length + (lf ? 1 : 0);
    if (lf && length > 0 && start[length - 1] == '\r') --length;
    line = QByteArrayView(start, length);
    ++m_number;
    return true;
}

qint64 countLines(QByteArrayView bytes) {
    qint64 lines = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        ++lines;
        if (!lf) break;
        p = lf + 1;
    }
    return lines;
}

}  // namespace vn
