#include "requests/stored/request_rows.h"

#include "requests/stored/row_checks.h"
#include "store/engine/store_error.h"
#include "store/engine/text_size.h"

#include <limits>

namespace vn {

namespace {

using namespace request_tables;
using row_checks::Range;
using row_checks::RowReader;
using row_checks::RowWriter;

constexpr int kDisplayPartLength = 100;
constexpr int kLastPage = 6;

constexpr Range kKinds{1, kStoredKinds};
constexpr Range kConditionCounts{1, SqlRequest::kMaxConditions};
constexpr Range kPrintFieldCounts{0, SqlRequest::kMaxPrintFields};
constexpr Range kSortFieldCounts{0, SqlRequest::kMaxSortFields};
constexpr Range kParentheses{0, SqlRequest::kMaxParentheses};
constexpr Range kPages{0, kLastPage};
constexpr Range kOperators{int(CompareOp::Equal), int(CompareOp::NotEqual)};
constexpr Range kConnectors{int(Connector::None), int(Connector::Or)};
constexpr Range kDefinitionPositions{0, std::numeric_limits<int>::max()};

Range fieldNumbers(int page) {
    using namespace field_numbers;
    return page == 0 ? Range{1, kHeaderFields} : Range{kFirstText, kMemo};
}

// Print and sort fields are numbered 1 to the count.
Range orders(qsizetype count) { return {1, count}; }

PrintField::Kind fieldKind(const FieldRef& field) {
    using namespace field_numbers;
    const bool gridCell = field.page > 0 && field.fieldNumber >= kFirstGridCell && field.fieldNumber <= kLastGridCell;
    return gridCell ? PrintField::Kind::GridCell : PrintField::Kind::Field;
}

// "condition 2: page": the element of a repeated group of fields starting at `first`.
QString entryElement(int field, int first, const char* entry, std::initializer_list<const char*> elements) {
    const int stride = int(elements.size());
    const int offset = field - first;
    if (offset < 0) return QStringLiteral("not used");
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(entry), QString::number(offset / stride + 1),
                                           QLatin1String(elements.begin()[offset % stride]));
}

QString queuFieldName(int field) {
    switch (field) {
    case queu::kKey: return QStringLiteral("key");
    case queu::displayPart(1):
    case queu::displayPart(2):
    case queu::displayPart(3): return QStringLiteral("display text part %1").arg(field - queu::kFirstDisplayPart + 1);
    case queu::kKind: return QStringLiteral("kind");
    case queu::kConditionCount: return QStringLiteral("number of conditions");
    }
    return entryElement(field, queu::openParentheses(1), "condition",
                        {"open parentheses", "page", "field number", "field identifier", "operator", "target",
                         "close parentheses", "connector"});
}

QString pinfFieldName(int field) {
    if (field == pinf::kCount) return QStringLiteral("number of print fields");
    if (field == 0) return QStringLiteral("key");
    return entryElement(field, pinf::page(1), "print field", {"page", "field number", "print order", "definition position"});
}

QString sinfFieldName(int field) {
    if (field == sinf::kCount) return QStringLiteral("number of sort fields");
    if (field == 0) return QStringLiteral("key");
    return entryElement(field, sinf::page(1), "sort field", {"page", "field number", "sort order"});
}

// Cuts the front of the text up to and including the last even-numbered double quote among
// its first 100 characters; nothing when fewer than two quotes lie there.
QString takeQuotedFront(QString& rest, int lineLength) {
    const qsizetype window = cutToCharacters(rest, lineLength).size();
    qsizetype cut = 0;
    int quotes = 0;
    for (qsizetype i = 0; i < window; ++i)
        if (rest[i] == u'"' && ++quotes % 2 == 0) cut = i + 1;
    const QString front = rest.left(cut);
    rest.remove(0, cut);
    return front;
}

void checkKey(const QString& key, const RowLayout& layout) {
    const int size = layout.sizes.value(queu::kKey);
    const qsizetype length = characterCount(key);
    if (size > 0 && length > size)
        throw StoreError(QStringLiteral("The request name is too long: with its list code and two spaces, %1 takes %2 "
                                        "characters, and a stored request's key holds %3.")
                             .arg(row_checks::quoted(key), QString::number(length), QString::number(size)));
}

RowFields encodeQueuRow(const QString& key, const SqlRequest& request, const RowLayout& layout) {
    RowWriter w(layout, key, queuFieldName);
    w.text(queu::kKey, key);
    const DisplayParts parts = splitDisplayText(request.displayText);
    for (int p = 1; p <= 3; ++p) w.text(queu::displayPart(p), parts[p - 1]);
    w.integer(queu::kKind, int(request.kind), kKinds);
    const int n = int(request.conditions.size());
    w.integer(queu::kConditionCount, n, kConditionCounts);
    w.require(queu::connector(n));
    for (int i = 1; i <= n; ++i) {
        const SqlCondition& c = request.conditions[i - 1];
        w.integer(queu::openParentheses(i), c.openParentheses, kParentheses);
        w.integer(queu::page(i), c.field.page, kPages);
        w.integer(queu::fieldNumber(i), c.field.fieldNumber, fieldNumbers(c.field.page));
        w.text(queu::identifier(i), c.fieldIdentifier);
        w.integer(queu::compareOp(i), int(c.op), kOperators);
        w.text(queu::target(i), c.target);
        w.integer(queu::closeParentheses(i), c.closeParentheses, kParentheses);
        w.integer(queu::connector(i), int(c.connector), kConnectors);
    }
    return w.take();
}

RowFields encodePinfRow(const QString& key, const QList<PrintField>& fields, const RowLayout& layout) {
    RowWriter w(layout, key, pinfFieldName);
    w.text(0, key);
    const int m = int(fields.size());
    w.integer(pinf::kCount, m, kPrintFieldCounts);
    w.require(pinf::definitionPosition(m));
    for (int j = 1; j <= m; ++j) {
        const PrintField& f = fields[j - 1];
        w.integer(pinf::page(j), f.field.page, kPages);
        w.integer(pinf::fieldNumber(j), f.field.fieldNumber, fieldNumbers(f.field.page));
        w.integer(pinf::printOrder(j), f.printOrder, orders(m));
        w.integer(pinf::definitionPosition(j), f.definitionPosition, kDefinitionPositions);
    }
    return w.take();
}

RowFields encodeSinfRow(const QString& key, const QList<SortField>& fields, const RowLayout& layout) {
    RowWriter w(layout, key, sinfFieldName);
    w.text(0, key);
    const int s = int(fields.size());
    w.integer(sinf::kCount, s, kSortFieldCounts);
    w.require(sinf::sortOrder(s));
    for (int k = 1; k <= s; ++k) {
        const SortField& f = fields[k - 1];
        w.integer(sinf::page(k), f.field.page, kPages);
        w.integer(sinf::fieldNumber(k), f.field.fieldNumber, fieldNumbers(f.field.page));
        w.integer(sinf::sortOrder(k), f.sortOrder, orders(s));
    }
    return w.take();
}

FieldRef readFieldRef(const RowReader& r, int pageField, int numberField) {
    FieldRef field;
    field.page = r.integer(pageField, kPages);
    field.fieldNumber = r.integer(numberField, fieldNumbers(field.page));
    return field;
}

}  // namespace

