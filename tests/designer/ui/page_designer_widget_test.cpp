#include "designer/page_designer/page_designer.h"
#include "lists/ui/page_canvas.h"
#include "designer/ui/page_designer_widget.h"
#include "lists/records/record_tables.h"
#include "store/files/installation.h"
#include "support/store_fixture.h"
#include "support/named_child.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace vn;

// The page designer view driven by clicks and keys, offscreen, over a real database.
class PageDesignerWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addPlaceMoveAndConfirmATextField();
    void selectRenameAndDeleteAField();
    void heldMoveButtonRepeats();
    void onePressIsOneStep();
    void textSetWithoutTypingEnablesPlacing_data();
    void textSetWithoutTypingEnablesPlacing();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_widget, name);
    }
    void click(const char* name) {
        QPushButton* b = find<QPushButton>(name);
        QVERIFY2(b->isEnabled() && b->isVisible(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void addTextField(const QString& name, int size) {
        click("addComponentsButton");
        click("addKind1Button");
        QLineEdit* edit = find<QLineEdit>("nameEdit");
        QTest::keyClicks(edit, name);
        QSpinBox* spin = find<QSpinBox>("sizeSpin");
        spin->setValue(size);
        find<QComboBox>("characterTypeCombo")->setCurrentIndex(4);
        click("placeButton");
    }
    QString fdis(const QString& key, int field) {
        return m_store->access.FindRecord(kFdisSlot, key) ? m_store->access.GetFieldText(kFdisSlot, field) : "<none>";
    }

    std::unique_ptr<test::StoreFixture> m_store;
    std::unique_ptr<PageDesignerWidget> m_widget;
};

void PageDesignerWidgetTest::init() {
    m_store = std::make_unique<test::StoreFixture>();
    m_store->access.EnsureRecord(kListSlot, "abc");
    m_widget = std::make_unique<PageDesignerWidget>(m_store->prompter);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
    m_widget->open(std::make_unique<PageDesigner>(m_store->access, m_store->prompter, "abc", "alb", m_widget->measure(), false));
}

void PageDesignerWidgetTest::cleanup() {
    m_widget.reset();
    m_store.reset();
}

void PageDesignerWidgetTest::addPlaceMoveAndConfirmATextField() {
    addTextField("Nickname", 10);
    QCOMPARE(fdis("abc101", 4), "Nickname");
    QCOMPARE(fdis("abc101", 7), "110");
    QVERIFY(!find<QPushButton>("page2Button")->isEnabled());  // locked while placing
    click("moveRightButton");
    click("moveDownButton");
    QCOMPARE(fdis("abc101", 6), "208");
    QCOMPARE(fdis("abc101", 5), "152");
    click("continueButton");
    QCOMPARE(fdis("abc101", 9), "1");
    QVERIFY(find<QPushButton>("page2Button")->isEnabled());
    const auto items = m_widget->canvas().items();
    const bool drawn = std::any_of(items.begin(), items.end(), [](const LayoutItem& item) {
        return item.kind == LayoutItem::Kind::TextBox && item.rect == QRect(208, 152, 110, 21);
    });
    QVERIFY(drawn);
    QVERIFY(find<QPushButton>("addKind1Button")->text().contains("19"));
}

void PageDesignerWidgetTest::selectRenameAndDeleteAField() {
    addTextField("Nickname", 10);
    click("continueButton");
    PageCanvas& canvas = m_widget->canvas();
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(210, 150));
    QLineEdit* name = find<QLineEdit>("nameEdit");
    QCOMPARE(name->text(), "Nickname");
    name->selectAll();
    QTest::keyClicks(name, "Alias");
    click("continueButton");
    QCOMPARE(fdis("abc101", 4), "Alias");
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(210, 150));
    m_store->prompter.answers = {Answer::Ok};
    click("deleteFieldButton");
    QCOMPARE(fdis("abc101", 1), "0");
    QVERIFY(find<QPushButton>("displayDeletedButton")->isEnabled());
}

void PageDesignerWidgetTest::heldMoveButtonRepeats() {
    addTextField("Nickname", 10);
    QPushButton* up = find<QPushButton>("moveUpButton");
    QTest::mousePress(up, Qt::LeftButton);
    QTRY_COMPARE(fdis("abc101", 5), "17");  // from 144, step by step up to the top bound
    QTest::mouseRelease(up, Qt::LeftButton);
    QVERIFY(m_store->prompter.beeps > 0);
}

// A click, and the press of assistive technology (which holds the button for a moment), move once.
void PageDesignerWidgetTest::onePressIsOneStep() {
    addTextField("Nickname", 10);
    QPushButton* down = find<QPushButton>("moveDownButton");
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(fdis("abc101", 5), "152");
    QAccessible::queryAccessibleInterface(down)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!down->isDown());
    QCOMPARE(fdis("abc101", 5), "160");
}

void PageDesignerWidgetTest::textSetWithoutTypingEnablesPlacing_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("edit");
    QTest::newRow("memo") << "addKind2Button" << "nameEdit";
    QTest::newRow("check box") << "addKind3Button" << "nameEdit";
    QTest::newRow("radio group") << "addKind4Button" << "button2Edit";
    QTest::newRow("link") << "addKind6Button" << "nameEdit";
}

// Text set as on-screen keyboards and dictation set it: through the box's value, without keys.
void PageDesignerWidgetTest::textSetWithoutTypingEnablesPlacing() {
    QFETCH(QString, kind);
    QFETCH(QString, edit);
    click("addComponentsButton");
    click(kind.toLatin1().constData());
    QPushButton* place = find<QPushButton>("placeButton");
    QVERIFY(!place->isEnabled());
    find<QLineEdit>(edit.toLatin1().constData())->setText("Sample");
    QVERIFY(place->isEnabled());
}

QTEST_MAIN(PageDesignerWidgetTest)
#include "page_designer_widget_test.moc"
