#pragma once

#include "exchange/fcf/fcf_format.h"

#include <QByteArray>
#include <QStringList>

namespace vn {

class Database;

// A list's definition as the file's bytes.
struct FcfContent {
    QByteArray bytes;
    // Values longer than a file can carry, cut to 222 bytes at a character boundary:
    // 'List "abc" field 15 (Desc)'.
    QStringList cutFields;
    // Rows whose key is longer than 222 bytes, not written: 'Selc "abc..."'.
    QStringList leftOut;
};

// What a build did; the build message lists the cut fields and rows left out.
struct FcfBuild {
    QString path;
    QStringList cutFields;
    QStringList leftOut;
    QString error;  // why no file was written (and nothing was left behind); empty when one was
    bool ok() const { return error.isEmpty(); }
};

// Writes the web form control file of one list from the List, Fdis, Selc and Tdat tables.
class FcfWriter {
public:
    explicit FcfWriter(Database& db) : m_db(db) {}

    // " &Newfcf", then the rows whose key begins with the code exactly (letter case counts), in
    // table then key order. Throws StoreError when a table cannot be read.
    [[nodiscard]] FcfContent encode(const QString& listCode) const;

    // <exchangeFolder>/<list><state><office>.fcf in lower case, through a temporary file that
    // replaces an existing one only once complete. The rows are those of `name.list`.
    [[nodiscard]] FcfBuild write(const QString& exchangeFolder, const FcfName& name) const;

private:
    Database& m_db;
};

}  // namespace vn
