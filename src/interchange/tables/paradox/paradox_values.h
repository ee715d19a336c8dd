#pragma once

#include "interchange/tables/foreign_table.h"
#include "interchange/tables/paradox/code_page_text.h"
#include "interchange/tables/paradox/memo_file.h"
#include "interchange/tables/paradox/paradox_layout.h"

#include <optional>

struct px_doc;

namespace vn {

// What kind of column a Paradox field becomes.
ForeignType foreignTypeOf(const ParadoxField& field);

// The fields of a Paradox row as text: numbers through pxlib, text in the table's code page, memos
// from the leader in the row or from the .MB file.
class ParadoxValueReader {
public:
    // doc, names and memos are borrowed; memos is null when the table has no .MB beside it.
    ParadoxValueReader(px_doc* doc, const CodePageText& text, const MemoFile* memos)
        : doc_(doc), text_(text), memos_(memos) {}

    // The field's value, or nullopt with problem saying what is wrong in it.
    [[nodiscard]] std::optional<QString> text(const ParadoxField& field, QByteArrayView bytes, QString& problem) const;

private:
    std::optional<QString> number(const ParadoxField& field, char* bytes, QString& problem) const;
    std::optional<QString> moment(const ParadoxField& field, char* bytes, QString& problem) const;
    std::optional<QString> memo(QByteArrayView bytes, QString& problem) const;

    px_doc* doc_;
    const CodePageText& text_;
    const MemoFile* memos_;
};

// A BCD field's 17 bytes as exact text ("" when unset), or nullopt when a digit is not one.
std::optional<QString> bcdText(QByteArrayView bytes);

}  // namespace vn
