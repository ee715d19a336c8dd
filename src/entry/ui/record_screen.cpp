#include "entry/ui/record_screen.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_reader.h"
#include "lists/pages/page_layout.h"
#include "lists/ui/page_canvas.h"
#include "lists/ui/page_scroll_area.h"
#include "entry/printout/record_document.h"
#include "entry/rules/focus_plan.h"
#include "entry/session/entry_session.h"
#include "entry/ui/field_checker.h"
#include "entry/rules/header_tidy.h"
#include "entry/ui/header_keys.h"
#include "entry/ui/header_link_view.h"
#include "entry/ui/linked_field_view.h"
#include "entry/ui/page_form.h"
#include "entry/ui/selection_panel.h"
#include "platform/help_agent.h"
#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr const char* kHeaderCaptions[16] = {"Record Code", "Title", "First", "M.I.", "Last", "Suffix",
                                             "Home Phone", "Work Phone", "Email", "Position/Title", "Company",
                                             "Address 1", "Address 2", "City", "State", "Zip"};

const char* const kPageNote =
    "Please Note!  \nFor any data collected via this form to be saved correctly, it is imperative that\nthe header "
    "information (fields) must be filled in correctly.  The header fields can\nonly be filled when you are displaying "
    "Page 1.  If you did not fill out the header\nfields, return to page one and do so before Saving this record.";

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

}  // namespace

