#include "lists/definitions/definition_keys.h"
#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "entry/ui/page_form.h"
#include "entry/ui/record_screen.h"
#include "support/sibling_fixture.h"
#include "../session/session_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace vn;

// The record screen's links to a sibling made as a user would: list "abc" links its header to
// Grovanta members, and its page 1 text field (slot 1) shows a member's home phone.
class RecordLinksWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aHeaderLinkPickedAndCopiedIsSaved();
    void aLinkedFieldTakesThePickedRecordsValue();

private:
    template <typename T>
    T* find(const QString& name) {
        T* widget = m_screen->findChild<T*>(name);
        if (!widget) qFatal("no %s", qPrintable(name));
        return widget;
    }
    void clickRow(const QString& list, int row) {
        auto* widget = find<QListWidget>(list);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
    }
    QWidget* mode() { return find<QStackedWidget>("recordModes")->currentWidget(); }

    std::unique_ptr<test::SessionFixture> fx;
    std::unique_ptr<EntrySession> m_entry;
    std::unique_ptr<RecordScreen> m_screen;
};

void RecordLinksWindowTest::init() {
    fx = std::make_unique<test::SessionFixture>();
    fx->session.siblings[0] = test::makeSibling(fx->tmp.path(), SiblingProduct::Grovanta);
    test::putSiblingRecord(fx->tmp.path(), 1, "M000002", {{1, "Zorn"}, {2, "Ann"}, {8, "555-0002"}, {24, "ann@example.org"}});
    test::putSiblingRecord(fx->tmp.path(), 1, "M000001", {{1, "Ames"}, {2, "Bo"}, {8, "555-0001"}});
    fx->putRow(kListSlot, "abc", {{1, "Members"}, {11, "1"}});
    fx->putRow(kFdisSlot, definitionKey("abc", 1, 1),
               {{1, "1"}, {2, "1"}, {3, "1"}, {4, "Phone"}, {5, "40"}, {6, "100"}, {7, "120"}, {9, "1"}, {25, "1"}, {26, "8"}});
    reloadListCodes(fx->session);
    ChooseList(fx->session, "abc  Members");
    m_entry = std::make_unique<EntrySession>(fx->session);
    QVERIFY(m_entry->startNew());
    m_screen = std::make_unique<RecordScreen>(*m_entry, fx->prompter);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->showRecord();
}

void RecordLinksWindowTest::cleanup() {
    m_screen.reset();
    m_entry.reset();
    fx.reset();
}

void RecordLinksWindowTest::aHeaderLinkPickedAndCopiedIsSaved() {
    auto* open = find<QPushButton>("linkHeaderButton");
    QVERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(mode()->objectName(), "headerLinkView");
    QVERIFY(find<QRadioButton>("headerSource1Radio")->isChecked());
    QVERIFY(!find<QRadioButton>("headerSource5Radio")->isEnabled());
    QCOMPARE(find<QLabel>("headerLinkCaption")->text(), "Grovanta Member Records");
    auto* list = find<QListWidget>("headerLinkList");
    QCOMPARE(list->item(0)->text(), "M000001  Ames  Bo");
    QVERIFY(find<QPushButton>("headerLinkByIdButton")->font().bold());
    QTest::mouseClick(find<QPushButton>("headerLinkByNameButton"), Qt::LeftButton);
    QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), "M000001");
    QVERIFY(find<QPushButton>("headerLinkByNameButton")->font().bold());
    QVERIFY(!find<QPushButton>("copyHeaderButton")->isEnabled());
    clickRow("headerLinkList", 1);
    QCOMPARE(find<QLineEdit>("matching8Edit")->text(), "ann@example.org");
    QTest::mouseClick(find<QPushButton>("copyHeaderButton"), Qt::LeftButton);
    QCOMPARE(mode()->objectName(), "recordBody");
    QCOMPARE(m_screen->headerEdit(4)->text(), "Zorn");
    QCOMPARE(m_entry->save(), SaveOutcome::Saved);
    QVERIFY(fx->access.FindRecord(kHeadSlot, m_entry->key()));
    QCOMPARE(fx->access.GetFieldText(kHeadSlot, 16), "1");
    QCOMPARE(fx->access.GetFieldText(kHeadSlot, 17), "M000002");
    QCOMPARE(fx->access.GetFieldText(kHeadSlot, 8), "ann@example.org");
}

void RecordLinksWindowTest::aLinkedFieldTakesThePickedRecordsValue() {
    QWidget* box = m_screen->pageForm().control(1);
    box->setFocus();
    QTRY_COMPARE(mode()->objectName(), "linkedFieldView");
    QCOMPARE(find<QLabel>("dataSystemValue")->text(), "Grovanta!");
    QCOMPARE(find<QLabel>("dataFileValue")->text(), "Members");
    QCOMPARE(find<QLabel>("fieldNameValue")->text(), "Phone");
    // Nothing picked: Save/Return changes nothing.
    QTest::mouseClick(find<QPushButton>("saveReturnButton"), Qt::LeftButton);
    QTest::qWait(20);  // the focus given back to the box is no new entry: the view stays closed
    QCOMPARE(mode()->objectName(), "recordBody");
    QCOMPARE(m_entry->value(1, 1), "");
    QCOMPARE(m_entry->sourceKey(1), "");

    box->clearFocus();
    box->setFocus();
    QTRY_COMPARE(mode()->objectName(), "linkedFieldView");
    clickRow("linkedFieldList", 1);
    QCOMPARE(find<QLabel>("contentsValue")->text(), "555-0002");
    QTest::mouseClick(find<QPushButton>("saveReturnButton"), Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(mode()->objectName(), "recordBody");
    QCOMPARE(qobject_cast<QLineEdit*>(m_screen->pageForm().control(1))->text(), "555-0002");
    QCOMPARE(m_entry->value(1, 1), "555-0002");  // in the store at once
    QCOMPARE(m_entry->sourceKey(1), "M000002");
    QVERIFY(fx->prompter.messages.isEmpty());
}

QTEST_MAIN(RecordLinksWindowTest)
#include "record_links_window_test.moc"
