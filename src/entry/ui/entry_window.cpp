#include "entry/ui/entry_window.h"

#include "lists/records/record_tables.h"
#include "entry/session/entry_session.h"
#include "entry/ui/list_selection_view.h"
#include "entry/ui/record_screen.h"
#include "entry/ui/record_selection_view.h"
#include "platform/prompter.h"
#include "shell/core/goto_rules.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/window_captions.h"
#include "store/engine/store_error.h"

#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <utility>

namespace vn {

RecordEntryWindow::RecordEntryWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, vn::EntryWindow, "entryWindow", "Data List Selection/Use", parent),
      m_session(session), m_entry(std::make_unique<EntrySession>(session)) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("entryViews"));
    auto* blank = new QLabel(m_views);
    blank->setObjectName(QStringLiteral("noView"));
    m_views->addWidget(blank);
    m_lists = new ListSelectionView(session, m_views);
    m_records = new RecordSelectionView(session, m_views);
    m_screen = new RecordScreen(*m_entry, session.prompter, m_views);
    m_screen->setSelectionAccess(session.access);
    m_screen->setHelp(session.access, [&session]() -> HelpAgent& { return *session.helpAgent; });
    m_screen->setPrintoutPlace({[&session] { return session.folders.outputFolder(); },
                                [&session](const QString& path) { return session.openAddress && session.openAddress(path); }});
    for (QWidget* w : {static_cast<QWidget*>(m_lists), static_cast<QWidget*>(m_records), static_cast<QWidget*>(m_screen)})
        m_views->addWidget(w);
    setCentralWidget(m_views);
    resize(kPageWindowSize);
    buildMenus(navigator);
    connect(m_lists, &ListSelectionView::currentListChanged, this, [this] {
        refreshGotoMenu();
        refreshSql();
    });
    connect(m_lists, &ListSelectionView::openListRequested, this, [this] { openList(); });
    connect(m_records, &RecordSelectionView::newRecordRequested, this, [this] { startNewRecord(); });
    connect(m_records, &RecordSelectionView::recordChosen, this, [this](int position) { openRecord(position); });
    connect(m_records, &RecordSelectionView::selectNewListRequested, this, [this] { showListSelection(); });
    connect(m_records, &RecordSelectionView::exitRequested, this, [this] { hideViews(); });
    connect(m_screen, &RecordScreen::toRecordSelection, this, [this](bool listAgain) { showRecordSelection(listAgain); });
    session.beforeShutdown.push_back([this] { leaveRecord(); });
}

RecordEntryWindow::~RecordEntryWindow() = default;

void RecordEntryWindow::buildMenus(Navigator& navigator) {
    if (QAction* own = findChild<QAction*>(QStringLiteral("actionGotoEntry")))
        connect(own, &QAction::triggered, this, [this] { hideViews(); });
    QAction* update = menuBar()->addAction(QStringLiteral("Update Disk"));
    update->setObjectName(QStringLiteral("actionUpdateDisk"));
    connect(update, &QAction::triggered, this, [this, &navigator] {
        leaveRecord();
        try {
            navigator.updateDisk();
        } catch (const StoreError& e) {
            m_session.prompter.error(e.message());
        }
    });
    QAction* select = menuBar()->addAction(QStringLiteral("Select Data List"));
    select->setObjectName(QStringLiteral("actionSelectDataList"));
    connect(select, &QAction::triggered, this, [this] { showListSelection(); });
    m_sql = menuBar()->addAction(QStringLiteral("SQL"));
    m_sql->setObjectName(QStringLiteral("actionSql"));
    connect(m_sql, &QAction::triggered, this, [&navigator] { navigator.gotoWindow(vn::EntryWindow, vn::BuilderWindow); });
    refreshSql();
}

// The request builder works on the current list: there must be one.
void RecordEntryWindow::refreshSql() { m_sql->setEnabled(hasCurrentList(m_session)); }

void RecordEntryWindow::showEvent(QShowEvent* event) {
    refreshSql();
    // Shown to look at downloaded records: the current list's record selection, or the lists
    // when none is chosen yet.
    if (std::exchange(m_session.entryShowsRecords, false)) {
        if (hasCurrentList(m_session))
            openList();
        else
            showListSelection();
    }
    AppWindow::showEvent(event);
}

void RecordEntryWindow::openList() {
    m_records->reset();
    m_views->setCurrentWidget(m_records);
    setOpenList(m_session.currentListTitle);
}

void RecordEntryWindow::showListSelection() {
    leaveRecord();
    m_lists->refresh();
    m_views->setCurrentWidget(m_lists);
    setOpenList(std::nullopt);
}

void RecordEntryWindow::hideViews() {
    leaveRecord();
    m_views->setCurrentIndex(0);
    setOpenList(std::nullopt);
}

// From "Open List" until the list is left the caption names the list instead of the window.
void RecordEntryWindow::setOpenList(std::optional<QString> title) {
    m_openListTitle = std::move(title);
    refreshCaption();
}

QString RecordEntryWindow::captionText() const {
    if (!m_openListTitle) return AppWindow::captionText();
    return openListCaption(m_session.identity.stateName, m_session.identity.installationName, *m_openListTitle);
}

// Leaving the screen by any other way than its own buttons drops a new, unsaved record.
void RecordEntryWindow::leaveRecord() {
    if (m_session.shutdownDone && !m_session.catalogue.isOpen(kHeadSlot)) return;
    try {
        m_entry->leave();
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void RecordEntryWindow::hideEvent(QHideEvent* event) {
    leaveRecord();
    AppWindow::hideEvent(event);
}

void RecordEntryWindow::showRecordSelection(bool listAgain) {
    if (listAgain) m_records->listAgain();
    m_views->setCurrentWidget(m_records);
}

void RecordEntryWindow::startNewRecord() {
    try {
        if (!m_entry->startNew()) return;
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_views->setCurrentWidget(m_screen);
    m_screen->showRecord();
}

void RecordEntryWindow::openRecord(int position) {
    try {
        m_entry->setNavigation(m_records->entries());
        showOpened(m_entry->openAt(position));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

bool RecordEntryWindow::openFromList(QList<ListingEntry> entries, int position) {
    try {
        m_entry->setNavigation(std::move(entries));
        if (!showOpened(m_entry->openAt(position))) return false;
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return false;
    }
    // The record's list is open from here on, as if chosen in this window.
    if (!m_openListTitle) {
        m_records->reset();
        setOpenList(m_session.currentListTitle);
    }
    return true;
}

bool RecordEntryWindow::showOpened(bool opened) {
    if (!opened) return false;
    m_views->setCurrentWidget(m_screen);
    m_screen->showRecord();
    return true;
}

AppWindow* makeEntryWindow(Session& session, Navigator& navigator) { return new RecordEntryWindow(session, navigator); }

}  // namespace vn
