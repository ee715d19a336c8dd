#include "requests/evaluation/evaluation.h"

#include "requests/evaluation/list_walk.h"
#include "requests/evaluation/prepared_request.h"
#include "requests/evaluation/record_reader.h"
#include "requests/evaluation/truth.h"
#include "store/access/record_access.h"

namespace vn {

namespace {

constexpr int kEmailColumn = field_numbers::kHeaderEmail - 1;
constexpr qint64 kProgressStep = 1024;

bool passesEmailFilter(EmailFilter filter, RecordAccess& access) {
    if (filter == EmailFilter::All) return true;
    return access.GetFieldText(kHeadSlot, kEmailColumn).isEmpty() == (filter == EmailFilter::WithoutAddress);
}

}  // namespace

EvaluationResult evaluateRequest(RecordAccess& access, const SqlRequest& request, const DefinitionCache& definitions,
                                 const EvaluationProgress& progress, const LinkedFieldReader& linked) {
    EvaluationResult result;
    if (request.displayText.isEmpty() || request.listCode.size() != kListCodeLength) return result;
    const PreparedRequest prepared = prepareRequest(request, definitions);
    const std::string shape = truthShape(request.conditions);
    RecordReader reader(access, prepared, linked);
    const TruthResult conditionResult = [&](std::size_t n, char) {
        const PreparedCondition& condition = prepared.conditions[n];
        return condition.test(reader.value(condition.source));
    };
    // The walk reads Head itself: a request changes nothing, not even rows with an empty key.
    const QString& code = request.listCode;
    const qint64 total = progress ? access.CountKeysWithPrefix(kHeadSlot, code, kListCodeLength) : 0;
    ListWalk walk(access.catalogue().table(kHeadSlot), code);
    for (qint64 done = 1; walk.next(); ++done) {
        reader.start(walk.key());
        if (foldTruth(shape, conditionResult) && passesEmailFilter(request.emailFilter, access))
            result.matches << walk.key();
        if (done % kProgressStep == 0 && progress && !progress(done, total)) {
            result.cancelled = true;
            return result;
        }
    }
    if (progress) progress(total, total);
    return result;
}

}  // namespace vn
