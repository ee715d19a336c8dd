#pragma once

#include "requests/request.h"

// Requests for the stored row tests, holding only what the rows store.
namespace vn::test {

inline SqlCondition condition(int page, int fieldNumber, const QString& identifier, CompareOp op, const QString& target,
                              Connector connector, int open = 0, int close = 0) {
    SqlCondition c;
    c.openParentheses = open;
    c.field = {page, fieldNumber};
    c.fieldIdentifier = identifier;
    c.op = op;
    c.target = target;
    c.closeParentheses = close;
    c.connector = connector;
    return c;
}

// Grid cells are page fields 72 to 121.
inline PrintField::Kind kindOf(int page, int fieldNumber) {
    return page > 0 && fieldNumber >= 72 && fieldNumber <= 121 ? PrintField::Kind::GridCell : PrintField::Kind::Field;
}

inline PrintField printField(int page, int fieldNumber, int order, int position) {
    PrintField f;
    f.field = {page, fieldNumber};
    f.printOrder = order;
    f.definitionPosition = position;
    f.kind = kindOf(page, fieldNumber);
    return f;
}

inline SortField sortField(int page, int fieldNumber, int order) {
    SortField f;
    f.field = {page, fieldNumber};
    f.sortOrder = order;
    f.kind = kindOf(page, fieldNumber);
    return f;
}

}  // namespace vn::test
