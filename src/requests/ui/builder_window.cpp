#include "requests/ui/builder_window.h"

#include "lists/definitions/definition_cache.h"
#include "lists/siblings/linked_value_resolver.h"
#include "requests/evaluation/linked_reader.h"
#include "mail/ui/email_setup_view.h"
#include "platform/mail/smtp_transport.h"
#include "platform/prompter.h"
#include "requests/builder/field_list.h"
#include "requests/builder/request_run.h"
#include "requests/builder/target_lists.h"
#include "requests/labels/label_order.h"
#include "requests/queue/target_change.h"
#include "requests/ui/builder_view.h"
#include "platform/ui/busy_cursor.h"
#include "requests/ui/email_message_view.h"
#include "requests/ui/checks_view.h"
#include "requests/ui/label_setup_view.h"
#include "requests/ui/memo_printing.h"
#include "requests/ui/memo_view.h"
#include "requests/ui/queue_name_box.h"
#include "requests/ui/request_queue_view.h"
#include "requests/ui/target_change_view.h"
#include "requests/ui/transmission_view.h"
#include "requests/ui/report_choices_view.h"
#include "requests/ui/report_screen_view.h"
#include "requests/ui/report_summing_view.h"
#include "store/catalogue/slots.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/window_captions.h"
#include "store/engine/store_error.h"

#include <QMenu>
#include <QPointer>
#include <QMenuBar>
#include <QStackedWidget>
#include <utility>

namespace vn {

namespace {

constexpr int kProgressStep = 50;  // rows between two looks at the progress bar

QAction* namedAction(QMenu* menu, const char* caption, const char* name) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

RequestBuilderWindow::RequestBuilderWindow(Session& session, Navigator& navigator, OpenRecord openRecord,
                                           PrintList print, QWidget* parent)
    : AppWindow(session, navigator, vn::BuilderWindow, "builderWindow", "SQL", parent), m_session(session),
      m_navigator(navigator), m_openRecord(std::move(openRecord)),
      m_builder(session.prompter,
                [&session, this](int page, int slot) {
                    return selectionItemTexts(session.access, m_builder.listCode(), page, slot);
                }),
      m_drive(m_builder, [this] { redraw(); }),
      m_labels([&session](const MatchList& matches, DuplicateMode mode) {
          return removeDuplicates(session.access, matches, mode);
      }),
      m_transport(std::make_unique<SmtpTransport>()),
      m_emailSetup(session.access, session.settings.mail, [this] { refreshRequestMenu(); }) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("builderViews"));
    m_view = new BuilderView(m_drive, m_views);
    m_checks = new ChecksView(m_views);
    m_views->addWidget(m_view);
    m_views->addWidget(m_checks);
    m_memos = new MemoView(m_views);
    m_views->addWidget(m_memos);
    m_reportView = new ReportChoicesView(m_views);
    m_views->addWidget(m_reportView);
    m_reportScreen = new ReportScreenView(m_views);
    m_views->addWidget(m_reportScreen);
    m_reportSumming = new ReportSummingView(m_views);
    m_views->addWidget(m_reportSumming);
    m_labelView = new LabelSetupView([this](const std::function<void(LabelChoices&)>& event) { onLabels(event); }, m_views);
    m_views->addWidget(m_labelView);
    buildEmail();
    setCentralWidget(m_views);
    resize(kPageWindowSize);
    buildMenus();
    setPrintList(std::move(print));
    connect(m_view, &BuilderView::processClicked, this, [this] { process(); });
    connect(m_view, &BuilderView::matchChosen, this, [this](int row) { openMatch(row); });
    connect(m_view, &BuilderView::printListClicked, this, [this] { printList(); });
    const auto backToBuilder = [this] { m_drive([](RequestBuilder& b) { b.openRequestMenu(); }); };
    connect(m_checks, &ChecksView::returnClicked, this, backToBuilder);
    connect(m_memos, &MemoView::returnClicked, this, backToBuilder);
    connect(m_memos, &MemoView::printClicked, this, [this](const QList<MemoEntry>& chosen) {
        printChosenMemos(m_session, m_builder.listCode(), memoNames(*m_definitions), chosen);
    });
    connectReport();
    connectSumming();
    connectMath();
    connect(m_labelView, &LabelSetupView::outputChosen, this, [this](LabelOutput output) { outputLabels(output); });
    connectQueue();
    m_transmitView = new TransmissionView(m_session, m_views);
    m_views->addWidget(m_transmitView);
    redraw();
}

RequestBuilderWindow::~RequestBuilderWindow() = default;

