#pragma once

#include "requests/request.h"
#include "requests/stored/request_tables.h"

#include <QList>
#include <QString>
#include <array>

// The codec between a request and its stored rows: pure functions between SqlRequest and the
// field texts of its Queu, Pinf and Sinf rows, free of any table, so exchange files and tests
// can use them without a database. Reading and writing the rows: stored_requests.h.
namespace vn {

// What the fields of a table row can hold: the declared size in characters of every field
// before Delta, by field number (0: no limit). The row has sizes.size() fields.
struct RowLayout {
    QString table;
    QList<int> sizes;
};

struct RequestRowLayouts {
    RowLayout queu, pinf, sinf;
};

// The key the three rows of a stored request share: list code + two spaces + name.
QString storedRequestKey(const QString& listCode, const QString& name);

// Report and MailMerge requests keep their print and sort fields in Pinf and Sinf.
bool storesPrintAndSortFields(RequestKind kind);

// The display text as stored: at most three parts of at most 100 characters, each ending after
// an even-numbered double quote among its first 100 characters (the close of a quoted name or
// target). A text that does not fit loses the end of part 3, which is cut to 100 characters
// followed by "...".
using DisplayParts = std::array<QString, 3>;
DisplayParts splitDisplayText(const QString& text);
// The same rule with another line length (report headers: 80 on the screen, 110 on paper).
DisplayParts splitDisplayText(const QString& text, int lineLength);
QString joinDisplayText(const DisplayParts& parts);  // no separator: the request's display text
QString showDisplayText(const DisplayParts& parts);  // with single spaces: what the queue view shows

// The rows of one stored request, each as long as its layout. pinf and sinf are empty for kinds
// that do not store print and sort fields.
struct RequestRows {
    RowFields queu, pinf, sinf;
};

// Encodes the request under the key. Nothing is cut or dropped: a value its field cannot hold
// (a name too long for the key, a target longer than its field, more conditions or print
// fields than the row holds) or one that reading the row back would refuse (a kind that is not
// stored, a page, field number, operator or count out of range) throws StoreError naming the
// request and the element.
RequestRows encodeRequestRows(const QString& key, const SqlRequest& request, const RequestRowLayouts& layouts);

// A request read back from its rows. Only what the rows hold is set: kind, list code (the
// key's first three characters), display text, conditions (their open and close parentheses
// summed into the open and close counts), and page, field number, order and kind (field or
// grid cell) of every print and sort field; print fields also keep their definition position.
// Captions, widths and values are for the reader to recompute.
struct StoredRequest {
    QString key;
    DisplayParts displayParts;
    SqlRequest request;
};

// Rows arrive from other offices, so every value is checked before it is used: the counts
// (conditions 1 to 30, print and sort fields 0 to 111, and no more than the row's fields hold),
// the kind (1 to 6), pages (0 to 6), field numbers (1 to 16 on the header, 2 to 122 on a page),
// operators (1 to 6), connectors (0 to 2), parentheses (0 to 10), print and sort orders (1 to
// the count), and that every integer field holds digits only (an empty field counts as 0). A
// row that fails throws StoreError naming the table, the key and the field; nothing is read
// past the row's end. Definition positions are taken as stored.
StoredRequest decodeQueuRow(const RowFields& row);
QList<PrintField> decodePinfRow(const RowFields& row);
QList<SortField> decodeSinfRow(const RowFields& row);
// The Queu row, and for Report and MailMerge the Pinf and Sinf rows when they are not empty.
StoredRequest decodeRequestRows(const RequestRows& rows);

// Checks a row of Queu, Sinf or Pinf by its slot (17, 18, 19) as decoding would, for a reader of
// exchange files that checks every line before it writes any. Throws StoreError; other slots
// are not checked here.
void checkStoredRequestRow(int slot, const RowFields& row);

}  // namespace vn
