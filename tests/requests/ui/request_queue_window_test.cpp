#include "requests/queue/request_queue.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "support/screen_fit.h"
#include "builder_requests.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// The request queue of window 9 as a user meets it, offscreen: a Count request stored under a
// name, listed, its target changed, replayed, deleted, and the queue cleared.
class RequestQueueWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aCountIsStoredChangedAndReplayed();
    void aTakenNameIsRefusedAndTheNameAskedAgain();
    void clearRemovesTheStoredRequestsOfEveryList();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_on.builder, name);
    }
    bool click(const QString& name) { return test::clickButton(m_on.builder, name); }
    bool shown(const QString& name) { return find<QWidget>(name)->isVisible(); }
    void countLastIs(const QString& last);
    bool storeAs(const QString& name);
    void displayQueue() { find<QAction>("actionQueueDisplay")->trigger(); }
    QStringList rows(const QString& list);
    RequestQueue queue() { return RequestQueue(m_on.program->session->access); }
    test::RecordingPrompter& prompter() { return m_on.program->prompter; }

    test::BuilderOnTwoMembers m_on;
};

void RequestQueueWindowTest::init() { QVERIFY(m_on.start()); }

void RequestQueueWindowTest::cleanup() { m_on.stop(); }

// LBCount Records with "Last" = <last>, evaluated.
void RequestQueueWindowTest::countLastIs(const QString& last) {
    emit find<QMenu>("requestMenu")->aboutToShow();
    find<QAction>("actionCount")->trigger();
    for (auto* box : find<QWidget>("fieldList")->findChildren<QCheckBox*>())
        if (box->text() == "Last") QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(click("equalRadio"));
    QTest::keyClicks(find<QLineEdit>("targetEdit"), last);
    QTest::keyClick(find<QLineEdit>("targetEdit"), Qt::Key_Return);
    QVERIFY(click("processButton"));
}

// "Add to SQL Request Queue List...", the name, Return, "Add Now".
bool RequestQueueWindowTest::storeAs(const QString& name) {
    if (!click("addToQueueButton")) return false;
    auto* edit = find<QLineEdit>("requestNameEdit");
    if (!edit->hasFocus() || shown("addNowButton")) return false;
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
    return find<QPushButton>("addNowButton")->hasFocus() && click("addNowButton");
}

QStringList RequestQueueWindowTest::rows(const QString& list) {
    QStringList texts;
    auto* w = find<QListWidget>(list);
    for (int i = 0; i < w->count(); ++i) texts << w->item(i)->text();
    return texts;
}

