#pragma once

#include "requests/evaluation/evaluation.h"

namespace vn {

class DefinitionCache;
class RecordAccess;
class RequestBuilder;

// Evaluates the request the builder completed with "Process" and hands it the result, with the
// List view's entries for a List request. False when the walk was cancelled (the builder then
// keeps waiting for a result).
// Linked text fields are read through `linked` (none: as stored).
bool runRequest(RequestBuilder& builder, RecordAccess& access, const DefinitionCache& definitions,
                const EvaluationProgress& progress = {}, const LinkedFieldReader& linked = {});

}  // namespace vn