RecordScreen::RecordScreen(EntrySession& session, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_session(session), m_prompter(prompter), m_measure(std::make_unique<QtTextMeasure>()),
      m_printout(std::make_unique<RecordPrintoutFile>()) {
    setObjectName(QStringLiteral("recordScreen"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_modes = new QStackedWidget(this);
    m_modes->setObjectName(QStringLiteral("recordModes"));
    outer->addWidget(m_modes);
    m_modes->addWidget(buildBody());
    m_headerLink = new HeaderLinkView(m_session, m_prompter, m_modes);
    m_linkedField = new LinkedFieldView(m_session, m_prompter, m_modes);
    m_modes->addWidget(m_headerLink);
    m_modes->addWidget(m_linkedField);
    connect(m_headerLink, &HeaderLinkView::finished, this, [this] { backFromLink(true); });
    connect(m_linkedField, &LinkedFieldView::finished, this, [this](bool changed) {
        // The body hands the focus back to the linked box first: that is no new entry into it.
        const QScopedValueRollback returning(m_returningFromLink, true);
        backFromLink(changed);
        moveFocus();  // on past the linked field
    });
    m_session.setPendingChecks([checker = QPointer<FieldChecker>(m_checker)] { return !checker || checker->flush(); });
}

QWidget* RecordScreen::buildBody() {
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("recordBody"));
    auto* layout = new QHBoxLayout(m_body);
    // The page column is as wide as the page; the side panel takes what is left.
    auto* pageColumn = new QWidget(m_body);
    auto* left = new QVBoxLayout(pageColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildHeader());
    m_headerNote = new QLabel(QString::fromLatin1(kPageNote), m_body);
    m_headerNote->setObjectName(QStringLiteral("headerNote"));
    left->addWidget(m_headerNote);
    m_page = new PageForm;
    m_page->setGridEnd([this] { focusIfUsable(m_saveExit); });
    connect(m_page, &PageForm::helpAsked, this, [this](int number) { speakHelp(number); });
    QScrollArea* scroll = pageScrollArea(m_page, pageColumn);
    left->addWidget(scroll);
    left->addStretch();
    pageColumn->setMaximumWidth(scroll->minimumWidth());
    layout->addWidget(pageColumn);
    layout->addWidget(buildSide(), 1);
    return m_body;
}

QWidget* RecordScreen::buildSide() {
    m_side = new QStackedWidget(m_body);
    m_side->setObjectName(QStringLiteral("sidePanels"));
    m_options = buildOptions();
    m_panel = new SelectionPanel(m_side);
    m_side->addWidget(m_options);
    m_side->addWidget(m_panel);
    FieldChecker::Screen screen{[this] { showOptions(); }, [this] { m_side->setCurrentWidget(m_panel); },
                                [this](int page) { focusIfUsable(m_pageButtons[page - 1]); }, [this] { moveFocus(); },
                                [this](int column) { openLinkedField(column); }};
    m_checker = new FieldChecker(m_session, m_prompter, *m_page, *m_panel, std::move(screen), this);
    return m_side;
}

void RecordScreen::setSelectionAccess(RecordAccess& access) { m_checker->setSelectionAccess(access); }

void RecordScreen::setHelp(RecordAccess& access, std::function<HelpAgent&()> agent) {
    m_helpAccess = &access;
    m_agent = std::move(agent);
}

void RecordScreen::speakHelp(int definitionNumber) {
    if (!m_helpAccess || !m_agent || !m_agent().enabled()) return;
    const QString key = definitionKey(m_session.definitions().listCode(), m_session.currentPage(), definitionNumber);
    const QString text = ReadHelpText(*m_helpAccess, key);
    if (text.isEmpty()) return;
    m_agent().speak(text, kHelpPoint);
    m_hideAgent->setEnabled(true);
}

// Only the character this screen called up is sent away.
void RecordScreen::dismissAgent() {
    if (!m_hideAgent->isEnabled()) return;
    m_hideAgent->setEnabled(false);
    if (m_agent) m_agent().hide();
}

void RecordScreen::leave(bool listAgain) {
    dismissAgent();
    emit toRecordSelection(listAgain);
}

void RecordScreen::showOptions() { m_side->setCurrentWidget(m_options); }

void RecordScreen::focusIfUsable(QWidget* target) {
    if (target && target->isVisible() && target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
}

void RecordScreen::startFocus() {
    m_checker->setFocusTarget(1);
    moveFocus();
}

void RecordScreen::moveFocus() {
    const int page = m_session.currentPage();
    PageFocusFacts facts;
    facts.page = page;
    facts.textFields = m_page->textFields().size();
    facts.hasGrid = m_page->firstGridCell() != nullptr;
    QPushButton* next = page < 6 ? m_pageButtons[page] : nullptr;
    facts.nextPageButtonUsable = next && next->isVisible() && next->isEnabled();
    facts.saveUsable = m_saveExit->isVisible() && m_saveExit->isEnabled();
    facts.stay = m_checker->stay();
    const FocusMove move = planFocusMove(facts, m_checker->focusTarget());
    m_checker->setFocusTarget(move.nextTarget);
    showOptions();
    switch (move.kind) {
    case FocusMove::Kind::TextField: focusIfUsable(m_page->textBoxAt(move.tabOrder)); break;
    case FocusMove::Kind::GridCell: focusIfUsable(m_page->firstGridCell()); break;
    case FocusMove::Kind::PageButton: focusIfUsable(next); break;
    case FocusMove::Kind::SaveExit: focusIfUsable(m_saveExit); break;
    case FocusMove::Kind::None: break;
    }
}

// Leaving the screen drops a check still waiting: nobody is there to answer it.
void RecordScreen::hideEvent(QHideEvent* event) {
    m_checker->drop();
    QWidget::hideEvent(event);
}

// The session may be gone already (its window destroys it before its widgets).
RecordScreen::~RecordScreen() { m_checker->release(); }

QWidget* RecordScreen::buildHeader() {
    m_headerBlock = new QGroupBox(QStringLiteral("Header"), this);
    m_headerBlock->setObjectName(QStringLiteral("headerBlock"));
    auto* grid = new QGridLayout(m_headerBlock);
    m_headerKeys = new HeaderKeys(this, [this](int field) { leaveHeaderBox(field); });
    for (int f = 0; f < 16; ++f) {
        auto* edit = new QLineEdit(m_headerBlock);
        edit->setObjectName(QStringLiteral("header%1Edit").arg(f));
        auto* label = new QLabel(QString::fromLatin1(kHeaderCaptions[f]), m_headerBlock);
        label->setBuddy(edit);
        grid->addWidget(label, (f / 8) * 2, f % 8);
        grid->addWidget(edit, (f / 8) * 2 + 1, f % 8);
        m_header[f] = edit;
        if (f == 0) {
            edit->setReadOnly(true);
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("abcwyalb1000000000")) + 12);
            continue;
        }
        connect(edit, &QLineEdit::textChanged, this, [this, f](const QString& text) {
            if (m_showing) return;
            m_session.setHeader(f, text);
            refreshLinkButtons();
        });
        // Tidied as soon as the box is left, so a quick click on Save keeps the tidied text.
        connect(edit, &QLineEdit::editingFinished, this, [this, f] { tidyHeaderBox(f); });
        edit->setProperty("headerField", f);
        edit->installEventFilter(m_headerKeys);
    }
    addHeaderChoices(1, {QString(), QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Ms."), QStringLiteral("Dr.")});
    addHeaderChoices(5, {QString(), QStringLiteral("Jr"), QStringLiteral("Sr"), QStringLiteral("Esq")});
    return m_headerBlock;
}

// Title and Suffix offer their usual entries; free text stays allowed.
void RecordScreen::addHeaderChoices(int field, const QStringList& entries) {
    auto* completer = new QCompleter(entries, m_header[field]);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_header[field]->setCompleter(completer);
}

void RecordScreen::tidyHeaderBox(int field) {
    const QString tidy = tidyHeader(field, m_header[field]->text());
    if (tidy != m_header[field]->text()) m_header[field]->setText(tidy);
}

// Enter or Tab: tidy, then on to the next box; after Zip to the page (a new record) or Page 1.
void RecordScreen::leaveHeaderBox(int field) {
    tidyHeaderBox(field);
    const int next = nextHeaderField(field);
    if (next > 0) {
        m_header[next]->setFocus();
        return;
    }
    if (m_session.isNew()) {
        if (QWidget* first = m_page->firstInTabOrder()) {
            first->setFocus();
            return;
        }
    }
    focusIfUsable(m_pageButtons[0]);
}

QWidget* RecordScreen::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Record Options..."), this);
    box->setObjectName(QStringLiteral("recordOptions"));
    auto* layout = new QVBoxLayout(box);
    const auto add = [this, box, layout](const QString& caption, const char* name, auto action) {
        QPushButton* b = button(caption, QString::fromLatin1(name), box);
        connect(b, &QPushButton::clicked, this, action);
        layout->addWidget(b);
        return b;
    };
    m_saveExit = add(QStringLiteral("Save / Exit"), "saveExitButton", [this] {
        m_checker->setStay(true);
        saveAnd(false);
    });
    add(QStringLiteral("Save / Enter New Record"), "saveNewButton", [this] { saveAnd(true); });
    add(QStringLiteral("Cancel / Exit"), "cancelExitButton", [this] { cancel(); });
    add(QStringLiteral("Delete Current Record"), "deleteRecordButton", [this] { deleteRecord(); });
    m_prior = add(QStringLiteral("Prior"), "priorButton", [this] { step(false); });
    m_next = add(QStringLiteral("Next"), "nextButton", [this] { step(true); });
    add(QStringLiteral("Clear Page / Start Over"), "clearPageButton", [this] { clearPage(); });
    for (int p = 1; p <= 6; ++p) m_pageButtons[p - 1] = add(QStringLiteral("Page %1").arg(p), QStringLiteral("page%1Button").arg(p).toLatin1().constData(), [this, p] { showPage(p, false); });
    auto* pager = new QHBoxLayout;
    m_priorPage = button(QStringLiteral("< Prior Page"), QStringLiteral("priorPageButton"), box);
    m_nextPage = button(QStringLiteral("Next Page >"), QStringLiteral("nextPageButton"), box);
    connect(m_priorPage, &QPushButton::clicked, this, [this] { showPage(m_session.currentPage() - 1, false); });
    connect(m_nextPage, &QPushButton::clicked, this, [this] { showPage(m_session.currentPage() + 1, false); });
    pager->addWidget(m_priorPage);
    pager->addWidget(m_nextPage);
    layout->addLayout(pager);
    addLinkButtons(box, layout);
    m_hideAgent = add(QStringLiteral("Hide Agent"), "hideAgentButton", [this] { dismissAgent(); });
    m_hideAgent->setEnabled(false);
    add(QStringLiteral("View/Print  Form/Data"), "printButton", [this] {
        if (m_checker->flush()) printRecord(m_session, *m_printout, m_printoutPlace, m_prompter);
    });
    auto* hint = new QLabel(QStringLiteral("Right click screen item for Agent help (if available)."), box);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();
    return box;
}

void RecordScreen::showHeader() {
    m_showing = true;
    for (int f = 0; f < 16; ++f) m_header[f]->setText(f == 0 ? m_session.key() : m_session.header(f));
    m_showing = false;
}

void RecordScreen::showRecord() {
    dismissAgent();
    m_modes->setCurrentWidget(m_body);
    showHeader();
    showPage(1, true);
    if (m_session.isNew()) m_header[1]->setFocus();
}

void RecordScreen::showPage(int page, bool redraw) {
    if (page < 1 || page > 6) return;
    const PageSwitch result = m_session.switchPage(page);
    if (result == PageSwitch::Refused || (result == PageSwitch::Same && !redraw)) return;
    m_checker->release();
    m_page->build(layoutPage(m_session.definitions(), page, *m_measure, false),
                  [this, page](int column, const QString& value) { m_session.setValue(page, column, value); });
    m_page->showValues([this, page](int column) { return m_session.value(page, column); });
    m_page->markHelp([this, page](int number) { return m_session.definitions().definition(page, number).hasHelp; });
    m_checker->bind(page);
    m_headerBlock->setVisible(page == 1);
    m_headerNote->setVisible(page != 1);
    refreshButtons();
    if (result == PageSwitch::FirstVisit) startFocus();
}

void RecordScreen::refreshButtons() {
    const int current = m_session.currentPage();
    for (int p = 1; p <= 6; ++p) {
        QPushButton* b = m_pageButtons[p - 1];
        b->setText(m_session.pageTitle(p));
        b->setEnabled(m_session.isPageDefined(p));
        QFont font = b->font();
        font.setBold(p == current);
        b->setFont(font);
    }
    m_nextPage->setText(current == 6 ? QStringLiteral("Last Page") : QStringLiteral("Next Page >"));
    m_priorPage->setText(current == 1 ? QStringLiteral("First Page") : QStringLiteral("< Prior Page"));
    m_nextPage->setEnabled(m_session.nextPageEnabled());
    m_priorPage->setEnabled(m_session.priorPageEnabled());
    m_prior->setEnabled(!m_session.isNew() && m_session.priorEnabled());
    m_next->setEnabled(!m_session.isNew() && m_session.nextEnabled());
    refreshLinkButtons();
}

// An empty header saves nothing: the user hears of it and may go back to the record.
bool RecordScreen::confirmEmptyHeader() {
    const Answer answer = m_prompter.confirmation(
        QStringLiteral("The header fields (Title to Zip) of this record are empty, so the record was not saved.\r\r"
                       "Return to the record to fill in the header?"),
        Buttons::OkCancel);
    if (answer != Answer::Ok) return false;
    m_session.returnToRecord();
    showRecord();
    return true;
}

void RecordScreen::saveAnd(bool enterNew) {
    m_printout->erase();
    try {
        const SaveOutcome outcome = m_session.save();
        if (outcome == SaveOutcome::Stopped) return;
        if (outcome == SaveOutcome::EmptyHeader && confirmEmptyHeader()) return;
        if (enterNew && m_session.startNew(false)) {
            showRecord();
            return;
        }
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
        return;
    }
    leave(true);
}

void RecordScreen::step(bool forward) {
    try {
        if (forward ? m_session.next() : m_session.prior()) showRecord();
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
}

void RecordScreen::cancel() {
    m_printout->erase();
    m_checker->drop();
    if (m_session.cancel()) leave(false);
}

void RecordScreen::deleteRecord() {
    m_printout->erase();
    try {
        if (m_session.deleteRecord()) leave(true);
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
}

void RecordScreen::clearPage() {
    m_checker->drop();
    m_session.clearPage();
    showPage(m_session.currentPage(), true);
    startFocus();
}

}  // namespace vn