void RequestQueueWindowTest::aCountIsStoredChangedAndReplayed() {
    countLastIs("Smith");
    QCOMPARE(find<QLabel>("matchesLabel")->text(), "1");
    QVERIFY(!shown("requestNameEdit"));
    QVERIFY(storeAs("Smiths"));
    QVERIFY(!shown("addToQueueGroup"));  // stored: nothing more to offer
    QCOMPARE(queue().keys("abc"), QStringList{"abc  Smiths"});

    displayQueue();
    QVERIFY(shown("requestQueueView"));
    QCOMPARE(rows("queueList"), QStringList{"abc  Smiths"});
    QVERIFY(!find<QPushButton>("preProcessButton")->isEnabled());
    test::clickRow(find<QListWidget>("queueList"), 0);
    QCOMPARE(find<QPlainTextEdit>("queueRequestText")->toPlainText(), "LBCount Records with \"Last\" = \"Smith\"   ");
    QVERIFY(click("preProcessButton"));

    QVERIFY(shown("targetChangeView"));
    QCOMPARE(rows("targetFieldsList"), QStringList{"Last"});
    QCOMPARE(rows("targetTargetsList"), QStringList{"Smith"});
    QVERIFY(!shown("newTargetEdit") && !shown("newTargetList"));
    QVERIFY(!find<QPushButton>("replaceTargetButton")->isEnabled());
    test::clickRow(find<QListWidget>("targetTargetsList"), 0);
    auto* edit = find<QLineEdit>("newTargetEdit");
    QVERIFY(edit->isVisible() && edit->hasFocus());
    QTest::keyClicks(edit, "Jones");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(find<QPushButton>("replaceTargetButton")->hasFocus());
    QVERIFY(click("replaceTargetButton"));
    QCOMPARE(rows("targetTargetsList"), QStringList{"Jones"});
    QCOMPARE(find<QPlainTextEdit>("targetChangeText")->toPlainText(), "LBCount Records with \"Last\" = \"Jones\"   ");
    const std::optional<StoredRequest> stored = queue().load("abc  Smiths");  // written at once
    QCOMPARE(stored->request.conditions[0].target, "Jones");
    QCOMPARE(stored->request.displayText, "LBCount Records with \"Last\" = \"Jones\" ");
    test::verifyFitsSmallScreen(*m_on.builder, "builder-target-change");
    test::keepScreenshot(*m_on.builder, "builder-target-change");

    QVERIFY(click("replayProcessButton"));
    QVERIFY(shown("builderView"));
    QCOMPARE(find<QLabel>("matchesLabel")->text(), "1");
    QCOMPARE(m_on.builder->builder().matchList(), QStringList{test::kJones});
    QVERIFY(!shown("addToQueueGroup"));  // never for a replay
    QVERIFY(click("replayContinueButton"));
    QVERIFY(shown("targetChangeView"));
    QVERIFY(click("targetChangeReturnButton"));
    QVERIFY(shown("requestQueueView"));

    test::clickRow(find<QListWidget>("queueList"), 0);
    prompter().answers = {Answer::No};
    QVERIFY(click("deleteRequestButton"));
    QCOMPARE(prompter().texts().last(), "Confirm removing Processing Reguest from queue.");
    QCOMPARE(rows("queueList"), QStringList{"abc  Smiths"});
    QVERIFY(click("deleteRequestButton"));
    QVERIFY(rows("queueList").isEmpty());
    QVERIFY(find<QPlainTextEdit>("queueRequestText")->toPlainText().isEmpty());
    QVERIFY(!find<QPushButton>("deleteRequestButton")->isEnabled());
    QVERIFY(queue().keys("abc").isEmpty());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-queue-view");
    QVERIFY(test::unnamedControls(m_on.builder).isEmpty());
    QVERIFY(click("queueExitButton"));
    QVERIFY(shown("builderView"));
}

void RequestQueueWindowTest::aTakenNameIsRefusedAndTheNameAskedAgain() {
    countLastIs("Smith");
    QVERIFY(storeAs("Smiths"));
    countLastIs("Jones");
    QVERIFY(storeAs("Smiths"));
    QCOMPARE(prompter().texts().last(), RequestQueue::kNameTaken);
    QCOMPARE(prompter().beeps, 1);
    QVERIFY(!shown("addNowButton"));
    QVERIFY(find<QLineEdit>("requestNameEdit")->text().isEmpty());
    QVERIFY(find<QLineEdit>("requestNameEdit")->hasFocus());
    QCOMPARE(queue().load("abc  Smiths")->request.conditions[0].target, "Smith");

    QTest::keyClicks(find<QLineEdit>("requestNameEdit"), "a~b");
    QTest::keyClick(find<QLineEdit>("requestNameEdit"), Qt::Key_Return);
    QVERIFY(click("addNowButton"));
    QVERIFY(prompter().texts().last().contains("\"~\""));
    QCOMPARE(queue().keys("abc").size(), 1);
}

void RequestQueueWindowTest::clearRemovesTheStoredRequestsOfEveryList() {
    countLastIs("Smith");
    QVERIFY(storeAs(""));  // an empty name is a name
    SqlRequest other = m_on.builder->builder().request();
    QCOMPARE(queue().save("xyz", "Other list", other).result, SaveOutcome::Result::Saved);
    prompter().answers = {Answer::No};
    find<QAction>("actionQueueClear")->trigger();
    QCOMPARE(prompter().texts().last(), "Confirm Clearing ENTIRE Request Queue?");
    QVERIFY(shown("requestQueueView"));
    QCOMPARE(rows("queueList"), QStringList{"abc  "});
    find<QAction>("actionQueueClear")->trigger();
    QVERIFY(shown("builderView"));
    QVERIFY(queue().keys("abc").isEmpty());
    QVERIFY(queue().keys("xyz").isEmpty());
}

QTEST_MAIN(RequestQueueWindowTest)
#include "request_queue_window_test.moc"
