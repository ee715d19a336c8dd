#include "exchange/fcf/fcf_listing.h"

#include "exchange/codec/file_encoding.h"
#include "exchange/fcf/fcf_chunks.h"
#include "exchange/fcf/fcf_format.h"
#include "lists/definitions/list_fields.h"

#include <QDir>
#include <QFile>

namespace vn {

namespace {

constexpr int kListCode = 1;
// Any field number a file can hold: only the title is wanted here, the file is judged later.
constexpr int kAnyField = 255;

QString readTitle(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFcfFile) return {};
    const QByteArray bytes = file.readAll();
    FcfChunks chunks(bytes, {kAnyField, kAnyField, kAnyField, kAnyField});
    for (FcfRow row; chunks.next(row);) {
        if (row.tableCode != kListCode) continue;
        for (const auto& [field, value] : row.values)
            if (field == list_field::kTitle) return decodeFileText(value, FileEncoding::Utf8);
        return {};
    }
    return {};
}

}  // namespace

QList<FcfEntry> findFormControlFiles(const QString& folder, const QString& stateCode) {
    const QDir dir(folder);
    QList<FcfEntry> entries;
    const QStringList filter{QLatin1Char('*') + stateCode + QLatin1String("*.fcf")};
    for (const QString& name : dir.entryList(filter, QDir::Files, QDir::Name)) {
        if (!parseFcfName(name)) continue;
        const QString path = dir.filePath(name);
        entries << FcfEntry{name, path, readTitle(path)};
    }
    return entries;
}

}  // namespace vn
