#include "entry/ui/page_form.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_rows.h"
#include "lists/ui/page_canvas.h"
#include "support/store_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

// The controls a record page is built of, as assistive technology and the keyboard meet them.
// Page 1 has two text fields (the right one first in tab order), a memo, a check box, a radio
// group and a two by two table.
class PageFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlIsNamedAfterItsCaption_data();
    void everyControlIsNamedAfterItsCaption();
    void tabFollowsTheDesignersOrder();

private:
    void place(int number, FieldKind kind, int slot, QRect rect, const QString& caption, test::FieldValues more = {}) {
        const QString key = definitionKey("abc", 1, number);
        test::putDefinition(m_store->access, key, int(kind), slot,
                            {{fdis::kCaption, caption}, {fdis::kTop, QString::number(rect.top())},
                             {fdis::kLeft, QString::number(rect.left())}, {fdis::kWidth, QString::number(rect.width())},
                             {fdis::kHeight, QString::number(rect.height())}});
        test::putRow(m_store->access, kFdisSlot, key, more);
    }
    QString accessibleName(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    // The caption that assistive technology reads as the control's label.
    QWidget* labelOf(QWidget* w) {
        const auto labels = QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
        return labels.isEmpty() ? nullptr : qobject_cast<QWidget*>(labels.first().first->object());
    }

    std::unique_ptr<test::StoreFixture> m_store;
    std::unique_ptr<PageForm> m_form;
};

void PageFormTest::init() {
    m_store = std::make_unique<test::StoreFixture>();
    place(1, FieldKind::Text, 1, {300, 100, 110, 21}, "Last & First", {{fdis::kTabOrder, "2"}});
    place(2, FieldKind::Text, 2, {50, 100, 110, 21}, "Nickname", {{fdis::kTabOrder, "1"}});
    place(3, FieldKind::Memo, 1, {400, 320, 200, 80}, "Notes");
    place(4, FieldKind::CheckBox, 1, {600, 40, 90, 21}, "Member");
    place(5, FieldKind::RadioGroup, 1, {600, 150, 120, 51}, "Size",
          {{fdis::kFirstButton, "Small"}, {fdis::kFirstButton + 1, "Large"}});
    place(6, FieldKind::Table, 1, {8, 240, 0, 0}, "Scores");
    test::putRow(m_store->access, kTdatSlot, definitionKey("abc", 1, 6),
                 {{tdat::kName, "Scores"}, {tdat::kColumnCount, "2"}, {tdat::kRowCount, "2"}, {tdat::columnSize(0), "40"},
                  {tdat::columnSize(1), "5"}, {tdat::columnSize(2), "5"}});
    m_form = std::make_unique<PageForm>();
    m_form->build(layoutPage(LoadDefinitions(m_store->access, "abc"), 1, QtTextMeasure(), false), {});
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void PageFormTest::cleanup() {
    m_form.reset();
    m_store.reset();
}

void PageFormTest::everyControlIsNamedAfterItsCaption_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");  // the separate label tied to it, if any
    QTest::newRow("text box") << "column1" << "Last & First" << "Last && First";
    QTest::newRow("second text box") << "column2" << "Nickname" << "Nickname";
    QTest::newRow("memo") << "column121" << "Notes" << "Notes";
    QTest::newRow("check box") << "column21" << "Member" << "";
    QTest::newRow("radio group") << "group61" << "Size" << "";
    QTest::newRow("radio button") << "column61Button2" << "Large" << "";
    QTest::newRow("first cell") << "column71" << "Scores row 1 column 1" << "";
    QTest::newRow("last cell") << "column77" << "Scores row 2 column 2" << "";
}

void PageFormTest::everyControlIsNamedAfterItsCaption() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* w = m_form->findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(accessibleName(w), name);
    auto* label = qobject_cast<QLabel*>(labelOf(w));
    QCOMPARE(label ? label->text() : QString(), caption);
    if (label) QCOMPARE(label->buddy(), w);
}

void PageFormTest::tabFollowsTheDesignersOrder() {
    const QStringList expected = {"column2", "column1", "column71", "column72", "column76", "column77",
                                  "column21", "column61Button1", "column61Button2", "column121"};
    QStringList chain;
    QWidget* w = m_form->findChild<QWidget*>("column2");
    while (w && chain.size() < expected.size()) {
        chain << w->objectName();
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(chain, expected);
}

QTEST_MAIN(PageFormTest)
#include "page_form_test.moc"
