#include "interchange/panels/import_text_panel.h"

#include "interchange/import/import_run.h"
#include "interchange/panels/current_definitions.h"
#include "interchange/panels/import_targets.h"
#include "interchange/panels/import_texts.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "platform/prompter.h"
#include "shell/core/own_office.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

// A whole number of at least 1, digits only.
std::optional<int> fieldSize(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > 127) return std::nullopt;
    bool ok = false;
    const int size = text.toInt(&ok);
    return ok && size >= 1 ? std::optional<int>(size) : std::nullopt;
}

QChar firstChar(const QString& text) { return text.isEmpty() ? QChar() : text.at(0); }

}  // namespace

ImportTextPanel::ImportTextPanel(Session& session, PanelHost& host) : m_session(session), m_work(m_state.gauge, host) {}

ImportTextPanel::~ImportTextPanel() = default;

bool ImportTextPanel::open() {
    m_run.reset();
    if (m_session.currentListCode.isEmpty()) {
        m_session.prompter.information(importNeedsList());
        return false;
    }
    m_definitions = currentDefinitions(m_session);
    const int focusRequest = m_state.focusRequest;  // the view counts on it only growing
    m_state = ImportTextState{};
    m_state.focusRequest = focusRequest;
    m_state.listCode = m_session.currentListCode;
    m_state.listTitle = m_session.currentListTitle;
    m_state.headerBoxes = headerTargetBoxes();
    m_lines = {};
    m_split.reset();
    m_skip = 0;
    m_charset.reset();
    m_mapping.clear();
    m_saved = false;
    for (int page = 1; page <= kPageCount; ++page)
        m_state.pageButtonsShown[std::size_t(page - 1)] = pageDefined(*m_definitions, page);
    showPage(1);
    return true;
}

// An unreadable file leaves the view as it was.
void ImportTextPanel::selectFile(const QString& path) {
    if (path.isEmpty() || m_state.gauge.working) return;
    TextProblem problem;
    std::optional<TextFileLines> lines = readImportText(path, m_charset, problem);
    if (!lines) {
        tellProblem(path, problem);
        return;
    }
    if (lines->lines.isEmpty()) {
        m_session.prompter.information(importFileEmpty(path));
        return;
    }
    loadFile(path, std::move(*lines));
}

void ImportTextPanel::loadFile(const QString& path, TextFileLines lines) {
    m_run.reset();
    m_lines = std::move(lines);
    m_state.fileName = path;
    m_state.importFields.clear();
    m_state.selectedField = 0;
    m_split.reset();
    m_mapping.clear();
    m_saved = false;
    m_state.process = ProcessMethod::None;
    m_state.methodsEnabled = true;
    m_state.splitEnabled = m_state.method != FieldMethod::None && enteredSettings().isReady();
    showLine(m_lines.lines.first());
    m_state.counter = importCounter(1, int(m_lines.lines.size()), false);
    showPage(1);
}

CutSettings ImportTextPanel::enteredSettings() const {
    CutSettings settings;
    settings.method = m_state.method;
    if (m_state.method == FieldMethod::FixedLength) settings.size = fieldSize(m_state.sizeText).value_or(0);
    if (m_state.method == FieldMethod::Delimited) {
        settings.delimiter = firstChar(m_state.delimiterText);
        settings.separator = firstChar(m_state.separatorText);
    }
    return settings;
}

void ImportTextPanel::requestFocus(ImportFocus focus) {
    m_state.focus = focus;
    ++m_state.focusRequest;
}

// Fixed length shows its spaces as "~" so that field sizes can be counted; the line is cut as it is.
void ImportTextPanel::showLine(const QString& text) {
    m_state.preview = text;
    if (m_state.method == FieldMethod::FixedLength) m_state.preview.replace(u' ', u'~');
}

void ImportTextPanel::chooseMethod(FieldMethod method) {
    if (!m_state.methodsEnabled || method == FieldMethod::None) return;
    m_state.method = method;
    m_state.sizeShown = method == FieldMethod::FixedLength;
    m_state.delimitersShown = method == FieldMethod::Delimited;
    m_state.splitEnabled = enteredSettings().isReady();  // tab at once; the others once their entries hold
    if (method == FieldMethod::FixedLength) requestFocus(ImportFocus::Size);
    if (method == FieldMethod::Delimited) requestFocus(ImportFocus::Delimiter);
    if (!m_lines.lines.isEmpty() && !m_run) showLine(m_lines.lines.first());
    refreshEnabling();
}

void ImportTextPanel::enterSize(const QString& text, Leave how) {
    if (m_state.method != FieldMethod::FixedLength) return;
    takeMethodEntry(m_state.sizeText, text, fieldSize(text).has_value(), how, ImportFocus::Size, false);
}

// An entry that completes the method: a valid one enables the split and moves the focus there; an
// invalid one is emptied and, unless an empty box was just left, keeps the focus.
void ImportTextPanel::takeMethodEntry(QString& stored, const QString& text, bool valid, Leave how, ImportFocus own,
                                      bool beep) {
    m_state.splitEnabled = valid;
    stored = valid ? text : QString();
    if (valid) {
        requestFocus(ImportFocus::Split);
        return;
    }
    if (text.isEmpty() && how == Leave::Focus) return;
    if (beep) m_session.prompter.beep();
    requestFocus(own);
}

