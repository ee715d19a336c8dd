#include "interchange/panels/export_text_panel.h"

#include "interchange/export/csv_export_file.h"
#include "interchange/export/export_line.h"
#include "interchange/export/export_run.h"
#include "interchange/files/settings_lines.h"
#include "interchange/panels/current_definitions.h"
#include "interchange/panels/export_layout.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "platform/prompter.h"
#include "platform/whole_file.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QDir>

namespace vn {

namespace {

constexpr int kCaptionLength = 90;

const char* const kPageCaptions[] = {"Page One Fields...",  "Page Two Fields...",  "Page Three Fields...",
                                     "Page Four Fields...", "Page Five Fields...", "Page Six Fields..."};

OrderEntry boxEntry(const ExportBox& box) { return {box.caption.left(kCaptionLength), box.field, box.hasList}; }

QString csvPreview(const QStringList& captions, bool guard) {
    QStringList cells;
    int guarded = 0;
    for (const QString& caption : captions) cells << csvCell(caption, guard, guarded);
    return cells.join(QLatin1Char(','));
}

}  // namespace

ExportTextPanel::ExportTextPanel(Session& session, PanelHost& host)
    : m_session(session), m_host(host), m_work(m_state.gauge, host) {}

ExportTextPanel::~ExportTextPanel() = default;

bool ExportTextPanel::open() {
    if (m_session.currentListCode.isEmpty()) {
        m_session.prompter.information(QString::fromLatin1(kNoList));
        return false;
    }
    leaveView();
    m_definitions = currentDefinitions(m_session);
    m_state.listCode = m_session.currentListCode;
    m_state.listTitle = m_session.currentListTitle;
    m_state.pageButtons[0] = true;
    for (int page = 2; page <= kPageCount; ++page)
        m_state.pageButtons[std::size_t(page - 1)] = m_definitions->definitionCount(page) > 0;
    clearOrder();
    return true;
}

void ExportTextPanel::showPage(int page) {
    if (!m_definitions || page < 1 || page > kPageCount || !m_state.pageButtons[std::size_t(page - 1)]) return;
    m_state.boxes = exportPageBoxes(*m_definitions, page);
    m_state.pageCaption = QString::fromLatin1(kPageCaptions[page - 1]);
}

void ExportTextPanel::toggleHeader(int column) {
    if (column < 1 || column > kHeaderFieldCount) return;
    toggle({headerFieldCaptions()[column - 1], FieldRef{0, column}, false});
}

void ExportTextPanel::toggleBox(FieldRef field) {
    if (const ExportBox* box = m_state.boxes.find(field)) toggle(boxEntry(*box));
}

void ExportTextPanel::toggleCell(int row, int column) {
    const ExportTable& table = m_state.boxes.table;
    if (row < 1 || row > table.rows || column < 1 || column > table.columns) return;
    const int page = m_state.boxes.page;
    toggle({tableCellCaption(page, row, column), exportCellField(page, row, column), false});
}

// Boxes already chosen keep their numbers; the cells switch, column by column.
void ExportTextPanel::exportAllOnPage() {
    const ExportPageBoxes& boxes = m_state.boxes;
    for (const QList<ExportBox>* group : {&boxes.texts, &boxes.checks, &boxes.radios})
        for (const ExportBox& box : *group)
            if (!m_order.isChosen(box.field)) m_order.choose(boxEntry(box));
    for (int column = 1; column <= boxes.table.columns; ++column)
        for (int row = 1; row <= boxes.table.rows; ++row) toggleCell(row, column);
    changed();
}

void ExportTextPanel::clearOrder() {
    m_order.clear();
    showPage(1);
    changed();
}

void ExportTextPanel::toggle(const OrderEntry& entry) {
    if (!m_order.unchoose(entry.field)) m_order.choose(entry);
    changed();
}

void ExportTextPanel::chooseMethod(ExportMethod method) {
    m_state.choices.method = method;
    m_state.focus = method == ExportMethod::FixedLength ? ExportFocus::Size
                    : method == ExportMethod::Delimited ? ExportFocus::Delimiter
                                                        : ExportFocus::None;
    changed();
}

void ExportTextPanel::editSize(const QString& text) { editText(&ExportChoices::sizeText, text); }

// Readiness follows the edits as they are typed; their refusals come when they are left.
void ExportTextPanel::editText(QString ExportChoices::*edit, const QString& text) {
    m_state.choices.*edit = text;
    m_state.focus = ExportFocus::None;
    changed();
}

void ExportTextPanel::leaveSize() {
    m_state.focus = m_state.choices.leaveSize();
    changed();
}

void ExportTextPanel::enterSize() {
    leaveSize();
    if (m_state.focus == ExportFocus::None)
        m_state.focus = m_state.processEnabled ? ExportFocus::Process : ExportFocus::Return;
}

void ExportTextPanel::editDelimiter(const QString& text) { editText(&ExportChoices::delimiterText, text); }

void ExportTextPanel::leaveDelimiter() {
    bool beep = false;
    m_state.focus = m_state.choices.leaveDelimiter(beep);
    if (beep) m_session.prompter.beep();
    changed();
}

void ExportTextPanel::enterDelimiter() {
    leaveDelimiter();
    if (m_state.focus == ExportFocus::None) m_state.focus = ExportFocus::Separator;
}

void ExportTextPanel::editSeparator(const QString& text) { editText(&ExportChoices::separatorText, text); }

void ExportTextPanel::leaveSeparator() {
    bool beep = false;
    ExportChoices& choices = m_state.choices;
    const ExportFocus refused = choices.leaveSeparator(beep, ExportFocus::None);
    if (beep) m_session.prompter.beep();
    changed();
    m_state.focus = refused != ExportFocus::None ? refused
                    : m_state.processEnabled     ? ExportFocus::Process
                                                 : ExportFocus::Return;
}

void ExportTextPanel::enterSeparator() {
    leaveSeparator();
    if (m_state.focus != ExportFocus::Separator) m_state.focus = ExportFocus::Return;
}

void ExportTextPanel::chooseMode(ExportMode mode) {
    m_state.choices.mode = mode;
    changed();
}

void ExportTextPanel::chooseOption(SelectionOutput option) {
    m_state.choices.option = option;
    m_state.choices.optionChosen = true;
    changed();
}

void ExportTextPanel::chooseCharset(TextCharset charset) {
    m_state.choices.charset = charset;
    changed();
}

void ExportTextPanel::setByteOrderMark(bool on) { m_state.choices.byteOrderMark = on; }

void ExportTextPanel::setGuardFormulas(bool on) {
    m_state.choices.guardFormulas = on;
    rebuildPreview();
}

// Every change of the order or of a choice gives "Process / Create File" its chance again.
void ExportTextPanel::changed() {
    m_armed = true;
    rebuildPreview();
    m_state.processEnabled = m_armed && m_state.choices.complete() && m_order.count() >= 1 && !m_state.fileOpen;
}

void ExportTextPanel::rebuildPreview() {
    if (m_state.fileOpen) return;  // the text line shows the record on offer
    const ExportChoices& choices = m_state.choices;
    const QStringList captions = m_order.captions();
    m_state.textLineShowsRecord = false;
    switch (choices.method) {
    case ExportMethod::Csv: m_state.textLine = csvPreview(captions, choices.guardFormulas); break;
    case ExportMethod::Xlsx: m_state.textLine = captions.join(QLatin1Char('\t')); break;
    default: m_state.textLine = previewExportLine(captions, choices.cutSettings()); break;
    }
}

QString ExportTextPanel::exchangePath(const QString& name) const {
    return QDir(m_session.folders.exchangeFolder()).filePath(name);
}

QString ExportTextPanel::textFilePath() const { return exchangePath(QStringLiteral("export.vnd")); }

QString ExportTextPanel::suggestedPath() const {
    const QString suffix = m_state.choices.method == ExportMethod::Xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    return exchangePath(m_state.listCode.toLower() + suffix);
}

QString ExportTextPanel::suggestedLayoutPath() const { return exchangePath(m_state.listCode.toLower() + QStringLiteral(".layout")); }

void ExportTextPanel::saveLayout(const QString& path) {
    const QString text = layoutFileText(layoutSettings(m_state.choices), m_order.entries());
    const QString failure = writeWholeFile(path, text.toUtf8());
    if (!failure.isEmpty()) m_session.prompter.error(fileProblemText(path, 0, failure));
}

// The file's order replaces the chosen one, and its settings count as chosen; the shown page stays.
void ExportTextPanel::openLayout(const QString& path) {
    if (!m_definitions || m_state.fileOpen) return;
    MapFileProblem problem;
    const std::optional<LayoutFile> layout = readLayoutFile(path, *m_definitions, problem);
    if (!layout) {
        m_session.prompter.error(fileProblemText(path, problem.line, problem.message));
        return;
    }
    m_order.clear();
    for (OrderEntry entry : layout->order) {
        entry.caption.truncate(kCaptionLength);
        m_order.choose(entry);
    }
    applyLayoutSettings(m_state.choices, layout->settings);
    m_state.focus = ExportFocus::None;
    changed();
}

ExportPlan ExportTextPanel::plan(const QString& path) const {
    const ExportChoices& choices = m_state.choices;
    ExportPlan plan;
    plan.listCode = m_state.listCode.toLower();
    plan.order = m_order.entries();
    plan.selection = choices.option;
    plan.format = choices.format();
    plan.line = choices.cutSettings();
    plan.charset = choices.charset;
    plan.byteOrderMark = choices.byteOrderMark;
    plan.guardFormulas = choices.guardFormulas;
    plan.path = path;
    return plan;
}

void ExportTextPanel::process(const QString& chosenPath) {
    if (!m_state.processEnabled) return;
    const QString path = m_state.choices.writesTextFile() ? textFilePath() : chosenPath;
    if (path.isEmpty()) return;
    m_armed = false;
    m_state.processEnabled = false;
    m_path = path;
    try {
        if (m_state.choices.runsAutomatically())
            runAutomatically(plan(path));
        else
            startLineByLine(plan(path));
    } catch (const StoreError& e) {
        m_lineRun.reset();
        closeFile();
        m_session.prompter.error(e.message());
    }
}

void ExportTextPanel::runAutomatically(const ExportPlan& plan) {
    m_state.fileOpen = true;
    m_state.acceptEnabled = m_state.skipEnabled = false;
    ExportSummary summary;
    QString failure;
    const WorkEnd end = m_work.run([&](const WorkProgress& progress) {
        return exportList(m_session.access, plan, progress, summary, failure);
    });
    closeFile();
    if (end == WorkEnd::Done) tellDone(plan.path, summary);
    if (end == WorkEnd::Failed) tellCannotCreate(failure);
    if (end == WorkEnd::Cancelled)
        m_session.prompter.information(QStringLiteral("The export was cancelled.  %1 was left as it was.").arg(plan.path));
}

void ExportTextPanel::startLineByLine(const ExportPlan& plan) {
    m_lineRun = std::make_unique<LineByLineExport>(m_session.access, plan);
    QString failure;
    if (!m_lineRun->open(failure)) {
        m_lineRun.reset();
        tellCannotCreate(failure);
        return;
    }
    m_state.fileOpen = true;
    m_state.acceptEnabled = m_state.skipEnabled = true;
    m_state.textLineShowsRecord = true;
    if (m_lineRun->atEnd()) {
        m_state.textLine.clear();
        finishLineByLine(false);  // an empty list: an empty file, no message
    } else {
        m_state.textLine = m_lineRun->currentLine();
    }
}

void ExportTextPanel::acceptRecord() {
    if (!m_lineRun || m_lineRun->atEnd()) return;
    m_lineRun->accept();
    offerNext();
}

void ExportTextPanel::skipRecord() {
    if (!m_lineRun || m_lineRun->atEnd()) return;
    m_lineRun->skip();
    offerNext();
}

void ExportTextPanel::offerNext() {
    m_state.textLine = m_lineRun->atEnd() ? QString() : m_lineRun->currentLine();
    if (m_lineRun->atEnd()) finishLineByLine(true);
}

void ExportTextPanel::finishLineByLine(bool tell) {
    ExportSummary summary;
    QString failure;
    const bool written = m_lineRun->finish(summary, failure);
    m_lineRun.reset();
    closeFile();
    if (!written)
        tellCannotCreate(failure);
    else if (tell)
        tellDone(m_path, summary);
}

void ExportTextPanel::leaveView() {
    if (m_lineRun) finishLineByLine(false);
}

void ExportTextPanel::closeFile() {
    m_state.fileOpen = false;
    m_state.acceptEnabled = m_state.skipEnabled = false;
    m_state.processEnabled = m_armed && m_state.choices.complete() && m_order.count() >= 1;
}

void ExportTextPanel::tellCannotCreate(const QString& failure) {
    m_session.prompter.beep();
    QString text = QString::fromLatin1(kCannotCreate);
    if (!failure.isEmpty()) text += QStringLiteral("\r\r") + failure;
    m_session.prompter.error(text);
}

void ExportTextPanel::tellDone(const QString& path, const ExportSummary& summary) {
    m_session.prompter.beep();
    m_session.prompter.information(summary.message(path));
}

}  // namespace vn
