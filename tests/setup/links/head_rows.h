#pragma once

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <QStringList>
#include <utility>

namespace vn::test {

// A Head row with the fields the match conditions join.
struct HeadRow {
    QString key;
    QString last;
    QString first;
    QString phone = {};
};

inline void putHeadRows(RecordAccess& access, const QList<HeadRow>& rows) {
    for (const HeadRow& r : rows) {
        access.EnsureRecord(kHeadSlot, r.key);
        access.SetFieldText(kHeadSlot, 4, r.last);
        access.SetFieldText(kHeadSlot, 2, r.first);
        access.SetFieldText(kHeadSlot, 6, r.phone);
    }
}

// List rows (code, title) as the designer makes them.
inline void putLists(RecordAccess& access, const QList<std::pair<QString, QString>>& lists) {
    for (const auto& [code, title] : lists) {
        access.EnsureRecord(kListSlot, code);
        access.SetFieldText(kListSlot, 1, title);
    }
}

// The entries of an owner's chain, in order; empty when it has none.
inline QStringList chainOf(RecordAccess& access, const QString& owner) {
    QStringList entries;
    if (!access.RewindLinkChain(kLinkSlot, owner)) return entries;
    QString entry;
    while (access.NextLinkEntry(kLinkSlot, owner, entry)) entries << entry;
    return entries;
}

// A record key of a list: code + "wyalb" + four-digit number + "00000".
inline QString recordKey(const char* code, int n) {
    return QString::fromLatin1(code) + QStringLiteral("wyalb%1").arg(n, 4, 10, QLatin1Char('0')) + QStringLiteral("00000");
}

}  // namespace vn::test