QString storedRequestKey(const QString& listCode, const QString& name) { return listCode + QStringLiteral("  ") + name; }

bool storesPrintAndSortFields(RequestKind kind) { return kind == RequestKind::Report || kind == RequestKind::MailMerge; }

DisplayParts splitDisplayText(const QString& text) { return splitDisplayText(text, kDisplayPartLength); }

DisplayParts splitDisplayText(const QString& text, int lineLength) {
    DisplayParts parts;
    QString rest = text;
    int p = 0;
    for (; p < 2 && characterCount(rest) > lineLength; ++p) parts[p] = takeQuotedFront(rest, lineLength);
    parts[p] = characterCount(rest) > lineLength ? cutToCharacters(rest, lineLength) + QStringLiteral("...") : rest;
    return parts;
}

QString joinDisplayText(const DisplayParts& parts) { return parts[0] + parts[1] + parts[2]; }

QString showDisplayText(const DisplayParts& parts) { return parts[0] + u' ' + parts[1] + u' ' + parts[2]; }

RequestRows encodeRequestRows(const QString& key, const SqlRequest& request, const RequestRowLayouts& layouts) {
    checkKey(key, layouts.queu);
    RequestRows rows;
    rows.queu = encodeQueuRow(key, request, layouts.queu);
    if (storesPrintAndSortFields(request.kind)) {
        rows.pinf = encodePinfRow(key, request.printFields, layouts.pinf);
        rows.sinf = encodeSinfRow(key, request.sortFields, layouts.sinf);
    }
    return rows;
}

