// Window 9 after the evaluation of a Report or Mail Merge request: the print-field and sort
// views, the report's outputs and sums, the merge file and its word processor.
#include "requests/ui/builder_window.h"

#include "lists/definitions/definition_cache.h"
#include "lists/siblings/linked_value_resolver.h"
#include "requests/evaluation/linked_reader.h"
#include "platform/drive_map.h"
#include "platform/prompter.h"
#include "requests/merge/merge_file.h"
#include "requests/report/report_records.h"
#include "platform/ui/busy_cursor.h"
#include "requests/ui/report_choices_view.h"
#include "requests/ui/report_output.h"
#include "requests/ui/report_screen_view.h"
#include "requests/ui/report_summing_view.h"
#include "shell/core/session.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace vn {

void RequestBuilderWindow::connectReport() {
    using V = ReportChoicesView;
    using C = ReportChoices;
    connect(m_reportView, &V::pageClicked, this, [this](int page) { onReport([page](C& c) { c.showPage(page); }); });
    connect(m_reportView, &V::fieldClicked, this,
            [this](const FieldRef& field) { onReport([field](C& c) { c.clickField(field); }); });
    connect(m_reportView, &V::clearClicked, this, [this] {
        onReport([](C& c) { c.state().stage == ReportStage::PrintFields ? c.clearPrintFields() : c.clearSortFields(); });
    });
    connect(m_reportView, &V::continueClicked, this, [this] { onReport(&C::continueToSort); });
    connect(m_reportView, &V::processClicked, this, [this] { processReport(); });
    connect(m_reportView, &V::reSelectClicked, this, [this] { onReport(&C::reSelect); });
    connect(m_reportView, &V::selectPrinterClicked, this, [this] { selectPrinter(); });
    connect(m_reportView, &V::openWordProcessorClicked, this, [this] { openWordProcessor(); });
    connect(m_reportView, &V::fileClicked, this,
            [this] { outputReport([this](const ReportDocument& doc) { return reportToFile(m_session, doc); }); });
    connect(m_reportView, &V::printerClicked, this, [this] {
        outputReport([this](const ReportDocument& doc) { return reportToPrinter(m_session, doc, m_reportPrinter); });
    });
    connect(m_reportView, &V::screenClicked, this, [this] {
        outputReport([this](const ReportDocument& doc) {
            const ScreenViews views = reportToScreen(m_session, doc);
            if (views.count == 0) return false;
            m_reportScreen->showViews(m_session.folders.outputFolder(), views.count);
            m_screenShown = true;
            return true;
        });
    });
    // "Exit" clears the output choice and goes back to the sort view.
    connect(m_reportScreen, &ReportScreenView::exitClicked, this, [this] {
        m_screenShown = false;
        onReport(&C::reSelect);
    });
}

void RequestBuilderWindow::connectSumming() {
    using V = ReportSummingView;
    using C = ReportChoices;
    connect(m_reportView, &ReportChoicesView::summingClicked, this, [this] { onReport(&C::openSumming); });
    connect(m_reportSumming, &V::totalsClicked, this, [this](qsizetype column) { onReport([column](C& c) { c.tickTotals(column); }); });
    connect(m_reportSumming, &V::allTotalsClicked, this, [this](bool on) { onReport([on](C& c) { c.setAllTotals(on); }); });
    connect(m_reportSumming, &V::modeChosen, this, [this](SummingMode mode) { onReport([mode](C& c) { c.chooseSummingMode(mode); }); });
    connect(m_reportSumming, &V::breakSelected, this,
            [this](const FieldRef& field) { onReport([field](C& c) { c.selectBreak(field); }); });
    connect(m_reportSumming, &V::breakUnselected, this,
            [this](const FieldRef& field) { onReport([field](C& c) { c.unselectBreak(field); }); });
    connect(m_reportSumming, &V::processClicked, this, [this] { onReport(&C::processSumming); });
}

void RequestBuilderWindow::onReport(const std::function<void(ReportChoices&)>& event) {
    if (m_drive.drawing()) return;
    event(m_report);
    m_drive.redraw();
}

// Widths in characters: the header's from its table, a page field's from its definition, a
// grid cell's from its column.
void RequestBuilderWindow::startReport() {
    const auto definitions = m_definitions;
    Session& session = m_session;
    const ReportChoices::FieldWidth width = [definitions, &session](const FieldChoice& field, int column) {
        try {
            if (field.field.page == kHeaderPage) return session.access.GetFieldSize(kHeadSlot, field.field.fieldNumber);
            if (field.gridCell) return definitions->tableConstruction(field.field.page).columns[column].size;
            return definitions->definition(field.field.page, field.definitionPosition).size;
        } catch (const StoreError&) {
            return 0;
        }
    };
    if (m_builder.kind() == RequestKind::MailMerge)
        m_report.startMailMerge(listFields(*definitions), width);
    else
        m_report.start(listFields(*definitions), width,
                       [definitions](const QList<PrintField>& fields) { return sumColumnsFor(fields, *definitions); });
    m_screenShown = false;
    if (m_builder.replaying()) replayReport();
}

std::optional<ReportDocument> RequestBuilderWindow::reportDocument() {
    SqlRequest request = m_builder.request();
    request.printFields = m_report.printFields();
    request.sortFields = m_report.sortFields();
    try {
        BusyCursor busy;
        LinkedValueResolver siblings(m_session.siblingPlaces());
        return buildReport(m_session.access, *m_definitions, request, m_session.labels.sort, m_report.summing(),
                           QDate::currentDate(), linkedFieldReader(siblings));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return std::nullopt;
    }
}

void RequestBuilderWindow::outputReport(const std::function<bool(const ReportDocument&)>& output) {
    const std::optional<ReportDocument> document = reportDocument();
    if (!document) return;
    if (output(*document)) m_report.outputDone();
    redraw();
}

// "Process My Request!": a report offers its outputs, a mail merge writes its file at once.
void RequestBuilderWindow::processReport() {
    bool writeNow = false;
    onReport([&writeNow](ReportChoices& c) { writeNow = c.processRequest(); });
    if (writeNow) writeMerge();
}

void RequestBuilderWindow::writeMerge() {
    const std::optional<ReportDocument> document = reportDocument();
    if (!document) return;
    if (writeMergeFile(m_session.folders.outputFolder(), document->fields, document->records, m_session.prompter))
        m_report.mergeWritten(!document->records.isEmpty());
    redraw();
}

void RequestBuilderWindow::openWordProcessor() {
    const QString path = QDir(m_session.folders.outputFolder()).filePath(kMergeFileName);
    const QString program = wordProcessorProgram(m_session.settings.wordProcessor, DriveMap::fromEnvironment());
    if (!openInWordProcessor(program, path, m_startProgram, m_session.openAddress))
        m_session.prompter.warning(
            QStringLiteral("The merge fields are in\r\r%1\r\rNo word processor could be started.").arg(path));
}

void RequestBuilderWindow::selectPrinter() {
    QPrinter printer;
    if (!m_reportPrinter.isEmpty()) printer.setPrinterName(m_reportPrinter);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("selectPrinterDialog"));
    if (dialog.exec() == QDialog::Accepted) m_reportPrinter = printer.printerName();
}

}  // namespace vn
