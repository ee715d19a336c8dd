#pragma once

#include "interchange/export/export_sink.h"

#include <QByteArray>
#include <QSaveFile>

namespace vn {

// A sink writing bytes through QSaveFile: the file is written beside the old one and renamed over
// it by commit, so a write error (a full disk) or a run not committed keeps the old file.
class SavedFileSink : public ExportSink {
public:
    explicit SavedFileSink(const QString& path);
    bool open(QString& failure) override;
    bool commit(QString& failure) override;

protected:
    void append(QByteArrayView bytes);

private:
    void flush();

    QSaveFile m_file;
    QByteArray m_buffer;
    bool m_writeFailed = false;
    QString m_failure;
};

}  // namespace vn
