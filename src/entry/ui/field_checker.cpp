#include "entry/ui/field_checker.h"

#include "lists/definitions/definition_cache.h"
#include "entry/links/linked_values.h"
#include "entry/rules/focus_plan.h"
#include "entry/rules/input_check.h"
#include "entry/rules/selection_entries.h"
#include "entry/session/entry_session.h"
#include "entry/ui/page_form.h"
#include "entry/ui/selection_panel.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vn {

namespace {

constexpr int kCheckDelayMs = 300;

bool isAdvanceKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab; }

}  // namespace

FieldChecker::FieldChecker(EntrySession& session, Prompter& prompter, PageForm& form, SelectionPanel& panel,
                           Screen screen, QObject* parent)
    : QObject(parent), m_session(session), m_prompter(prompter), m_form(form), m_panel(panel),
      m_screen(std::move(screen)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kCheckDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { check(m_pending, m_pendingAdvance); });
    connect(&m_panel, &SelectionPanel::chosen, this, &FieldChecker::choose);
    connect(&m_panel, &SelectionPanel::clearRequested, this, &FieldChecker::clearField);
    connect(&m_panel, &SelectionPanel::exitRequested, this, &FieldChecker::exitPanel);
}

void FieldChecker::release() {
    drop();
    for (int column : m_form.textFields().keys())
        if (QLineEdit* edit = box(column)) edit->removeEventFilter(this);
}

void FieldChecker::bind(int page) {
    release();
    m_page = page;
    m_current = 0;
    m_panelColumn = 0;
    m_tabOrder = 0;
    m_screen.showOptions();
    for (auto it = m_form.textFields().cbegin(); it != m_form.textFields().cend(); ++it) {
        QLineEdit* edit = box(it.key());
        const FieldDefinition& d = definitionOf(it.key());
        // Typing is impossible where nothing typed could be kept.
        edit->setReadOnly(d.readOnly || d.listLocked);
        edit->installEventFilter(this);
    }
}

QLineEdit* FieldChecker::box(int column) const { return qobject_cast<QLineEdit*>(m_form.control(column)); }

const FieldDefinition& FieldChecker::definitionOf(int column) const {
    return m_session.definitions().definition(m_page, m_form.textFields().value(column));
}

bool FieldChecker::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    int which = 0;
    for (auto it = m_form.textFields().cbegin(); it != m_form.textFields().cend() && !which; ++it)
        if (box(it.key()) == edit) which = it.key();
    if (!which) return false;
    switch (event->type()) {
    case QEvent::FocusIn: enter(which); break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or menu taking the focus does not leave the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) left(which, m_advance);
        m_advance = false;
        break;
    }
    case QEvent::KeyPress:
        if (!isAdvanceKey(static_cast<QKeyEvent*>(event)->key())) break;
        m_advance = true;
        m_form.setFocus(Qt::OtherFocusReason);
        return true;
    default: break;
    }
    return false;
}

void FieldChecker::enter(int column) {
    m_stay = false;
    m_current = column;
    const FieldDefinition& d = definitionOf(column);
    if (!d.exists()) return;
    if (d.tabOrder != m_tabOrder) {
        m_tabOrder = d.tabOrder;
        m_target = d.tabOrder + 1;
    }
    if (!hasSelectionList(d)) {
        m_panelColumn = 0;
        m_screen.showOptions();
        if (linkedSourceOf(d) && m_screen.openLinked) m_screen.openLinked(column);
        return;
    }
    m_panelColumn = column;
    m_panel.showEntries(d.caption, entriesOf(d), d.listLocked);
    m_screen.showPanel();
}

void FieldChecker::left(int column, bool advance) {
    // Going into the panel that serves the box is part of editing it.
    if (m_panelColumn == column && m_panel.isAncestorOf(QApplication::focusWidget())) return;
    schedule(column, advance);
}

void FieldChecker::schedule(int column, bool advance) {
    if (m_pending && m_pending != column && !flush()) return;
    m_pending = column;
    m_pendingAdvance = advance;
    m_timer.start();
}

bool FieldChecker::flush() {
    if (m_pending) return check(m_pending, false);
    // A box edited but not left yet (an action started from the keyboard).
    QLineEdit* edit = m_current ? box(m_current) : nullptr;
    if (edit && edit->hasFocus() && edit->text() != m_session.value(m_page, m_current)) return check(m_current, false);
    return true;
}

void FieldChecker::drop() {
    m_timer.stop();
    m_pending = 0;
}

bool FieldChecker::check(int column, bool advance) {
    drop();
    QLineEdit* edit = box(column);
    const FieldDefinition& d = definitionOf(column);
    if (!edit || !d.exists() || !m_session.hasRecord()) return true;
    const QString input = edit->text();
    const InputCheck result = checkInput(d, input, m_session.value(m_page, column));
    switch (result.verdict) {
    case Verdict::AskNewPage: return askNewPage(edit);
    case Verdict::Refuse:
        m_prompter.beep();
        m_prompter.warning(result.message);
        edit->setText(result.replacement);
        edit->setFocus(Qt::OtherFocusReason);
        return false;
    case Verdict::Accept:
        m_session.setValue(m_page, column, input);
        offerToLearn(d, input);
        break;
    case Verdict::Keep: break;
    }
    if (m_panelColumn == column) m_screen.showOptions();
    if (advance) m_screen.moveFocus();
    return true;
}

// Leaving a required first field empty may mean the user wants another page.
bool FieldChecker::askNewPage(QLineEdit* edit) {
    if (m_prompter.confirmation(kNewPageQuestion, Buttons::OkNo) != Answer::Ok) {
        edit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_screen.showOptions();
    m_screen.focusPageButton(newPageButton(m_page));
    return true;
}

QStringList FieldChecker::entriesOf(const FieldDefinition& definition) const {
    if (!m_access) return definition.slot == 1 ? QStringList{kSelectNewPage} : QStringList{};
    return selectionEntries(*m_access, m_session.definitions().listCode(), definition);
}

void FieldChecker::offerToLearn(const FieldDefinition& definition, const QString& input) {
    if (!m_access || !offersToLearn(definition, entriesOf(definition), input)) return;
    m_prompter.beep();
    if (m_prompter.confirmation(kLearnQuestion, Buttons::OkNo) == Answer::Ok)
        learnSelectionItem(*m_access, m_session.definitions().listCode(), definition, input);
}

void FieldChecker::choose(const QString& entry) {
    const int column = m_panelColumn;
    m_panelColumn = 0;
    m_screen.showOptions();
    if (entry == kSelectNewPage) {
        m_screen.focusPageButton(newPageButton(m_page));
        return;
    }
    if (QLineEdit* edit = box(column)) edit->setText(entry);
    m_session.setValue(m_page, column, entry);
    schedule(column, true);
}

void FieldChecker::clearField() {
    const int column = m_panelColumn;
    m_panelColumn = 0;
    m_screen.showOptions();
    if (QLineEdit* edit = box(column)) edit->clear();
    m_session.setValue(m_page, column, QString());
    check(column, true);
}

// Nothing changes: text typed before the panel was left goes back to the stored value.
void FieldChecker::exitPanel() {
    const int column = m_panelColumn;
    m_panelColumn = 0;
    m_screen.showOptions();
    if (QLineEdit* edit = box(column)) edit->setText(m_session.value(m_page, column));
}

}  // namespace vn
