#include "exchange/codec/mapped_file.h"

namespace vn {

bool MappedFile::open(const QString& path, QString& error) {
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        error = m_file.errorString();
        return false;
    }
    const qint64 size = m_file.size();
    if (size == 0) {
        m_bytes = {};
        return true;
    }
    if (uchar* data = m_file.map(0, size)) {
        m_bytes = QByteArrayView(reinterpret_cast<const char*>(data), size);
        return true;
    }
    // Pipes and some file systems cannot be mapped.
    m_copy = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError) {
        error = m_file.errorString();
        return false;
    }
    m_bytes = m_copy;
    return true;
}

}  // namespace vn
