#include "interchange/export/export_run.h"

#include "interchange/export/export_sink.h"
#include "interchange/export/text_export_file.h"

namespace vn {

struct LineByLineExport::State {
    State(RecordAccess& access, ExportPlan plan)
        : access(access), plan(std::move(plan)), reader(access, this->plan.listCode, this->plan.order, this->plan.selection) {}

    void offer() {
        values = atEnd() ? QStringList() : reader.values(keys[next]);
        line = atEnd() ? QString() : textExportLine(values, plan.line).text;
    }
    bool atEnd() const { return next >= keys.size(); }

    RecordAccess& access;
    ExportPlan plan;
    ExportValueReader reader;
    ExportSummary summary;
    std::unique_ptr<ExportSink> sink;
    QStringList keys;
    qsizetype next = 0;
    QStringList values;
    QString line;
};

LineByLineExport::LineByLineExport(RecordAccess& access, ExportPlan plan)
    : m_state(std::make_unique<State>(access, std::move(plan))) {}

LineByLineExport::~LineByLineExport() = default;

bool LineByLineExport::open(QString& failure) {
    State& s = *m_state;
    s.summary = ExportSummary{};
    s.sink = makeExportSink(s.plan, s.summary);
    if (!s.sink->open(failure)) {
        s.sink.reset();
        return false;
    }
    s.sink->writeCaptions(orderCaptions(s.plan.order));
    s.keys = listRecordKeys(s.access, s.plan.listCode);
    s.next = 0;
    s.offer();
    return true;
}

bool LineByLineExport::atEnd() const { return !m_state->sink || m_state->atEnd(); }

QString LineByLineExport::currentLine() const { return m_state->line; }

void LineByLineExport::accept() {
    State& s = *m_state;
    if (atEnd()) return;
    s.sink->writeRecord(s.values);
    ++s.summary.records;
    skip();
}

void LineByLineExport::skip() {
    State& s = *m_state;
    if (atEnd()) return;
    ++s.next;
    s.offer();
}

bool LineByLineExport::finish(ExportSummary& summary, QString& failure) {
    State& s = *m_state;
    if (!s.sink) {
        failure = QStringLiteral("%1: the file was not created").arg(s.plan.path);
        return false;
    }
    const bool written = s.sink->commit(failure);
    s.sink.reset();
    summary = s.summary;
    return written;
}

}  // namespace vn