void ImportTextPanel::enterDelimiter(const QString& text, Leave how) {
    if (m_state.method != FieldMethod::Delimited) return;
    if (text.size() > 1) {
        m_session.prompter.beep();
        m_state.delimiterText.clear();
        requestFocus(ImportFocus::Delimiter);
        return;
    }
    m_state.delimiterText = text;
    if (how == Leave::Enter) requestFocus(ImportFocus::Separator);
}

// A separator is required, one character that is not the data delimiter.
void ImportTextPanel::enterSeparator(const QString& text, Leave how) {
    if (m_state.method != FieldMethod::Delimited) return;
    const bool valid = text.size() == 1 && text != m_state.delimiterText;
    takeMethodEntry(m_state.separatorText, text, valid, how, ImportFocus::Separator, true);
}

// The whole file is read and cut now, so a file the method cannot read is refused before any
// mapping.
void ImportTextPanel::split() {
    const CutSettings settings = enteredSettings();
    if (!m_state.splitEnabled || !settings.isReady() || m_state.fileName.isEmpty()) return;
    const std::optional<QList<ImportRecord>> records = readAndCut(settings, m_charset);
    if (records) useSplit(settings, *records);
}

// Fixed length may be tried with another size; the other methods split once.
void ImportTextPanel::useSplit(const CutSettings& settings, const QList<ImportRecord>& records) {
    m_split = settings;
    showLine(records.first().text);
    m_state.counter = importCounter(records.first().firstLine, int(m_lines.lines.size()), false);
    m_state.splitEnabled = settings.method == FieldMethod::FixedLength;
    fillImportFields(records.first().fields);
}

// The file as it is now, read again and cut whole; a refused file leaves everything as it was.
std::optional<QList<ImportRecord>> ImportTextPanel::readAndCut(const CutSettings& settings,
                                                                std::optional<TextCharset> charset) {
    TextProblem problem;
    std::optional<TextFileLines> lines = readImportText(m_state.fileName, charset, problem);
    std::optional<QList<ImportRecord>> records;
    if (lines) records = cutImportRecords(*lines, settings, problem);
    if (!records) {
        tellProblem(m_state.fileName, problem);
        return std::nullopt;
    }
    if (records->isEmpty()) {
        m_session.prompter.information(importFileEmpty(m_state.fileName));
        return std::nullopt;
    }
    m_lines = std::move(*lines);
    return records;
}

// A new split keeps the mapping of the import fields it still has.
void ImportTextPanel::fillImportFields(const QStringList& pieces) {
    m_state.importFields.clear();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const int number = int(i + 1);
        m_state.importFields.append({number, QString::number(number) + QStringLiteral("    ") + pieces[i], false});
    }
    m_state.selectedField = 0;
    for (int field : m_mapping.mappedFields())
        if (field > pieces.size())
            for (FieldRef target : m_mapping.targetsOf(field)) m_mapping.unmap(target);
    mappingChanged();
}

void ImportTextPanel::selectField(int number) {
    if (number < 1 || number > m_state.importFields.size()) return;
    m_state.selectedField = number;
}

void ImportTextPanel::clickBox(FieldRef target) {
    const int selected = m_state.selectedField;
    if (selected == 0) {
        if (!m_mapping.fieldOf(target)) return;  // stays unchecked
        m_mapping.unmap(target);
        mappingChanged();
        return;
    }
    m_state.selectedField = 0;
    if (selected > ImportMapping::kMaxFields) {
        m_session.prompter.information(importFieldBeyondLimit(ImportMapping::kMaxFields));
        return;
    }
    m_mapping.unmap(target);
    m_mapping.map(selected, target);
    mappingChanged();
}

void ImportTextPanel::showPage(int page) {
    if (!m_definitions || !pageDefined(*m_definitions, page)) return;
    m_state.shownPage = page;
    m_state.pageGroupCaption = pageGroupCaption(page);
    m_state.pageBoxes = pageTextBoxes(*m_definitions, page);
    refreshMapping();
}

// Another mapping has to be saved before it is processed.
void ImportTextPanel::mappingChanged() {
    m_saved = false;
    m_state.process = ProcessMethod::None;
    refreshMapping();
}

void ImportTextPanel::refreshMapping() {
    for (TargetBox& box : m_state.headerBoxes) box.field = m_mapping.fieldOf(box.target).value_or(0);
    for (TargetBox& box : m_state.pageBoxes) box.field = m_mapping.fieldOf(box.target).value_or(0);
    const QList<int> mapped = m_mapping.mappedFields();
    for (ImportFieldEntry& entry : m_state.importFields) entry.marked = mapped.contains(entry.number);
    m_state.mappingCount = m_mapping.count();
    refreshEnabling();
}

