#include "requests/report/record_order.h"

#include "requests/evaluation/text_order.h"
#include "store/text/case_conversion.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kComparedLength = 103;
constexpr int kZipLength = 10;
constexpr int kNameLength = 30;
constexpr int kValueLength = 60;

QString padOrCut(const QString& text, int length) {
    return firstCharacters(text, length).toString().leftJustified(length, u' ');
}

// Equal texts end in the reverse of the order they came in: a stable sort of the reversed list.
template <class Text>
void sortReversingTies(std::vector<OrderedRecord>& records, Text text) {
    std::reverse(records.begin(), records.end());
    std::stable_sort(records.begin(), records.end(), [&](const OrderedRecord& a, const OrderedRecord& b) {
        return compareCodePoints(text(a), text(b)) < 0;
    });
}

}  // namespace

QString labelSortText(LabelSort sort, const QString& title, const QString& first, const QString& last,
                      const QString& zip) {
    const QString text = sort == LabelSort::ByZip ? padOrCut(zip, kZipLength) + title
                                                  : padOrCut(last + first, kNameLength) + zip;
    return padOrCut(text, kComparedLength);
}

QString reportSortText(const QStringList& storedTexts, const QList<int>& widths) {
    QString text;
    for (qsizetype i = 0; i < storedTexts.size(); ++i)
        text += firstCharacters(storedTexts[i], kValueLength).toString().leftJustified(widths.value(i), u' ');
    return LowerCaseText(padOrCut(text, kComparedLength));
}

std::vector<OrderedRecord> orderRecords(std::vector<OrderedRecord> records) {
    if (records.size() >= 2) sortReversingTies(records, [](const OrderedRecord& r) -> const QString& { return r.labelText; });
    sortReversingTies(records, [](const OrderedRecord& r) -> const QString& { return r.sortText; });
    return records;
}

}  // namespace vn
