#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "entry/rules/selection_entries.h"
#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "entry/ui/page_form.h"
#include "entry/ui/record_screen.h"
#include "../session/session_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QtTest>

using namespace vn;

// The page text fields of the record screen: checks when a box is left, the selection panel,
// learning and the automatic focus move. Page 1 has Colour (slot 1, required, list), Age
// (numbers), Code (read only) and Metal (locked list).
class RecordScreenFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aRefusedInputNeverReachesTheStoreAndStopsASave();
    void aReadOnlyFieldKeepsItsValue();
    void choosingAndLearningSelectionEntries();
    void aLockedListTakesNoTyping();

private:
    void field(int slot, const QString& caption, std::initializer_list<std::pair<int, QString>> extra) {
        const QString key = definitionKey("abc", 1, slot);
        fx->putRow(kFdisSlot, key, {{1, "1"}, {2, "1"}, {3, QString::number(slot)}, {4, caption}, {5, QString::number(40 * slot)},
                                    {6, "100"}, {7, "120"}, {8, "21"}, {9, QString::number(slot)}, {11, "4"}});
        for (const auto& [f, v] : extra) fx->access.SetFieldText(kFdisSlot, f, v);
    }
    QLineEdit* box(int column) { return qobject_cast<QLineEdit*>(m_screen->pageForm().control(column)); }
    void leaveByEnter(int column, const QString& text) {
        box(column)->setFocus();
        box(column)->selectAll();
        QTest::keyClick(box(column), Qt::Key_Backspace);
        QTest::keyClicks(box(column), text);
        QTest::keyClick(box(column), Qt::Key_Return);
    }
    QWidget* side() { return m_screen->findChild<QStackedWidget*>("sidePanels")->currentWidget(); }

    std::unique_ptr<test::SessionFixture> fx;
    std::unique_ptr<EntrySession> m_entry;
    std::unique_ptr<RecordScreen> m_screen;
};

void RecordScreenFieldsTest::init() {
    fx = std::make_unique<test::SessionFixture>();
    fx->putRow(kListSlot, "abc", {{1, "Members"}});
    field(1, "Colour", {{10, "1"}, {12, "1"}});
    field(2, "Age", {{11, "3"}});
    field(3, "Code", {{28, "1"}});
    field(4, "Metal", {{12, "1"}, {24, "1"}});
    fx->putRow(kSelcSlot, "abc011Red", {{1, "1"}});
    fx->putRow(kSelcSlot, "abc041Gold", {});
    reloadListCodes(fx->session);
    ChooseList(fx->session, "abc  Members");
    m_entry = std::make_unique<EntrySession>(fx->session);
    QVERIFY(m_entry->startNew());
    m_entry->setValue(1, 3, "R-7");
    m_screen = std::make_unique<RecordScreen>(*m_entry, fx->prompter);
    m_screen->setSelectionAccess(fx->access);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->showRecord();
}

void RecordScreenFieldsTest::cleanup() {
    m_screen.reset();
    m_entry.reset();
    fx.reset();
}

void RecordScreenFieldsTest::aRefusedInputNeverReachesTheStoreAndStopsASave() {
    leaveByEnter(2, "1.5");
    QTRY_COMPARE(fx->prompter.texts().size(), 1);
    QCOMPARE(fx->prompter.texts().last(), "Error!  This text field will only accept Numbers and - + signs. Please re-enter.");
    QCOMPARE(box(2)->text(), "");
    QCOMPARE(m_entry->value(1, 2), "");
    QTRY_VERIFY(box(2)->hasFocus());

    // A check still waiting runs before the save, and its refusal stops the save.
    QTest::keyClicks(box(2), "x");
    box(3)->setFocus();
    QCOMPARE(m_entry->save(), SaveOutcome::Stopped);
    QCOMPARE(fx->prompter.texts().size(), 2);
    QCOMPARE(m_entry->value(1, 2), "");

    leaveByEnter(2, "-12");
    QTRY_COMPARE(m_entry->value(1, 2), "-12");
    QTRY_VERIFY(box(3)->hasFocus());  // on to the next tab order
    QCOMPARE(fx->prompter.texts().size(), 2);
}

void RecordScreenFieldsTest::aReadOnlyFieldKeepsItsValue() {
    QVERIFY(box(3)->isReadOnly());
    QCOMPARE(box(3)->text(), "R-7");
    leaveByEnter(3, "typed");
    QTRY_VERIFY(box(4)->hasFocus());
    QCOMPARE(box(3)->text(), "R-7");
    QCOMPARE(m_entry->value(1, 3), "R-7");
    QVERIFY(fx->prompter.messages.isEmpty());
}

void RecordScreenFieldsTest::choosingAndLearningSelectionEntries() {
    box(1)->setFocus();
    QTRY_COMPARE(side()->objectName(), "selectionPanel");
    auto* list = m_screen->findChild<QListWidget*>("selectionList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), kSelectNewPage);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(box(1)->text(), "Red");
    QCOMPARE(m_entry->value(1, 1), "Red");
    QCOMPARE(side()->objectName(), "recordOptions");

    leaveByEnter(1, "Blue");
    QTRY_COMPARE(m_entry->value(1, 1), "Blue");
    QCOMPARE(fx->prompter.texts(), QStringList{kLearnQuestion});
    QVERIFY(fx->access.FindRecord(kSelcSlot, "abc011Blue"));

    fx->prompter.answers = {Answer::No};
    leaveByEnter(1, "");  // required, slot 1: the offer of another page, declined
    QTRY_COMPARE(fx->prompter.texts().size(), 2);
    QCOMPARE(fx->prompter.texts().last(), "Do you want to select a new page?");
    QCOMPARE(m_entry->value(1, 1), "Blue");
    QTRY_VERIFY(box(1)->hasFocus());
}

void RecordScreenFieldsTest::aLockedListTakesNoTyping() {
    box(4)->setFocus();
    QTRY_COMPARE(side()->objectName(), "selectionPanel");
    QVERIFY(box(4)->isReadOnly());
    QVERIFY(m_screen->findChild<QLabel*>("lockedListNote")->isVisible());
    QVERIFY(!box(2)->isReadOnly());
}

QTEST_MAIN(RecordScreenFieldsTest)
#include "record_screen_fields_test.moc"
