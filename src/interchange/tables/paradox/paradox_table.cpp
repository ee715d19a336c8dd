#include "interchange/tables/paradox/paradox_table.h"

#include "interchange/tables/paradox/paradox_layout.h"
#include "interchange/tables/paradox/paradox_values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" {
#include <paradox.h>
}

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vn {

namespace {

void ignoreLibraryMessage(pxdoc_t*, int, const char*, void*) {}

// pxlib's own PX_open_file opens the file for writing too; the table gets a stream that can only read.
class ReadOnlyDoc {
public:
    explicit ReadOnlyDoc(const QString& path)
        : file_(std::fopen(QFile::encodeName(path).constData(), "rb")),
          doc_(PX_new2(ignoreLibraryMessage, nullptr, nullptr, nullptr)) {
        open_ = file_ && doc_ && PX_open_fp(doc_, file_) >= 0;
    }
    ~ReadOnlyDoc() {
        if (open_) PX_close(doc_);
        if (doc_) PX_delete(doc_);
        if (file_) std::fclose(file_);
    }
    ReadOnlyDoc(const ReadOnlyDoc&) = delete;
    ReadOnlyDoc& operator=(const ReadOnlyDoc&) = delete;

    pxdoc_t* get() const { return open_ ? doc_ : nullptr; }

private:
    std::FILE* file_;
    pxdoc_t* doc_;
    bool open_ = false;
};


// The whole file, mapped; the map lives as long as the file object.
std::optional<QByteArrayView> mapWhole(QFile& file) {
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    if (file.size() == 0) return QByteArrayView();
    const uchar* bytes = file.map(0, file.size());
    if (!bytes) return std::nullopt;
    return QByteArrayView(reinterpret_cast<const char*>(bytes), file.size());
}

// The .MB beside a table, in whatever case its name is written.
QString memoFileBeside(const QString& path) {
    const QFileInfo table(path);
    const QString wanted = table.completeBaseName() + QStringLiteral(".mb");
    for (const QString& name : table.dir().entryList(QDir::Files))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return table.dir().filePath(name);
    return QString();
}

// Where each row starts, in block order, or in key order when the table is keyed: the key fields
// lead the row, and Paradox stores their values so that their bytes sort as the values do.
QList<qint64> rowOffsets(const ParadoxLayout& layout, QByteArrayView file) {
    QList<qint64> offsets;
    for (const ParadoxBlock& block : layout.blocks)
        for (int i = 0; i < block.rows; ++i) offsets.append(block.firstRowOffset + qint64(i) * layout.recordSize);
    int keyBytes = 0;
    for (int i = 0; i < layout.keyFields; ++i) keyBytes += layout.fields[i].size;
    if (keyBytes > 0)
        std::stable_sort(offsets.begin(), offsets.end(), [&](qint64 a, qint64 b) {
            return std::memcmp(file.data() + a, file.data() + b, size_t(keyBytes)) < 0;
        });
    return offsets;
}

bool matchesLibrary(pxdoc_t* doc, const ParadoxLayout& layout) {
    return PX_get_num_records(doc) == layout.rowCount && PX_get_num_fields(doc) == layout.fields.size() &&
           PX_get_recordsize(doc) == layout.recordSize;
}

}  // namespace

std::unique_ptr<ParadoxTable> ParadoxTable::open(const QString& path, ForeignProblem& problem) {
    const QString name = QDir::toNativeSeparators(path);
    const auto cannotRead = [&](const QString& why) {
        problem.message = QStringLiteral("The Paradox table \"%1\" cannot be read: %2.").arg(name, why);
        return nullptr;
    };
    QFile file(path);
    const auto bytes = mapWhole(file);
    if (!bytes) return cannotRead(file.errorString());
    const auto layout = checkParadoxLayout(*bytes, name, problem);
    if (!layout) return nullptr;
    const ReadOnlyDoc doc(path);
    if (!doc.get() || !matchesLibrary(doc.get(), *layout))
        return cannotRead(QStringLiteral("its header cannot be opened"));

    QFile memoFile(memoFileBeside(path));
    std::optional<MemoFile> memos;
    if (!memoFile.fileName().isEmpty()) {
        const auto memoBytes = mapWhole(memoFile);
        if (!memoBytes) return cannotRead(QStringLiteral("its memo file: ") + memoFile.errorString());
        memos.emplace(*memoBytes);
    }
    const CodePageText text(layout->codePage);
    const ParadoxValueReader reader(doc.get(), text, memos ? &*memos : nullptr);

    std::unique_ptr<ParadoxTable> table(new ParadoxTable);
    for (const ParadoxField& field : layout->fields) table->columns_.append({text.decode(field.name), foreignTypeOf(field)});
    for (const qint64 offset : rowOffsets(*layout, *bytes)) {
        QStringList values;
        qint64 at = offset;
        for (const ParadoxField& field : layout->fields) {
            QString why;
            const auto value = reader.text(field, bytes->sliced(at, field.size), why);
            if (!value)
                return cannotRead(QStringLiteral("row %1 (at byte %2), field \"%3\": %4")
                                      .arg(table->rows_.size() + 1)
                                      .arg(offset)
                                      .arg(text.decode(field.name), why));
            values.append(*value);
            at += field.size;
        }
        table->rows_.append(values);
    }
    return table;
}

bool ParadoxTable::nextRow(QStringList& values, ForeignProblem&) {
    if (next_ >= rows_.size()) return false;
    values = rows_[next_++];
    return true;
}

}  // namespace vn
