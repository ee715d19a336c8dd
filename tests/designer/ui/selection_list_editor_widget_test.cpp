#include "lists/definitions/definition_keys.h"
#include "designer/page_designer/page_designer.h"
#include "lists/definitions/selection_items.h"
#include "designer/ui/default_lists_widget.h"
#include "lists/ui/page_canvas.h"
#include "designer/ui/page_designer_widget.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"
#include "support/named_child.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace vn;

// The selection list editor reached from a text field's add view, and the window's default
// lists view, driven by clicks and keys offscreen over a real database.
class SelectionListEditorWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buildListFromTheAddView();
    void loadDefaultListIntoTheField();
    void editUserDefinedDefaultList();

private:
    template <typename T>
    T* find(QWidget* root, const char* name) {
        return test::namedChild<T>(root, name);
    }
    void click(QWidget* root, const char* name) {
        QPushButton* b = find<QPushButton>(root, name);
        QVERIFY2(b->isEnabled() && b->isVisible(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void clickRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void openEditor();
    void addItems(const QStringList& texts);
    QStringList stored() {
        QStringList all;
        for (const SelectionItem& item : SelectionItems(m_store->access, "abc011"))
            all << item.text + ':' + QString::number(item.position);
        return all;
    }
    void putDefault(int list, int item, const QString& text) {
        m_store->access.EnsureRecord(kDsliSlot, defaultListItemKey(list, item));
        m_store->access.SetFieldText(kDsliSlot, 1, text);
    }

    std::unique_ptr<test::StoreFixture> m_store;
    std::unique_ptr<PageDesignerWidget> m_widget;
};

void SelectionListEditorWidgetTest::init() {
    m_store = std::make_unique<test::StoreFixture>();
    m_store->access.EnsureRecord(kListSlot, "abc");
    m_widget = std::make_unique<PageDesignerWidget>(m_store->prompter);
    m_widget->setSelectionAccess(m_store->access);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
    m_widget->open(std::make_unique<PageDesigner>(m_store->access, m_store->prompter, "abc", "alb", m_widget->measure(), false));
}

void SelectionListEditorWidgetTest::cleanup() {
    m_widget.reset();
    m_store.reset();
}

void SelectionListEditorWidgetTest::openEditor() {
    click(m_widget.get(), "addComponentsButton");
    click(m_widget.get(), "addKind1Button");
    QTest::keyClicks(find<QLineEdit>(m_widget.get(), "nameEdit"), "Colour");
    find<QSpinBox>(m_widget.get(), "sizeSpin")->setValue(10);
    find<QComboBox>(m_widget.get(), "characterTypeCombo")->setCurrentIndex(4);
    QPushButton* build = find<QPushButton>(m_widget.get(), "selectionListButton");
    QCOMPARE(build->text(), "Build Selection List");
    QVERIFY(!build->isEnabled());
    find<QCheckBox>(m_widget.get(), "standardListCheck")->click();
    click(m_widget.get(), "selectionListButton");
    QVERIFY(find<QWidget>(m_widget.get(), "selectionListEditorView")->isVisible());
}

void SelectionListEditorWidgetTest::addItems(const QStringList& texts) {
    QLineEdit* edit = find<QLineEdit>(m_widget.get(), "selectionItemEdit");
    for (const QString& text : texts) {
        QTest::keyClicks(edit, text);
        click(m_widget.get(), "selectionAddButton");
    }
}

void SelectionListEditorWidgetTest::buildListFromTheAddView() {
    openEditor();
    addItems({"Red", "Green", "Blue"});
    QVERIFY(!find<QPushButton>(m_widget.get(), "selectionAddButton")->isEnabled());
    QListWidget* items = find<QListWidget>(m_widget.get(), "selectionItemsList");
    clickRow(items, 2);
    QVERIFY(!find<QPushButton>(m_widget.get(), "selectionMoveDownButton")->isEnabled());
    click(m_widget.get(), "selectionMoveUpButton");
    QCOMPARE(stored(), (QStringList{"Red:0", "Blue:1", "Green:2"}));
    QCOMPARE(items->currentItem()->text(), "Blue");
    find<QCheckBox>(m_widget.get(), "lockSelectionListCheck")->click();
    click(m_widget.get(), "selectionExitButton");
    QVERIFY(find<QLineEdit>(m_widget.get(), "nameEdit")->isVisible());
    click(m_widget.get(), "placeButton");
    click(m_widget.get(), "continueButton");
    // The lock written by the editor survives the field's confirmation.
    QVERIFY(m_store->access.FindRecord(kFdisSlot, "abc101"));
    QCOMPARE(m_store->access.GetFieldInt(kFdisSlot, 24), 1);
    QCOMPARE(m_store->access.GetFieldInt(kFdisSlot, 12), 1);
}

void SelectionListEditorWidgetTest::loadDefaultListIntoTheField() {
    putDefault(4, 0, "January");
    putDefault(4, 1, "February");
    openEditor();
    addItems({"Other"});
    click(m_widget.get(), "viewDefaultListsButton");
    QVERIFY(!find<QPushButton>(m_widget.get(), "useSelectedListButton")->isEnabled());
    click(m_widget.get(), "displayDefaultListsButton");
    QListWidget* choice = find<QListWidget>(m_widget.get(), "defaultListChoice");
    QCOMPARE(choice->count(), 20);
    clickRow(choice, 3);
    QTRY_COMPARE(choice->count(), 2);
    click(m_widget.get(), "useSelectedListButton");
    click(m_widget.get(), "defaultListsReturnButton");
    QCOMPARE(find<QListWidget>(m_widget.get(), "selectionItemsList")->count(), 3);
    QCOMPARE(stored(), (QStringList{"Other:0", "January:1", "February:2"}));
}

void SelectionListEditorWidgetTest::editUserDefinedDefaultList() {
    putDefault(1, 0, "Alabama");
    DefaultListsWidget view(m_store->access, m_store->prompter);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.open(false);
    QListWidget* items = find<QListWidget>(&view, "defaultListItems");
    find<QRadioButton>(&view, "defaultList1Radio")->click();
    QCOMPARE(items->count(), 1);
    QVERIFY(!find<QLineEdit>(&view, "defaultItemEdit")->isVisible());
    clickRow(items, 0);
    QCOMPARE(items->currentRow(), -1);  // shipped lists are not edited
    find<QRadioButton>(&view, "defaultList14Radio")->click();
    QTest::keyClicks(find<QLineEdit>(&view, "defaultItemEdit"), "Mine");
    click(&view, "addDefaultItemButton");
    QCOMPARE(items->count(), 1);
    QVERIFY(m_store->access.FindRecord(kDsliSlot, "14000"));
    clickRow(items, 0);
    click(&view, "deleteDefaultItemButton");
    QCOMPARE(items->count(), 0);
    QVERIFY(!m_store->access.FindRecord(kDsliSlot, "14000"));
}

QTEST_MAIN(SelectionListEditorWidgetTest)
#include "selection_list_editor_widget_test.moc"
