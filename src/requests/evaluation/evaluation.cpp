#include "requests/evaluation/evaluation.h"

#include "entry/core/record_tables.h"
#include "requests/evaluation/prepared_request.h"
#include "requests/evaluation/text_order.h"
#include "requests/evaluation/truth.h"
#include "store/access/record_access.h"
#include "store/engine/table.h"
#include "store/text/case_conversion.h"

#include <vector>

namespace vn {

namespace {

constexpr int kEmailColumn = field_numbers::kHeaderEmail - 1;
constexpr int kFirstSourceKeyColumn = 17;  // + source number: the record's key in that source
constexpr qint64 kProgressStep = 1024;

// The list's records: keys whose first three characters are the code's in any ASCII case.
bool belongsToList(const QString& key, const QString& upperCode) {
    return key.size() >= upperCode.size() && compareRaised(QStringView(key).first(upperCode.size()), upperCode) == 0;
}

// Reads the values a prepared request asks for, for the record Head is on.
class RecordReader {
public:
    RecordReader(RecordAccess& access, const PreparedRequest& prepared, const LinkedFieldReader& linked)
        : m_access(access), m_prepared(prepared), m_linked(linked), m_values(prepared.sources.size()) {}

    void read(const QString& key) {
        // A record without a page row reads that page empty, never the row a failed lookup
        // leaves current.
        for (int page = 1; page <= kPageCount; ++page)
            m_found[page] = m_prepared.pagesRead[page] && m_access.FindRecord(pageSlot(page), key);
        for (qsizetype i = 0; i < m_prepared.sources.size(); ++i) m_values[i] = value(m_prepared.sources[i]);
    }
    const QString& value(qsizetype source) const { return m_values[source]; }

private:
    QString value(const ValueSource& source) {
        if (source.linkSource > 0 && m_linked) {
            const QString sourceKey = m_access.GetFieldText(kHeadSlot, kFirstSourceKeyColumn + source.linkSource);
            if (auto linked = m_linked(source.linkSource, source.linkField, sourceKey)) return *linked;
        }
        if (source.page == 0) return m_access.GetFieldText(kHeadSlot, source.column);
        return m_found[source.page] ? m_access.GetFieldText(pageSlot(source.page), source.column) : QString();
    }

    RecordAccess& m_access;
    const PreparedRequest& m_prepared;
    const LinkedFieldReader& m_linked;
    std::vector<QString> m_values;
    std::array<bool, kPageCount + 1> m_found{};
};

bool passesEmailFilter(EmailFilter filter, RecordAccess& access) {
    if (filter == EmailFilter::All) return true;
    return access.GetFieldText(kHeadSlot, kEmailColumn).isEmpty() == (filter == EmailFilter::WithoutAddress);
}

}  // namespace

EvaluationResult evaluateRequest(RecordAccess& access, const SqlRequest& request, const DefinitionCache& definitions,
                                 const EvaluationProgress& progress, const LinkedFieldReader& linked) {
    EvaluationResult result;
    if (request.displayText.isEmpty()) return result;
    const PreparedRequest prepared = prepareRequest(request, definitions);
    const QString code = UpperCaseText(request.listCode.left(kListCodeLength));
    RecordReader reader(access, prepared, linked);
    // The walk reads Head itself: a request changes nothing, not even rows with an empty key.
    Table& head = access.catalogue().table(kHeadSlot);
    head.selectIndex(QString());
    const qint64 total = head.count();
    qint64 done = 0;
    std::string truth;
    for (bool more = head.first(); more; more = head.next()) {
        if (++done % kProgressStep == 0 && progress && !progress(done, total)) {
            result.cancelled = true;
            return result;
        }
        const QString key = head.text(0);
        if (!belongsToList(key, code)) continue;
        reader.read(key);
        truth.clear();
        for (qsizetype i = 0; i < request.conditions.size(); ++i) {
            const PreparedCondition& condition = prepared.conditions[i];
            appendTruth(truth, request.conditions[i], condition.test(reader.value(condition.source)));
        }
        if (truthValue(truth) && passesEmailFilter(request.emailFilter, access)) result.matches << key;
    }
    if (progress) progress(total, total);
    return result;
}

}  // namespace vn
