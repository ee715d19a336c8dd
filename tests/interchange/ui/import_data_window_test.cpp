// Window 11 on a started program: its menu, the text import view refused without a current list,
// and a delimited file mapped by clicks and imported automatically and line by line.
#include "interchange/ui/import_data_window.h"
#include "interchange/ui/import_text_view.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "lists/records/record_tables.h"
#include "store/catalogue/slots.h"
#include "members_list.h"
#include "support/running_program.h"
#include "support/screen_fit.h"

#include "../../archive/work_cancel.h"
#include "../../requests/ui/window_children.h"
#include "lists/definitions/definition_rows.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace vn {

namespace {

const QString kFirstKey = "abcwyalb000100000";

}  // namespace

class ImportDataWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theMenuOffersTheTextAndTableImportsAndOnlyFoundSiblings();
    void withoutACurrentListTheViewStaysClosed();
    void aDelimitedFileIsMappedByClicksAndImportedBothWays();
    void cancellingAnAutomaticImportLeavesNoRecord();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_window, name);
    }
    bool click(const QString& name) { return test::clickButton(m_window, name); }
    void clickField(int row);
    void chooseFile(const QByteArray& content);
    void openTextView();
    QString field(int slot, const QString& key, int number) {
        RecordAccess& a = m_program->session->access;
        return a.FindRecord(slot, key) ? a.GetFieldText(slot, number) : QString("(none)");
    }

    std::unique_ptr<test::RunningProgram> m_program;
    AppWindow* m_window = nullptr;
};

void ImportDataWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    test::makeMembersListCurrent(*m_program->session);
    m_program->openWindows({{ImportWindow, makeImportDataWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, ImportWindow);
    m_window = m_program->windows->window(ImportWindow);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ImportDataWindowTest::cleanup() { m_program.reset(); }

void ImportDataWindowTest::openTextView() {
    find<QAction>("actionImportTextBasedData")->trigger();
    QVERIFY(find<QWidget>("importTextView")->isVisible());
}

void ImportDataWindowTest::clickField(int row) {
    auto* list = find<QTreeWidget>("importFieldsList");
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// The file the "Select Text File" dialog would give.
void ImportDataWindowTest::chooseFile(const QByteArray& content) {
    const QString path = m_program->tmp.file("people.csv");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
    const QString map = m_program->tmp.file("people.map");
    find<ImportTextView>("importTextView")->setFileChooser([path, map](ImportTextView::FileRole role) {
        return role == ImportTextView::FileRole::TextFile ? path : map;
    });
}

void ImportDataWindowTest::theMenuOffersTheTextAndTableImportsAndOnlyFoundSiblings() {
    QVERIFY(m_window->windowTitle().endsWith("  Varnedo  [Data Import]"));
    QVERIFY(!find<QWidget>("importTextView")->isVisible());
    for (const char* name : {"actionAccessTable", "actionParadoxTable", "actionDBaseTable"})
        QVERIFY2(find<QAction>(name)->isEnabled(), name);
    for (const char* name : {"actionGrovanta", "actionPavilo", "actionKovra"})  // none installed
        QVERIFY2(!find<QAction>(name)->isEnabled(), name);
    openTextView();
    QCOMPARE(find<QLabel>("listCodeLabel")->text(), "abc");
    QCOMPARE(find<QLabel>("listTitleLabel")->text(), "Members");
    QCOMPARE(find<QLabel>("mappingInstructionLabel")->text(),
             "Click on a text field below, then click on the correct check box for desired mapping.  Click check box a "
             "second time to un-map.");
    QCOMPARE(find<QCheckBox>("headerPositionTitleCheck")->text(), "Position/Title");
    QCOMPARE(find<QCheckBox>("pageField1Check")->text(), "Phone");
    QVERIFY(!find<QCheckBox>("pageField2Check")->isVisible());
    QVERIFY(find<QPushButton>("page1Button")->isVisible());
    QVERIFY(find<QPushButton>("page1Button")->font().bold());
    QVERIFY(!find<QPushButton>("page2Button")->isVisible());
    QVERIFY(!find<QRadioButton>("delimitedRadio")->isEnabled());
    QCOMPARE(test::unnamedControls(m_window).join(", "), QString());
    test::verifyFitsSmallScreen(*m_window, "import-text-opened");
    QVERIFY(click("importHelpButton"));
    QCOMPARE(m_program->prompter.messages.last().kind, "information");
    QVERIFY(click("stopReturnButton"));
    QVERIFY(!find<QWidget>("importTextView")->isVisible());
}

void ImportDataWindowTest::withoutACurrentListTheViewStaysClosed() {
    m_program->session->currentListCode.clear();
    find<QAction>("actionImportTextBasedData")->trigger();
    QVERIFY(!find<QWidget>("importTextView")->isVisible());
    QCOMPARE(m_program->prompter.messages.size(), 1);
    QVERIFY(m_program->prompter.messages.last().text.contains("no current data list"));
}

void ImportDataWindowTest::aDelimitedFileIsMappedByClicksAndImportedBothWays() {
    openTextView();
    chooseFile("Smith,Ann,555-1234\r\nJones,Bob,555-9876\r\n");
    QVERIFY(click("selectTextFileButton"));
    QCOMPARE(find<QLineEdit>("previewEdit")->text(), "Smith,Ann,555-1234");
    QCOMPARE(find<QLabel>("lineCounterLabel")->text(), "1 of 2");
    QVERIFY(click("delimitedRadio"));
    QVERIFY(find<QWidget>("textFileDelimitersGroup")->isVisible());
    QVERIFY(!find<QWidget>("fieldSizeGroup")->isVisible());
    auto* separator = find<QLineEdit>("fieldSeparatorEdit");
    QTest::keyClicks(separator, ",");
    QTest::keyClick(separator, Qt::Key_Return);
    QVERIFY(click("splitTextFieldsButton"));
    QVERIFY(!find<QPushButton>("splitTextFieldsButton")->isEnabled());
    auto* list = find<QTreeWidget>("importFieldsList");
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(2)->text(1), "3    555-1234");

    // Last, First and the page's Phone, each by a click on the field and one on its box.
    for (auto [row, box] : {std::pair{0, "headerLastCheck"}, {1, "headerFirstCheck"}, {2, "pageField1Check"}}) {
        clickField(row);
        QVERIFY(click(box));
    }
    QVERIFY(find<QCheckBox>("headerLastCheck")->isChecked());
    QCOMPARE(find<QLabel>("headerLastNumberLabel")->text(), "1");
    QCOMPARE(find<QLabel>("pageField1NumberLabel")->text(), "3");
    QCOMPARE(list->topLevelItem(1)->text(0), "X");
    QVERIFY(click("headerCityCheck"));  // nothing selected: stays unchecked
    QVERIFY(!find<QCheckBox>("headerCityCheck")->isChecked());
    QVERIFY(!find<QRadioButton>("automaticallyRadio")->isEnabled());
    QCOMPARE(test::unnamedControls(m_window).join(", "), QString());  // the delimiter boxes as well
    test::verifyFitsSmallScreen(*m_window, "import-text-mapped");

    // The mapping kept in a map file comes back from it.
    QVERIFY(click("saveMapFileButton"));
    QVERIFY(QFile::exists(m_program->tmp.file("people.map")));
    QVERIFY(click("clearMappingButton"));
    QVERIFY(!find<QCheckBox>("headerLastCheck")->isChecked());
    QVERIFY(click("openMapFileButton"));
    QCOMPARE(find<QLabel>("headerLastNumberLabel")->text(), "1");
    QCOMPARE(find<QLabel>("pageField1NumberLabel")->text(), "3");

    QVERIFY(click("saveMappingButton"));
    QVERIFY(!find<QPushButton>("saveMappingButton")->isEnabled());
    QVERIFY(click("automaticallyRadio"));
    QVERIFY(click("startProcessButton"));
    QCOMPARE(find<QLabel>("lineCounterLabel")->text(), "EOF");
    QCOMPARE(field(kHeadSlot, kFirstKey, 4), "Smith");
    QCOMPARE(field(kHeadSlot, kFirstKey, 2), "Ann");
    QCOMPARE(field(pageSlot(1), kFirstKey, 1), "555-1234");
    QCOMPARE(field(kHeadSlot, "abcwyalb000200000", 4), "Jones");
    QVERIFY(m_program->prompter.messages.last().text.startsWith("2 records imported."));

    // Line by line: the first line accepted, the second skipped.
    QVERIFY(click("lineByLineRadio"));
    QVERIFY(!find<QPushButton>("acceptLineButton")->isEnabled());
    QVERIFY(click("startProcessButton"));
    QCOMPARE(find<QLabel>("lineCounterLabel")->text(), "1 of 2");
    test::verifyFitsSmallScreen(*m_window, "import-text-line-by-line");
    QVERIFY(click("acceptLineButton"));
    QCOMPARE(find<QLineEdit>("previewEdit")->text(), "Jones,Bob,555-9876");
    QCOMPARE(find<QLabel>("lineCounterLabel")->text(), "2 of 2");
    QVERIFY(click("skipLineButton"));
    QCOMPARE(find<QLabel>("lineCounterLabel")->text(), "EOF");
    QVERIFY(!find<QPushButton>("acceptLineButton")->isEnabled());
    QCOMPARE(field(kHeadSlot, "abcwyalb000300000", 4), "Smith");
    QCOMPARE(field(kHeadSlot, "abcwyalb000400000", 4), "(none)");
    QCOMPARE(m_program->session->access.RecordCount(kHeadSlot), 3);
}

void ImportDataWindowTest::cancellingAnAutomaticImportLeavesNoRecord() {
    QByteArray lines;
    for (int i = 0; i < 300; ++i) lines += "Name" + QByteArray::number(i) + "\t" + QByteArray::number(i) + "\n";
    openTextView();
    chooseFile(lines);
    QVERIFY(click("selectTextFileButton"));
    QVERIFY(click("excelTabDelimitedRadio"));
    QVERIFY(click("splitTextFieldsButton"));
    clickField(0);
    QVERIFY(click("headerLastCheck"));
    QVERIFY(click("saveMappingButton"));
    QVERIFY(click("automaticallyRadio"));
    dynamic_cast<PanelView&>(*find<QWidget>("importTextView")).setDialogDelay(0);
    QVERIFY(test::cancelWhenTheDialogShows(m_window, [this] { QVERIFY(click("startProcessButton")); }));
    QCOMPARE(m_program->session->access.RecordCount(kHeadSlot), 0);
    QCOMPARE(m_program->prompter.messages.last().text, "The import was cancelled.  No record was imported.");
    QVERIFY(find<QPushButton>("startProcessButton")->isEnabled());
    QVERIFY(!m_window->findChild<QWidget*>("workDialog")->isVisible());
}

}  // namespace vn

QTEST_MAIN(vn::ImportDataWindowTest)
#include "import_data_window_test.moc"
