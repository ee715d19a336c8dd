#pragma once

#include "requests/request.h"

#include <functional>
#include <optional>

namespace vn {

class DefinitionCache;
class RecordAccess;

// Told how far the walk over the list's Head rows has come (rows done, rows in all); false
// cancels the walk.
using EvaluationProgress = std::function<bool(qint64 done, qint64 total)>;

// The value of a page text field linked to a sibling product: the source (1-8), the field read
// there and the key the record keeps for that source. Nothing when the source is not available
// or has no such record; the field's stored value is then used. Without a reader every field is
// read as stored. The reader must leave the cursors of Head and the page tables where they are.
using LinkedFieldReader = std::function<std::optional<QString>(int source, int sourceField, const QString& sourceKey)>;

// Tests every Head row of the request's list (in key order) against its conditions and returns
// the keys of the matching records, whole and without limit, after the e-mail filter. The
// definitions tell check boxes (default "0") and linked text fields. An empty display text,
// or a list code that is not three characters, selects nothing. A cancelled walk returns what it found so far with cancelled set. Throws
// StoreError for a condition naming a field no table holds.
struct EvaluationResult {
    MatchList matches;
    bool cancelled = false;
};
EvaluationResult evaluateRequest(RecordAccess& access, const SqlRequest& request, const DefinitionCache& definitions,
                                 const EvaluationProgress& progress = {}, const LinkedFieldReader& linked = {});

// One entry of the List result view: the record's key and the text shown ("key  Last, First").
struct MatchListEntry {
    QString key;
    QString text;
};

// The List view's entries: matches sorted by "Last, First" (equal names in the reverse of
// their order in the match list), records no longer in Head left out.
QList<MatchListEntry> listViewEntries(RecordAccess& access, const MatchList& matches);

}  // namespace vn
