#pragma once

#include "requests/request.h"

#include <functional>

namespace vn {

class DefinitionCache;
class RecordAccess;

// Told how far the walk over Head has come (rows done, rows in all); false cancels the walk.
using EvaluationProgress = std::function<bool(qint64 done, qint64 total)>;

// Tests every Head row of the request's list (in key order) against its conditions and returns
// the keys of the matching records, whole and without limit, after the e-mail filter. The
// definitions tell check boxes (default "0") and which pages the list uses. An empty display
// text selects nothing. A cancelled walk returns what it found so far with cancelled set.
struct EvaluationResult {
    MatchList matches;
    bool cancelled = false;
};
EvaluationResult evaluateRequest(RecordAccess& access, const SqlRequest& request, const DefinitionCache& definitions,
                                 const EvaluationProgress& progress = {});

// One entry of the List result view: the record's key and the text shown ("key  Last, First").
struct MatchListEntry {
    QString key;
    QString text;
};

// The List view's entries: matches sorted by "Last, First" (equal names in the reverse of
// their order in the match list), records no longer in Head left out.
QList<MatchListEntry> listViewEntries(RecordAccess& access, const MatchList& matches);

}  // namespace vn