void ImportTextPanel::refreshEnabling() {
    const bool mapped = m_state.mappingCount > 0;
    m_state.clearEnabled = mapped;
    m_state.saveEnabled = mapped && !m_saved;
    m_state.processEnabled = mapped && m_saved;
    if (!m_state.processEnabled) m_state.process = ProcessMethod::None;
    m_state.startEnabled =
        m_state.processEnabled && m_split && m_state.process != ProcessMethod::None && !m_run && !m_state.gauge.working;
    m_state.acceptEnabled = m_run != nullptr;
    m_state.mapSaveEnabled = mapped && m_split && !m_state.gauge.working;
    m_state.mapOpenEnabled = !m_state.fileName.isEmpty() && !m_run;
}

void ImportTextPanel::clearMapping() {
    m_run.reset();
    m_mapping.clear();
    m_saved = false;
    m_state.process = ProcessMethod::None;
    m_state.selectedField = 0;
    m_state.splitEnabled = false;
    showPage(1);
}

void ImportTextPanel::saveMapping() {
    if (!m_state.saveEnabled) return;
    m_saved = true;
    refreshEnabling();
}

void ImportTextPanel::chooseProcess(ProcessMethod method) {
    if (!m_state.processEnabled || m_run) return;
    m_state.process = method;
    refreshEnabling();
}

void ImportTextPanel::start() {
    if (!m_state.startEnabled) return;
    const std::optional<QList<ImportRecord>> records = readAndCut(*m_split, m_charset);
    if (!records) return;
    ImportPlan plan;
    plan.listCode = m_state.listCode;
    plan.origin = KeyOrigin{m_session.identity.stateCode, ownOfficeCode(m_session.identity)};
    plan.highestPage = highestDefinedPage(*m_definitions);
    plan.fieldCount = int(m_state.importFields.size());
    plan.mapping = m_mapping;
    m_run = std::make_unique<ImportRun>(m_session.access, std::move(plan), *records);
    m_next = qMin(m_skip, m_run->recordCount());
    if (m_state.process == ProcessMethod::Automatically) {
        runAutomatically();
        return;
    }
    refreshEnabling();
    if (m_next >= m_run->recordCount()) finishRun();
    else showRunRecord();
}

// One transaction for the whole file: a failure or Cancel leaves no record behind.
void ImportTextPanel::runAutomatically() {
    const int total = int(m_lines.lines.size());
    const WorkEnd end = m_work.run([this, total](WorkProgress progress) {
        auto step = progress.step;
        progress.step = [this, step, total](qint64 done, qint64 all) {
            if (done > 0 && done <= m_run->recordCount()) {
                const ImportRecord& record = m_run->record(int(done - 1));
                m_state.counter = importCounter(record.firstLine, total, true);
                showLine(record.text);
            }
            return step ? step(done, all) : true;
        };
        progress.show(importWorkCaption());
        try {
            return m_run->importAll(progress, m_next);
        } catch (const StoreError& error) {
            m_session.prompter.error(importStopped(error.message()));
            return WorkEnd::Declined;
        }
    });
    switch (end) {
    case WorkEnd::Done: finishRun(); return;
    case WorkEnd::Cancelled: m_session.prompter.information(importCancelled()); break;
    case WorkEnd::Failed: m_session.prompter.error(importStopped(m_run->failure())); break;
    case WorkEnd::Declined: break;
    }
    m_run.reset();
    m_state.counter.clear();
    refreshEnabling();
}

void ImportTextPanel::showRunRecord() {
    const ImportRecord& record = m_run->record(m_next);
    showLine(record.text);
    m_state.counter = importCounter(record.firstLine, int(m_lines.lines.size()), false);
}

void ImportTextPanel::accept() {
    if (!m_run || m_next >= m_run->recordCount()) return;
    const QString before = m_run->failure();
    try {
        m_run->importOne(m_next);
    } catch (const StoreError& error) {
        m_session.prompter.error(importLineFailed(error.message()));
        return;
    }
    if (m_run->failure() != before && !m_run->failure().isEmpty()) {
        m_session.prompter.error(importLineFailed(m_run->failure()));
        return;
    }
    moveOn();
}

void ImportTextPanel::skip() {
    if (!m_run || m_next >= m_run->recordCount()) return;
    m_run->skipOne(m_next);
    moveOn();
}

void ImportTextPanel::moveOn() {
    ++m_next;
    if (m_next < m_run->recordCount()) showRunRecord();
    else finishRun();
}

// The end of the file: "EOF", the preview emptied, and what the run did.
void ImportTextPanel::finishRun() {
    const ImportSummary summary = m_run->summary();
    m_run.reset();
    m_state.counter = QStringLiteral("EOF");
    m_state.preview.clear();
    refreshEnabling();
    m_session.prompter.information(summary.message());
}

void ImportTextPanel::stop() {
    m_run.reset();
    refreshEnabling();
}

void ImportTextPanel::help() { m_session.prompter.information(importDirections()); }

void ImportTextPanel::tellProblem(const QString& path, const TextProblem& problem) {
    m_session.prompter.error(importFileProblem(path, problem));
}

}  // namespace vn
