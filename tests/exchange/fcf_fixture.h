#pragma once

#include "transfer_fixture.h"

#include <QtEndian>
#include <vector>

namespace vn::test {

// A chunk of a form control file: its 4-byte little-endian length, then the bytes.
inline QByteArray chunk(const QByteArray& body) {
    char length[4];
    qToLittleEndian<qint32>(qint32(body.size()), length);
    return QByteArray(length, 4) + body;
}

inline const QByteArray kMagicChunk = chunk(" &Newfcf");

// A value as a row chunk holds it: its length byte, then the text.
inline QByteArray val(const QByteArray& text) { return n(int(text.size())) + text; }

// A row chunk's body: table code byte, key, then the rest as given.
inline QByteArray rowBody(int tableCode, const QByteArray& key, const QByteArray& rest = {}) {
    return n(tableCode) + val(key) + rest;
}

struct Row {
    int slot;
    QString key;
    Fields fields;
};

// A data set with an exchange folder, and rows put into it by table.
struct FcfFixture : TransferFixture {
    void putAll(const std::vector<Row>& rows) {
        for (const Row& r : rows) put(r.slot, r.key, r.fields);
    }
};

}  // namespace vn::test
