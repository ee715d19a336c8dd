#include "requests/memo/memo_entries.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

constexpr int kFirstName = 2, kMiddleInitial = 3, kLastName = 4;
constexpr int kNameLength = 30;
constexpr int kFirstLineLength = 50;
constexpr int kKeyWidth = 110, kNameWidth = 130, kMemoNameWidth = 90;  // pixels in the list's font

// Printable ASCII only: tabs, line breaks and anything past "~" are dropped.
QString printable(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (c.unicode() >= 31 && c.unicode() <= u'~') kept += c;
    return kept;
}

QString padded(QString text, int width, const std::function<int(const QString&)>& widthOf) {
    while (widthOf(text) < width) text += u' ';
    return text;
}

}  // namespace

QList<MemoEntry> memoEntries(RecordAccess& access, const MatchList& matches) {
    QList<MemoEntry> entries;
    for (const QString& key : matches) {
        if (!access.FindRecord(kHeadSlot, key)) continue;
        const QString name = (access.GetFieldText(kHeadSlot, kLastName) + QStringLiteral(", ") +
                              access.GetFieldText(kHeadSlot, kFirstName) + u' ' +
                              access.GetFieldText(kHeadSlot, kMiddleInitial))
                                 .left(kNameLength);
        for (int page = kFirstMemoPage; page <= kLastMemoPage; ++page) {
            if (!access.FindRecord(pageSlot(page), key)) continue;
            const QString memo = access.GetFieldText(pageSlot(page), kMemoColumn);
            if (memo.isEmpty()) continue;
            entries.append({key, page, name, printable(memo.left(kFirstLineLength))});
        }
    }
    return entries;
}

QStringList memoNames(const DefinitionCache& definitions) {
    QStringList names;
    for (int page = kFirstMemoPage; page <= kLastMemoPage; ++page) {
        QString caption;
        for (const FieldDefinition& d : definitions.pageDefinitions(page))
            if (d.active && d.kind == FieldKind::Memo) caption = d.caption;
        names << caption;
    }
    return names;
}

QString memoNameOf(const QStringList& names, int page) { return names.value(page - kFirstMemoPage); }

QString memoListLine(const MemoEntry& entry, const QString& memoName, const std::function<int(const QString&)>& widthOf) {
    return padded(entry.key, kKeyWidth, widthOf) + QStringLiteral("   ") + QString::number(entry.page) +
           QStringLiteral("        ") + padded(entry.name, kNameWidth, widthOf) + QStringLiteral("  ") +
           padded(memoName, kMemoNameWidth, widthOf) + QStringLiteral("  ") + entry.firstLine;
}

}  // namespace vn
