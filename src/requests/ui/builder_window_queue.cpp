// Window 9's request queue: a request stored under a name after it ran, the list of the current
// list's stored requests, their targets changed, and their replay.
#include "requests/ui/builder_window.h"

#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"
#include "requests/builder/field_list.h"
#include "requests/builder/target_lists.h"
#include "requests/queue/request_queue.h"
#include "requests/queue/target_change.h"
#include "requests/ui/builder_view.h"
#include "requests/ui/email_message_view.h"
#include "requests/ui/label_setup_view.h"
#include "requests/ui/queue_name_box.h"
#include "requests/ui/report_choices_view.h"
#include "requests/ui/request_queue_view.h"
#include "requests/ui/target_change_view.h"
#include "shell/core/session.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"

#include <QStackedWidget>

namespace vn {

namespace {

const QString kConfirmDelete = QStringLiteral("Confirm removing Processing Reguest from queue.");
const QString kConfirmClear = QStringLiteral("Confirm Clearing ENTIRE Request Queue?");

}  // namespace

void RequestBuilderWindow::connectQueue() {
    m_queueView = new RequestQueueView(m_views);
    m_views->addWidget(m_queueView);
    m_targetView = new TargetChangeView(m_views);
    m_views->addWidget(m_targetView);
    for (QueueNameBox* box : {m_view->queueBox(), m_reportView->queueBox(), m_labelView->queueBox(), m_emailView->queueBox()})
        connect(box, &QueueNameBox::addNow, this, [this, box](const QString& name) { addToQueue(box, name); });
    connect(m_queueView, &RequestQueueView::chosen, this, [this](const QString& key) { chooseStored(key); });
    connect(m_queueView, &RequestQueueView::deleteClicked, this, [this](const QString& key) { deleteStored(key); });
    connect(m_queueView, &RequestQueueView::preProcessClicked, this, [this](const QString& key) { preProcess(key); });
    connect(m_queueView, &RequestQueueView::exitClicked, this, [this] {
        m_queueShown = QueueShown::None;
        redraw();
    });
    using V = TargetChangeView;
    connect(m_targetView, &V::rowChosen, this, [this](int row) { onTargets([row](TargetChange& t) { t.chooseRow(row); }); });
    connect(m_targetView, &V::targetTyped, this,
            [this](const QString& text) { onTargets([&text](TargetChange& t) { t.typeTarget(text); }); });
    connect(m_targetView, &V::entryPicked, this, [this](int entry) { onTargets([entry](TargetChange& t) { t.pickEntry(entry); }); });
    connect(m_targetView, &V::replaceClicked, this, [this] { replaceTarget(); });
    connect(m_targetView, &V::processClicked, this, [this] { replayStored(); });
    connect(m_targetView, &V::returnClicked, this, [this] { showQueue(); });
    connect(m_view, &BuilderView::continueClicked, this, [this] {
        m_queueShown = QueueShown::Targets;
        redraw();
    });
}

// The request as it ran, with a report's or merge's fields as chosen.
void RequestBuilderWindow::addToQueue(QueueNameBox* box, const QString& name) {
    SqlRequest request = m_builder.request();
    if (storesPrintAndSortFields(request.kind)) {
        request.printFields = m_report.printFields();
        request.sortFields = m_report.sortFields();
    }
    SaveOutcome outcome;
    try {
        outcome = RequestQueue(m_session.access).save(m_builder.listCode(), name, request);
    } catch (const StoreError& e) {
        outcome = {SaveOutcome::Result::Refused, e.message()};
    }
    if (outcome.result == SaveOutcome::Result::Saved) {
        box->saved();
        return;
    }
    m_session.prompter.beep();
    m_session.prompter.warning(outcome.message);
    box->refused(outcome.result == SaveOutcome::Result::NameTaken);
}

// "Display": the request starts again and the current list's stored requests are listed.
void RequestBuilderWindow::showQueue() {
    beginAgain();
    QStringList keys;
    try {
        keys = RequestQueue(m_session.access).keys(m_session.currentListCode);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_queueView->showKeys(keys);
    m_targets.reset();
    m_queueShown = QueueShown::Requests;
    redraw();
}

void RequestBuilderWindow::clearQueue() {
    showQueue();
    if (m_session.prompter.confirmation(kConfirmClear, Buttons::OkNo) != Answer::Ok) return;
    try {
        RequestQueue(m_session.access).clear();
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_queueShown = QueueShown::None;
    redraw();
}

void RequestBuilderWindow::chooseStored(const QString& key) {
    try {
        m_queueView->showChosen(RequestQueue(m_session.access).shownText(key));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void RequestBuilderWindow::deleteStored(const QString& key) {
    if (key.isEmpty() || m_session.prompter.confirmation(kConfirmDelete, Buttons::OkNo) != Answer::Ok) return;
    try {
        RequestQueue queue(m_session.access);
        queue.remove(key);
        m_queueView->showKeys(queue.keys(m_session.currentListCode));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

// The stored request's conditions with the list's fields as they are now.
void RequestBuilderWindow::preProcess(const QString& key) {
    std::optional<StoredRequest> stored;
    TargetFields fields;
    try {
        stored = RequestQueue(m_session.access).load(key);
        if (!stored) return;  // deleted meanwhile
        fields.fields = listFields(*m_definitions);
        for (int number = 1; number <= field_numbers::kHeaderFields; ++number)
            fields.headerNames << m_session.access.GetFieldName(kHeadSlot, number - 1);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    Session& session = m_session;
    const QString listCode = m_session.currentListCode;
    fields.selectionItems = [&session, listCode](int page, int slot) {
        return selectionItemTexts(session.access, listCode, page, slot);
    };
    m_drive([](RequestBuilder& b) { b.openRequestMenu(); });
    m_storedKey = key;
    m_targets = std::make_unique<TargetChange>(std::move(*stored), fields);
    m_queueShown = QueueShown::Targets;
    onTargets([](TargetChange&) {});
}

void RequestBuilderWindow::onTargets(const std::function<void(TargetChange&)>& event) {
    if (!m_targets) return;
    try {
        event(*m_targets);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_targetView->render(m_storedKey, m_targets->state());
    redraw();
}

// The new target is stored at once.
void RequestBuilderWindow::replaceTarget() {
    RequestQueue queue(m_session.access);
    const QString key = m_storedKey;
    onTargets([&queue, &key](TargetChange& t) { t.replace([&](const SqlRequest& r) { queue.rewrite(key, r); }); });
}

void RequestBuilderWindow::replayStored() {
    if (!m_targets) return;
    const SqlRequest request = m_targets->stored().request;
    m_queueShown = QueueShown::None;
    m_drive([&request](RequestBuilder& b) { b.replay(request); });
    evaluate();
}

// A stored report goes straight to its output choice; a merge writes its file.
void RequestBuilderWindow::replayReport() {
    const SqlRequest request = m_builder.request();
    m_report.replay(request.printFields, request.sortFields);
    if (request.kind == RequestKind::MailMerge) writeMerge();
}

}  // namespace vn
