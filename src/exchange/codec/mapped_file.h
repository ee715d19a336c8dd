#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

namespace vn {

// A file's bytes for reading through, mapped into memory where the system allows it.
class MappedFile {
public:
    // False with the system's reason when the file cannot be read.
    bool open(const QString& path, QString& error);
    QByteArrayView bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_copy;
    QByteArrayView m_bytes;
};

}  // namespace vn
