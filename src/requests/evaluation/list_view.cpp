#include "requests/evaluation/evaluation.h"

#include "store/text/text_order.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kFirstColumn = 2;
constexpr int kLastColumn = 4;
constexpr int kComparedLength = 103;  // of the name, padded with spaces

struct SortEntry {
    QString sortText;
    MatchListEntry entry;
};

}  // namespace

QList<MatchListEntry> listViewEntries(RecordAccess& access, const MatchList& matches) {
    std::vector<SortEntry> sorted;
    sorted.reserve(matches.size());
    // Taken last to first so that a stable sort puts equal names in the reverse of the match
    // order, as the entries always came out. The key travels beside the text, whole.
    for (auto key = matches.rbegin(); key != matches.rend(); ++key) {
        if (!access.FindRecord(kHeadSlot, *key)) continue;
        const QString name = access.GetFieldText(kHeadSlot, kLastColumn) + QStringLiteral(", ") +
                             access.GetFieldText(kHeadSlot, kFirstColumn);
        sorted.push_back({name.leftJustified(kComparedLength, u' ', true), {*key, *key + QStringLiteral("  ") + name}});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const SortEntry& a, const SortEntry& b) {
        return compareCodePoints(a.sortText, b.sortText) < 0;
    });
    QList<MatchListEntry> entries;
    entries.reserve(qsizetype(sorted.size()));
    for (SortEntry& s : sorted) entries << std::move(s.entry);
    return entries;
}

}  // namespace vn