void RequestBuilderWindow::buildMenus() {
    QAction* exit = menuBar()->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("actionExitBuilder"));
    connect(exit, &QAction::triggered, this, [this] {
        m_navigator.ShowWindow({m_session.builderReturn > 0 ? m_session.builderReturn : int(MainWindowNo)});
    });
    QMenu* request = menuBar()->addMenu(QStringLiteral("Request"));
    request->setObjectName(QStringLiteral("requestMenu"));
    request->setToolTipsVisible(true);
    for (const RequestMenuEntry& entry : requestMenuEntries()) {
        QAction* action = request->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        connect(action, &QAction::triggered, this,
                [this, &entry] { m_drive([&entry](RequestBuilder& b) { b.startKind(entry.kind, entry.filter); }); });
        m_kindActions.append({&entry, action});
    }
    // Opening the menu is the start of every request.
    connect(request, &QMenu::aboutToShow, this, [this] { beginAgain(); });
    QMenu* queue = menuBar()->addMenu(QStringLiteral("Queue"));
    queue->setObjectName(QStringLiteral("queueMenu"));
    connect(namedAction(queue, "Display", "actionQueueDisplay"), &QAction::triggered, this, [this] { showQueue(); });
    connect(namedAction(queue, "Clear", "actionQueueClear"), &QAction::triggered, this, [this] { clearQueue(); });
    QAction* setupEmail = menuBar()->addAction(QStringLiteral("Setup Email"));
    setupEmail->setObjectName(QStringLiteral("actionSetupEmail"));
    connect(setupEmail, &QAction::triggered, this, [this] { showEmailSetup(true); });
    refreshRequestMenu();
}

void RequestBuilderWindow::setPrintList(PrintList print) {
    m_printList = std::move(print);
    m_view->setPrintListAvailable(bool(m_printList));
}

bool RequestBuilderWindow::mailSetUp() const { return m_session.settings.mail.method == 1 || m_session.settings.mail.method == 2; }

void RequestBuilderWindow::refreshRequestMenu() {
    for (const auto& [entry, action] : std::as_const(m_kindActions)) {
        action->setEnabled(requestEntryEnabled(*entry, mailSetUp()));
        action->setToolTip(requestEntryToolTip(*entry, mailSetUp()));
    }
}

// The current list's fields are read again (the designer may have changed them) and the
// builder starts from nothing.
void RequestBuilderWindow::beginAgain() {
    m_setupShown = false;
    m_queueShown = QueueShown::None;
    try {
        m_definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(m_session.access, m_session.currentListCode));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        m_definitions = std::make_shared<const DefinitionCache>();
    }
    m_drive([this](RequestBuilder& b) { b.setList(m_session.currentListCode, listFields(*m_definitions)); });
    refreshRequestMenu();
}

void RequestBuilderWindow::process() {
    bool evaluateNow = false;
    m_drive([&evaluateNow](RequestBuilder& b) { evaluateNow = b.process(); });
    if (evaluateNow) evaluate();
}

void RequestBuilderWindow::evaluate() {
    QString failure;
    {
        BusyCursor busy;
        const auto progress = [this](qint64 done, qint64 total) {
            if (done % kProgressStep == 0 || done == total) {
                m_view->showProgress(done, total);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
            return true;
        };
        try {
            LinkedValueResolver siblings(m_session.siblingPlaces());
            runRequest(m_builder, m_session.access, *m_definitions, progress, linkedFieldReader(siblings));
        } catch (const StoreError& e) {
            failure = e.message();
        }
        m_view->finishProgress();
    }
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Memo) showMemos();
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Report) startReport();
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Labels) m_labels.start(m_builder.matchList());
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Email) m_emailView->open(m_builder.matchList());
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Math) startMath();
    if (failure.isEmpty() && m_builder.state().continuation == Continuation::Transmit) m_transmitView->open(m_builder.matchList());
    m_drive.redraw();
    if (!failure.isEmpty()) m_session.prompter.error(failure);
}

