#include "lists/definitions/definition_keys.h"

#include "lists/definitions/column_map.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

QString digits(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar('0')); }

std::optional<int> digitValue(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

}  // namespace

QString definitionKey(const QString& listCode, int page, int number) {
    return LowerCaseText(listCode) + QString::number(page) + digits(number, 2);
}

QString selectionListPrefix(const QString& listCode, int page, int slot) {
    return LowerCaseText(listCode) + digits(slot, 2) + QString::number(page);
}

QString defaultListPrefix(int list) { return digits(list, 2); }

QString defaultListItemKey(int list, int item) { return defaultListPrefix(list) + digits(item, 3); }

std::optional<DefinitionAddress> parseDefinitionKey(const QString& key) {
    if (key.size() != kDefinitionKeyLength) return std::nullopt;
    const auto page = digitValue(key.mid(kListCodeLength, 1));
    const auto number = digitValue(key.mid(kListCodeLength + 1));
    if (!page || *page < 1 || *page > kPagesPerList) return std::nullopt;
    if (!number || *number > ColumnMap::kDefinitionsPerPage) return std::nullopt;
    return DefinitionAddress{key.left(kListCodeLength), *page, *number};
}

}  // namespace vn
