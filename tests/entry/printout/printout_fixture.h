#pragma once

#include "../session/session_fixture.h"
#include "entry/printout/record_layout.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "platform/printing/recording_sink.h"

#include <memory>

namespace vn::test {

// A list "abc" whose fields the test places, by Fdis field number, and a record of it.
struct PrintoutFixture {
    struct Field {
        int page, number, kind, slot;
        QString caption;
        int top, left, width, height;
    };

    void place(const Field& f, std::initializer_list<std::pair<int, QString>> extra = {}) {
        const QString key = definitionKey("abc", f.page, f.number);
        db.putRow(kFdisSlot, key, {{1, "1"}, {2, QString::number(f.kind)}, {3, QString::number(f.slot)}, {4, f.caption},
                                   {5, QString::number(f.top)}, {6, QString::number(f.left)},
                                   {7, QString::number(f.width)}, {8, QString::number(f.height)}});
        for (const auto& [field, value] : extra) db.access.SetFieldText(kFdisSlot, field, value);
    }
    std::shared_ptr<const DefinitionCache> definitions() {
        return std::make_shared<const DefinitionCache>(LoadDefinitions(db.access, "abc"));
    }
    // Sink operations of a kind, in order.
    static QList<RecordingSink::Op> ops(const RecordingSink& sink, RecordingSink::Op::Kind kind) {
        QList<RecordingSink::Op> found;
        for (const RecordingSink::Op& op : sink.ops)
            if (op.kind == kind) found << op;
        return found;
    }
    static const RecordingSink::Op* textOp(const RecordingSink& sink, const QString& text) {
        for (const RecordingSink::Op& op : sink.ops)
            if (op.kind == RecordingSink::Op::Text && op.text == text) return &op;
        return nullptr;
    }

    SessionFixture db;
    RecordSnapshot record{QStringLiteral("abcwyalb000100000"), {}, {}};
};

}  // namespace vn::test
