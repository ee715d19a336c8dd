#include "requests/builder/request_run.h"

#include "requests/builder/request_builder.h"

namespace vn {

bool runRequest(RequestBuilder& builder, RecordAccess& access, const DefinitionCache& definitions,
                const EvaluationProgress& progress, const LinkedFieldReader& linked) {
    const EvaluationResult result = evaluateRequest(access, builder.request(), definitions, progress, linked);
    if (result.cancelled) return false;
    QList<MatchListEntry> entries;
    if (builder.kind() == RequestKind::List) entries = listViewEntries(access, result.matches);
    builder.evaluated(result.matches, entries);
    return true;
}

}  // namespace vn
