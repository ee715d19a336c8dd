#include "interchange/export/saved_file_sink.h"

namespace vn {

namespace {

constexpr qsizetype kFlushSize = 1 << 20;

QString fileFailure(const QSaveFile& file) {
    return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
}

}  // namespace

SavedFileSink::SavedFileSink(const QString& path) : m_file(path) {}

bool SavedFileSink::open(QString& failure) {
    // Unbuffered, and each block's write checked: Qt's buffer lets a short write pass unnoticed.
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return true;
    failure = fileFailure(m_file);
    return false;
}

void SavedFileSink::append(QByteArrayView bytes) {
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushSize) flush();
}

void SavedFileSink::flush() {
    if (m_buffer.isEmpty() || m_writeFailed) return;
    if (m_file.write(m_buffer) != m_buffer.size()) {
        m_writeFailed = true;
        m_failure = fileFailure(m_file);
        m_file.cancelWriting();  // commit then keeps the old file
    }
    m_buffer.clear();
}

bool SavedFileSink::commit(QString& failure) {
    flush();
    if (!m_writeFailed && m_file.commit()) return true;
    failure = m_writeFailed ? m_failure : fileFailure(m_file);
    return false;
}

}  // namespace vn
