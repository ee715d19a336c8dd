#pragma once

#include <QString>
#include <optional>

namespace vn {

inline constexpr int kPagesPerList = 6;
inline constexpr int kListCodeLength = 3;
inline constexpr int kDefinitionKeyLength = 6;
inline constexpr int kSelectionPrefixLength = 6;

// Keys of the definition tables. List codes are stored lower case, so the builders lower the
// code they are given.

// Fdis, Tdat and Help: code + page digit + definition number as two digits; number 0 is the
// page's title row.
QString definitionKey(const QString& listCode, int page, int number);
inline QString pageTitleKey(const QString& listCode, int page) { return definitionKey(listCode, page, 0); }

// Selc: the first six characters of the keys of one text field's items (code + slot + page).
QString selectionListPrefix(const QString& listCode, int page, int slot);

// Dsli: list number as two digits + item number as three digits.
QString defaultListPrefix(int list);
QString defaultListItemKey(int list, int item);

struct DefinitionAddress {
    QString listCode;
    int page = 0;
    int number = 0;  // 0 for the title row
};

// The parts of an Fdis key; nothing for a key outside the scheme (wrong length, page outside
// 1..6, number outside 0..83).
std::optional<DefinitionAddress> parseDefinitionKey(const QString& key);

}  // namespace vn