StoredRequest decodeQueuRow(const RowFields& row) {
    const RowReader r(QStringLiteral("Queu"), row, queuFieldName);
    StoredRequest stored;
    stored.key = r.key();
    SqlRequest& request = stored.request;
    request.kind = RequestKind(r.integer(queu::kKind, kKinds));
    const int n = r.integer(queu::kConditionCount, kConditionCounts);
    r.require(queu::connector(n));
    for (int p = 1; p <= 3; ++p) stored.displayParts[p - 1] = r.text(queu::displayPart(p));
    for (int i = 1; i <= n; ++i) {
        SqlCondition c;
        c.openParentheses = r.integer(queu::openParentheses(i), kParentheses);
        c.field = readFieldRef(r, queu::page(i), queu::fieldNumber(i));
        c.fieldIdentifier = r.text(queu::identifier(i));
        c.op = CompareOp(r.integer(queu::compareOp(i), kOperators));
        c.target = r.text(queu::target(i));
        c.closeParentheses = r.integer(queu::closeParentheses(i), kParentheses);
        c.connector = Connector(r.integer(queu::connector(i), kConnectors));
        request.openCount += c.openParentheses;
        request.closeCount += c.closeParentheses;
        request.conditions << c;
    }
    request.listCode = stored.key.left(3);
    request.displayText = joinDisplayText(stored.displayParts);
    return stored;
}

QList<PrintField> decodePinfRow(const RowFields& row) {
    const RowReader r(QStringLiteral("Pinf"), row, pinfFieldName);
    const int m = r.integer(pinf::kCount, kPrintFieldCounts);
    r.require(pinf::definitionPosition(m));
    QList<PrintField> fields;
    for (int j = 1; j <= m; ++j) {
        PrintField f;
        f.field = readFieldRef(r, pinf::page(j), pinf::fieldNumber(j));
        f.printOrder = r.integer(pinf::printOrder(j), orders(m));
        f.definitionPosition = r.integer(pinf::definitionPosition(j), kDefinitionPositions);
        f.kind = fieldKind(f.field);
        fields << f;
    }
    return fields;
}

QList<SortField> decodeSinfRow(const RowFields& row) {
    const RowReader r(QStringLiteral("Sinf"), row, sinfFieldName);
    const int s = r.integer(sinf::kCount, kSortFieldCounts);
    r.require(sinf::sortOrder(s));
    QList<SortField> fields;
    for (int k = 1; k <= s; ++k) {
        SortField f;
        f.field = readFieldRef(r, sinf::page(k), sinf::fieldNumber(k));
        f.sortOrder = r.integer(sinf::sortOrder(k), orders(s));
        f.kind = fieldKind(f.field);
        fields << f;
    }
    return fields;
}

StoredRequest decodeRequestRows(const RequestRows& rows) {
    StoredRequest stored = decodeQueuRow(rows.queu);
    if (storesPrintAndSortFields(stored.request.kind)) {
        if (!rows.pinf.isEmpty()) stored.request.printFields = decodePinfRow(rows.pinf);
        if (!rows.sinf.isEmpty()) stored.request.sortFields = decodeSinfRow(rows.sinf);
    }
    return stored;
}

void checkStoredRequestRow(int slot, const RowFields& row) {
    switch (slot) {
    case kQueuSlot: decodeQueuRow(row); break;
    case kPinfSlot: decodePinfRow(row); break;
    case kSinfSlot: decodeSinfRow(row); break;
    default: break;
    }
}

}  // namespace vn
