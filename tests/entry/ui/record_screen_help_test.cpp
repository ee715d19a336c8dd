#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "entry/ui/page_form.h"
#include "entry/ui/record_screen.h"
#include "support/recording_help_agent.h"
#include "../session/session_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// Right clicks on the page ask the help character for a field's help text. Page 1 has Colour
// (a text field with help), Age (a text field without) and Member (a check box with help).
class RecordScreenHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aRightClickSpeaksTheFieldsHelp();
    void nothingIsSpokenWithoutTextOrWithHelpOff();
    void leavingTheRecordDismissesTheCharacter();

private:
    void field(int number, const QString& kind, const QString& caption) {
        fx->putRow(kFdisSlot, definitionKey("abc", 1, number),
                   {{1, "1"}, {2, kind}, {3, QString::number(number)}, {4, caption}, {5, QString::number(40 * number)},
                    {6, "100"}, {7, "120"}, {8, "21"}, {9, QString::number(number)}});
    }
    QLabel* captionOf(int column) {
        QWidget* box = m_screen->pageForm().control(column);
        for (QLabel* label : m_screen->pageForm().findChildren<QLabel*>())
            if (label->buddy() == box) return label;
        return nullptr;
    }
    void rightClick(QWidget* w) { QTest::mousePress(w, Qt::RightButton, {}, QPoint(3, 3)); }
    QPushButton* hideButton() { return m_screen->findChild<QPushButton*>("hideAgentButton"); }

    std::unique_ptr<test::SessionFixture> fx;
    std::unique_ptr<EntrySession> m_entry;
    std::unique_ptr<RecordScreen> m_screen;
    std::unique_ptr<test::RecordingHelpAgent> m_agent;
};

void RecordScreenHelpTest::init() {
    fx = std::make_unique<test::SessionFixture>();
    fx->putRow(kListSlot, "abc", {{1, "Members"}});
    field(1, "1", "Colour");
    field(2, "1", "Age");
    field(3, "3", "Member");
    fx->putRow(kHelpSlot, definitionKey("abc", 1, 1), {{1, "Your favourite colour."}});
    fx->putRow(kHelpSlot, definitionKey("abc", 1, 2), {{1, ""}});
    fx->putRow(kHelpSlot, definitionKey("abc", 1, 3), {{1, "Tick for members."}});
    reloadListCodes(fx->session);
    ChooseList(fx->session, "abc  Members");
    m_entry = std::make_unique<EntrySession>(fx->session);
    QVERIFY(m_entry->startNew());
    m_agent = std::make_unique<test::RecordingHelpAgent>();
    m_screen = std::make_unique<RecordScreen>(*m_entry, fx->prompter);
    m_screen->setSelectionAccess(fx->access);
    m_screen->setHelp(fx->access, [this]() -> HelpAgent& { return *m_agent; });
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->showRecord();
}

void RecordScreenHelpTest::cleanup() {
    m_screen.reset();
    m_entry.reset();
    fx.reset();
}

void RecordScreenHelpTest::aRightClickSpeaksTheFieldsHelp() {
    QVERIFY(!hideButton()->isEnabled());
    QLabel* colour = captionOf(1);
    QVERIFY(colour);
    QCOMPARE(colour->toolTip(), "Agent Help Available");
    rightClick(colour);
    QCOMPARE(m_agent->said, QStringList{"Your favourite colour."});
    QCOMPARE(m_agent->points, QList<QPoint>{QPoint(490, 320)});
    QVERIFY(hideButton()->isEnabled());

    auto* member = m_screen->pageForm().findChild<QCheckBox*>();
    QVERIFY(member);
    QCOMPARE(member->toolTip(), "Agent Help Available");
    rightClick(member);
    QCOMPARE(m_agent->said.last(), "Tick for members.");
    QVERIFY(!member->isChecked());  // a right click asks, it does not tick

    hideButton()->click();
    QCOMPARE(m_agent->hidden, 1);
    QVERIFY(!hideButton()->isEnabled());
}

void RecordScreenHelpTest::nothingIsSpokenWithoutTextOrWithHelpOff() {
    QLabel* age = captionOf(2);
    QVERIFY(age->toolTip().isEmpty());
    rightClick(age);
    m_agent->on = false;
    rightClick(captionOf(1));
    QVERIFY(m_agent->said.isEmpty());
    QVERIFY(!hideButton()->isEnabled());
}

void RecordScreenHelpTest::leavingTheRecordDismissesTheCharacter() {
    rightClick(captionOf(1));
    QSignalSpy left(m_screen.get(), &RecordScreen::toRecordSelection);
    m_screen->findChild<QPushButton*>("cancelExitButton")->click();
    QCOMPARE(left.size(), 1);
    QCOMPARE(m_agent->hidden, 1);
}

QTEST_MAIN(RecordScreenHelpTest)
#include "record_screen_help_test.moc"
