#include "entry/session/record_listing.h"

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

constexpr int kFirstField = 2;
constexpr int kMiddleField = 3;
constexpr int kLastField = 4;
constexpr int kListCodeLength = 3;
constexpr int kOfficeStart = 5;
constexpr int kOfficeLength = 3;

bool sameLetter(QChar a, QChar b) {
    const auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    return fold(a.unicode()) == fold(b.unicode());
}

// The list code in any ASCII case, without making a new text per row.
bool belongsToList(const QString& key, const QString& code) {
    if (key.size() < code.size()) return false;
    for (qsizetype i = 0; i < code.size(); ++i)
        if (!sameLetter(key[i], code[i])) return false;
    return true;
}

QString indexFor(ListingOrder order) {
    switch (order) {
    case ListingOrder::ByName: return QStringLiteral("NameIndex");
    case ListingOrder::ByWebCreation: return QStringLiteral("Time");
    case ListingOrder::ById: break;
    }
    return QString();
}

// Other windows walk Head by key: the order is put back however the listing ends.
class IndexChoice {
public:
    IndexChoice(Table& table, const QString& index) : m_table(table) { m_table.selectIndex(index); }
    ~IndexChoice() {
        try {
            m_table.selectIndex(QString());
        } catch (...) {
            // Nothing to report from here; the next lookup selects the key order itself.
        }
    }
    IndexChoice(const IndexChoice&) = delete;
    IndexChoice& operator=(const IndexChoice&) = delete;

private:
    Table& m_table;
};

}  // namespace

QString recordEntryText(const QString& key, const QString& last, const QString& first, const QString& middle) {
    return key + QStringLiteral("  ") + last + QStringLiteral(", ") + first + QStringLiteral("  ") + middle;
}

QList<ListingEntry> RecordListing::list(const QString& listCode, ListingOrder order,
                                        const std::optional<QSet<QString>>& accepted) {
    const QString code = UpperCaseText(listCode.left(kListCodeLength));
    Table& head = m_access.catalogue().table(kHeadSlot);
    IndexChoice choice(head, indexFor(order));
    QList<ListingEntry> entries;
    for (bool found = head.first(); found; found = head.next()) {
        const QString key = head.text(0);
        if (!belongsToList(key, code)) continue;
        if (accepted && !accepted->contains(UpperCaseText(key.mid(kOfficeStart, kOfficeLength)))) continue;
        const QString last = head.text(kLastField);
        entries.append({key, recordEntryText(key, last, head.text(kFirstField), head.text(kMiddleField)), last});
    }
    return entries;
}

std::optional<int> findLastName(const QList<ListingEntry>& entries, const QString& typed) {
    const QString wanted = UpperCaseText(typed);
    for (int i = 0; i < entries.size(); ++i)
        if (UpperCaseText(entries[i].last.left(wanted.size())) == wanted) return i;
    return std::nullopt;
}

}  // namespace vn
