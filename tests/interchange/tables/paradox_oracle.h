#pragma once

// Reads a Paradox table back with pxlib, as another program would: its header, its rows with the
// data block each lies in, and a key looked up by descending its primary index.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstring>

extern "C" {
#include <paradox.h>
}

namespace vn::test {

struct ParadoxTable {
    bool opened = false;
    int codePage = 0;
    int primaryKeyFields = 0;
    QStringList fieldNames;        // as stored (Windows-1252 bytes as Latin-1)
    QList<int> fieldSizes;
    QList<QList<QByteArray>> rows; // file order; values without their padding
    QMap<int, QList<QByteArray>> keysByBlock;
    int indexLevels = 0;
    int indexRoot = 0;
    struct IndexEntry {
        QByteArray key;
        int block = 0;    // data block (level 1) or index block
        int inBlock = 0;  // the index block holding this entry
        int level = 0;
    };
    QList<IndexEntry> index;

    // The key's data block reached through the index from its top level; 0 when not found.
    int findThroughIndex(const QByteArray& key) const {
        int level = indexLevels;
        int within = -1;  // any block at the top
        int target = 0;
        for (; level >= 1; --level) {
            target = 0;
            for (const IndexEntry& entry : index)
                if (entry.level == level && (within < 0 || entry.inBlock == within) && entry.key <= key) target = entry.block;
            if (target == 0) return 0;
            within = target;
        }
        return keysByBlock.value(target).contains(key) ? target : 0;
    }
};

inline QByteArray unpadded(const char* data, int size) {
    const char* end = static_cast<const char*>(std::memchr(data, '\0', std::size_t(size)));
    return QByteArray(data, end ? int(end - data) : size);
}

inline void readIndex(const QString& path, ParadoxTable& table, int keySize) {
    pxdoc_t* doc = PX_new();
    if (PX_open_file(doc, QFile::encodeName(path).constData()) == 0) {
        table.indexLevels = doc->px_head->px_numindexlevels;
        table.indexRoot = doc->px_head->px_indexroot;
        if (PX_read_primary_index(doc) == 0) {
            const auto* entries = static_cast<const pxpindex_t*>(doc->px_data);
            for (int i = 0; i < doc->px_datalen; ++i)
                table.index.append({unpadded(entries[i].data, keySize), entries[i].blocknumber, entries[i].myblocknumber,
                                    entries[i].level});
        }
    }
    PX_delete(doc);
}

inline ParadoxTable readParadox(const QString& dbPath, const QString& pxPath) {
    ParadoxTable table;
    PX_boot();
    pxdoc_t* doc = PX_new();
    if (PX_open_file(doc, QFile::encodeName(dbPath).constData()) != 0) {
        PX_delete(doc);
        return table;
    }
    table.opened = true;
    table.codePage = doc->px_head->px_doscodepage;
    table.primaryKeyFields = doc->px_head->px_primarykeyfields;
    const pxfield_t* fields = PX_get_fields(doc);
    for (int f = 0; f < PX_get_num_fields(doc); ++f) {
        table.fieldNames << QString::fromLatin1(fields[f].px_fname);
        table.fieldSizes << fields[f].px_flen;
    }
    QByteArray record(doc->px_head->px_recordsize, '\0');
    for (int r = 0; r < PX_get_num_records(doc); ++r) {
        int deleted = 0;
        pxdatablockinfo_t block{};
        if (PX_get_record2(doc, r, record.data(), &deleted, &block) == nullptr) break;
        QList<QByteArray> row;
        int offset = 0;
        for (int size : table.fieldSizes) {
            row << unpadded(record.constData() + offset, size);
            offset += size;
        }
        table.keysByBlock[block.number] << row.value(0);
        table.rows << row;
    }
    PX_delete(doc);
    if (!table.fieldSizes.isEmpty()) readIndex(pxPath, table, table.fieldSizes.first());
    return table;
}

}  // namespace vn::test
