#include "requests/report/record_order.h"

#include "store/text/text_order.h"

#include "store/text/case_conversion.h"

#include <QByteArray>

#include <algorithm>

namespace vn {

namespace {

constexpr int kComparedLength = 103;
constexpr int kZipLength = 10;
constexpr int kNameLength = 30;
constexpr int kValueLength = 60;

// Appends the text's first characters up to the length (all of it unless cut is set), then spaces up to it.
void appendFitted(QString& out, QStringView text, qsizetype length, bool cut = true) {
    const QStringView kept = cut ? firstCharacters(text, length) : text;
    out += kept;
    qsizetype characters = kept.size();
    for (QChar c : kept) characters -= c.isLowSurrogate();
    if (characters < length) out += QString(length - characters, u' ');
}

// Cuts or pads the text to the length in characters, in its own buffer.
void fitInPlace(QString& text, qsizetype length) {
    const qsizetype kept = firstCharacters(text, length).size();
    qsizetype characters = kept;
    for (qsizetype i = 0; i < kept; ++i) characters -= text[i].isLowSurrogate();
    text.truncate(kept);
    if (characters < length) text.append(QString(length - characters, u' '));
}

// A record's sort text as UTF-8 bytes, which compare in code point order without decoding; the
// label text is compared only between equal sort texts.
struct Keyed {
    QByteArray sortText;
    const QString* labelText;
    std::size_t at;  // in the order the records came in
};

}  // namespace

QString labelSortText(LabelSort sort, const QString& title, const QString& first, const QString& last,
                      const QString& zip) {
    QString text;
    text.reserve(kComparedLength + title.size() + zip.size());
    if (sort == LabelSort::ByZip) {
        appendFitted(text, zip, kZipLength);
        text += title;
    } else {
        appendFitted(text, QString(last + first), kNameLength);
        text += zip;
    }
    fitInPlace(text, kComparedLength);
    return text;
}

QString reportSortText(const QStringList& storedTexts, const QList<int>& widths) {
    QString text;
    text.reserve(kComparedLength);
    for (qsizetype i = 0; i < storedTexts.size(); ++i)
        appendFitted(text, firstCharacters(storedTexts[i], kValueLength), widths.value(i), false);
    fitInPlace(text, kComparedLength);
    lowerInPlace(text);
    return text;
}

// The label pre-order puts equal label texts in the reverse of the incoming order; the sort
// texts then put equal sort texts in the reverse of the label order. One sort does both: sort
// text ascending, then label text descending, then the incoming order.
std::vector<OrderedRecord> orderRecords(std::vector<OrderedRecord> records) {
    std::vector<Keyed> keyed;
    keyed.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) keyed.push_back({records[i].sortText.toUtf8(), &records[i].labelText, i});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (const int c = a.sortText.compare(b.sortText)) return c < 0;
        if (const int c = compareCodePoints(*a.labelText, *b.labelText)) return c > 0;
        return a.at < b.at;
    });
    std::vector<OrderedRecord> sorted;
    sorted.reserve(records.size());
    for (const Keyed& k : keyed) sorted.push_back(std::move(records[k.at]));
    return sorted;
}

}  // namespace vn
