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
    if (m_file.open(QIODevice::WriteOnly)) return true;
    failure = fileFailure(m_file);
    return false;
}

void SavedFileSink::append(QByteArrayView bytes) {
    m_buffer.append(bytes);
    if (m_buffer.size() >= kFlushSize) flush();
}

// A short write is remembered by QSaveFile, which then refuses to commit.
void SavedFileSink::flush() {
    if (m_buffer.isEmpty()) return;
    m_file.write(m_buffer);
    m_buffer.clear();
}

bool SavedFileSink::commit(QString& failure) {
    flush();
    if (m_file.commit()) return true;
    failure = fileFailure(m_file);
    return false;
}

}  // namespace vn
