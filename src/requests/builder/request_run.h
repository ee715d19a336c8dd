#pragma once

#include "requests/evaluation/evaluation.h"

namespace vn {

class DefinitionCache;
class RecordAccess;
class RequestBuilder;

// Evaluates the request the builder completed with "Process" and hands it the result, with the
// List view's entries for a List request. False when the walk was cancelled (the builder then
// keeps waiting for a result).
bool runRequest(RequestBuilder& builder, RecordAccess& access, const DefinitionCache& definitions,
                const EvaluationProgress& progress = {});

}  // namespace vn