void RequestBuilderWindow::onLabels(const std::function<void(LabelChoices&)>& event) {
    if (m_drive.drawing()) return;
    try {
        BusyCursor busy;  // a first line may read every match
        event(m_labels);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_drive.redraw();
}

// The labels are printed with the choices as they stand, for the matches in label order.
void RequestBuilderWindow::outputLabels(LabelOutput output) {
    const LabelSetup setup = m_labels.setup();
    MatchList keys;
    try {
        BusyCursor busy;
        keys = labelOrder(m_session.access, m_labels.matches(), setup.sort);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_session.labels = setup;
    if (m_openLabels) m_openLabels({output, keys});
}

void RequestBuilderWindow::showMemos() {
    const MatchList matches = m_builder.matchList();
    try {
        m_memos->showMemos(int(matches.size()), memoEntries(m_session.access, matches), memoNames(*m_definitions));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

// A click may also count as an activation: the second finds the entry window already shown.
void RequestBuilderWindow::openMatch(int row) {
    if (!isVisible()) return;
    QList<ListingEntry> listing;
    for (const MatchListEntry& entry : m_builder.state().listEntries) listing.append({entry.key, entry.text, {}});
    if (!m_openRecord || !m_openRecord(listing, row)) return;
    m_navigator.gotoWindow(BuilderWindow, EntryWindow);
}

void RequestBuilderWindow::printList() {
    if (m_printList) m_printList(m_session, m_builder.request(), m_builder.state().listEntries);
}

void RequestBuilderWindow::redraw() {
    const BuilderState state = m_builder.state();
    m_view->render(state);
    QWidget* shown = m_view;
    if (state.continuation == Continuation::Checks) shown = m_checks;
    if (state.continuation == Continuation::Memo) shown = m_memos;
    if (state.continuation == Continuation::Email) shown = m_emailView;
    if (state.continuation == Continuation::Math) shown = drawMath();
    if (state.continuation == Continuation::Transmit) shown = m_transmitView;
    if (state.continuation == Continuation::Report) {
        const ReportChoicesState report = m_report.state();
        m_reportView->render(report, state.matches);
        m_reportSumming->render(report);
        shown = m_reportView;
        if (report.stage == ReportStage::Summing) shown = m_reportSumming;
        if (m_screenShown) shown = m_reportScreen;
    }
    if (state.continuation == Continuation::Labels) {
        m_labelView->render(m_labels.state(), state.addToQueueShown);
        shown = m_labelView;
    }
    m_emailView->queueBox()->setOffered(state.addToQueueShown && state.continuation == Continuation::Email);
    if (m_queueShown == QueueShown::Requests) shown = m_queueView;
    if (m_queueShown == QueueShown::Targets) shown = m_targetView;
    if (m_setupShown) shown = m_emailSetupView;
    m_views->setCurrentWidget(shown);
}

// The set-up view and the message view. A transfer in progress is stopped by the orderly exit.
void RequestBuilderWindow::buildEmail() {
    m_emailSetupView = new EmailSetupView(m_emailSetup, EmailSetupView::Place::Builder, m_views);
    m_views->addWidget(m_emailSetupView);
    m_emailView = new EmailMessageView(m_session, *m_transport, m_dialUp, m_views);
    m_views->addWidget(m_emailView);
    connect(m_emailSetupView, &EmailSetupView::exitClicked, this, [this] { showEmailSetup(false); });
    connect(m_emailView, &EmailMessageView::setupWanted, this, [this] { showEmailSetup(true); });
    connect(m_emailView, &EmailMessageView::closed, this,
            [this] { m_drive([](RequestBuilder& b) { b.openRequestMenu(); }); });
    QPointer<RequestBuilderWindow> self(this);
    m_session.beforeShutdown.push_back([self] {
        if (self) self->m_transport->stop();
    });
}

void RequestBuilderWindow::showEmailSetup(bool shown) {
    m_setupShown = shown;
    refreshRequestMenu();
    redraw();
}

QString RequestBuilderWindow::captionText() const {
    return AppWindow::captionText() + QStringLiteral("  List: ") + m_session.currentListCode + QStringLiteral(" - ") +
           m_session.currentListTitle;
}

// The window remembers where it was opened from, past the windows it opens itself; a request
// on another list, or none yet, starts from nothing.
void RequestBuilderWindow::showEvent(QShowEvent* event) {
    if (m_session.cameFrom != BuilderWindow) m_session.builderReturn = m_session.cameFrom;
    if (m_builder.listCode() != m_session.currentListCode || !m_definitions || m_builder.state().step == BuilderStep::None)
        beginAgain();
    startAskedRequest();
    AppWindow::showEvent(event);
}

// Another window may have shown this one to start a request, as its menu entry would.
void RequestBuilderWindow::startAskedRequest() {
    const int kind = std::exchange(m_session.builderStart, 0);
    for (const RequestMenuEntry& entry : requestMenuEntries()) {
        if (int(entry.kind) != kind || !requestEntryEnabled(entry, mailSetUp())) continue;
        beginAgain();
        m_drive([&entry](RequestBuilder& b) { b.startKind(entry.kind, entry.filter); });
        return;
    }
}

}  // namespace vn
