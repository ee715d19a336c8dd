#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSaveFile>
#include <QString>
#include <QStringList>

namespace vn {

// A character field of a new dBase table: a legal name (see dbase_field_names.h) and its width.
struct DbaseFieldLayout {
    QString name;
    int width = 0;
};

// What writing changed in the values: cut to their field's width, or holding characters
// Windows-1252 lacks, written as "?".
struct DbaseWriteCounts {
    int cutValues = 0;
    int replacedValues = 0;
};

// A new dBase III table (version 0x03, language driver 0x57 for Windows-1252, no index) of
// character fields, written beside the path and renamed over it by commit: a table not committed
// (a failure, a cancelled run) leaves whatever was at the path as it was.
class DbaseWriter {
public:
    DbaseWriter(const QString& path, QList<DbaseFieldLayout> fields, QDate lastModified = QDate::currentDate());

    // False with failure set when the fields are not a table dBase III can hold (names legal and
    // unique, widths 1 to 254) or the file cannot be created.
    [[nodiscard]] bool open(QString& failure);
    // One row, a value a field in order (missing values empty, extra ones a fault of the caller).
    void writeRow(const QStringList& values);
    // The row count in the header, the end mark, then the rename. False with failure set when a
    // write failed; the old file then stays.
    [[nodiscard]] bool commit(QString& failure);

    const DbaseWriteCounts& counts() const { return m_counts; }

private:
    QByteArray headerBytes() const;
    void write(const QByteArray& bytes);
    void appendValue(const QString& value, int width, QByteArray& record);

    QSaveFile m_file;
    QList<DbaseFieldLayout> m_fields;
    QDate m_lastModified;
    quint32 m_rows = 0;
    QByteArray m_buffer;
    bool m_failed = false;
    QString m_failure;
    DbaseWriteCounts m_counts;
};

// A whole table in one call; counts and failure as above.
[[nodiscard]] bool writeDbaseTable(const QString& path, const QList<DbaseFieldLayout>& fields, const QList<QStringList>& rows,
                                   DbaseWriteCounts& counts, QString& failure);

}  // namespace vn
