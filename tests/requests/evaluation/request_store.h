#pragma once

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/field_kind.h"
#include "requests/evaluation/evaluation.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"

#include <initializer_list>
#include <utility>

namespace vn::test {

// A store for list "abc": rows written field by field, page fields defined, requests built from
// conditions.
struct RequestStore : StoreFixture {
    using Fields = std::initializer_list<std::pair<int, QString>>;

    // The key of the list's record with the sequence number: 17 characters, 18 from 10000 on.
    static QString key(int sequence, const QString& code = "abc") {
        return code + QStringLiteral("wyalb%1").arg(sequence, 4, 10, QChar('0')) + "00000";
    }

    void put(int slot, const QString& key, Fields fields) {
        access.EnsureRecord(slot, key);
        for (const auto& [field, value] : fields) access.SetFieldText(slot, field, value);
    }

    void define(int page, int number, FieldKind kind, int slot, Fields more = {}) {
        const QString definition = definitionKey("abc", page, number);
        put(kFdisSlot, definition, {{1, "1"}, {2, QString::number(int(kind))}, {3, QString::number(slot)}});
        for (const auto& [field, value] : more) access.SetFieldText(kFdisSlot, field, value);
    }

    static SqlCondition condition(int page, int fieldNumber, CompareOp op, const QString& target,
                                  Connector connector = Connector::None) {
        SqlCondition c;
        c.field = {page, fieldNumber};
        c.op = op;
        c.target = target;
        c.connector = connector;
        return c;
    }

    static SqlRequest request(QList<SqlCondition> conditions, EmailFilter filter = EmailFilter::All) {
        SqlRequest r;
        r.kind = RequestKind::List;
        r.listCode = "abc";
        r.displayText = "List Records with ...";
        r.conditions = std::move(conditions);
        r.emailFilter = filter;
        return r;
    }

    MatchList matches(const SqlRequest& r, const LinkedFieldReader& linked = {}) {
        return evaluateRequest(access, r, LoadDefinitions(access, "abc"), {}, linked).matches;
    }
};

}  // namespace vn::test
