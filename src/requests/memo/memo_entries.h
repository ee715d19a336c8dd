#pragma once

#include "requests/request.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vn {

class DefinitionCache;
class RecordAccess;

inline constexpr int kFirstMemoPage = 1;
inline constexpr int kLastMemoPage = 3;

// One memo of a matched record as listed: key and page travel as data, whole.
struct MemoEntry {
    QString key;
    int page = 0;
    QString name;       // "Last, First M", at most 30 characters
    QString firstLine;  // the memo's first 50 characters, control characters left out
};

// The memos of pages 1 to 3 of the matched records in match order, page by page; records gone
// from Head and empty memos are left out. No limit on their number.
QList<MemoEntry> memoEntries(RecordAccess& access, const MatchList& matches);

// The caption of each page's memo field, pages 1 to 3 at [0..2]; empty where a page has none.
QStringList memoNames(const DefinitionCache& definitions);
QString memoNameOf(const QStringList& names, int page);

// The entry as one line of the list: key, page, name, memo name and first line in columns of
// at least the given widths, as `widthOf` measures a text.
QString memoListLine(const MemoEntry& entry, const QString& memoName, const std::function<int(const QString&)>& widthOf);

}  // namespace vn
