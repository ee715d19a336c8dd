// Window 11's table views on a started program, with outside tables held in memory: a dBase file
// found through the chooser, mapped by clicks, saved and imported; a sibling's table files listed
// and one opened in the Paradox view.
#include "interchange/panels/table_import_texts.h"
#include "interchange/tables/dbase_writer.h"
#include "interchange/tables/outside_readers.h"
#include "interchange/ui/import_data_window.h"
#include "interchange/ui/table_import_view.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "store/catalogue/slots.h"
#include "members_list.h"
#include "support/running_program.h"
#include "support/screen_fit.h"

#include "../../requests/ui/window_children.h"
#include "../fake_foreign_table.h"
#include "lists/definitions/definition_rows.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace vn {

namespace {

const QString kFirstKey = "abcwyalb000100000";

}  // namespace

class TableImportViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aDBaseFileIsFoundMappedSavedAndImported();
    void aSiblingsTableFileOpensInTheParadoxView();
    void aRealDBaseFileIsImportedByTheProgramsReaders();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_window, name);
    }
    bool click(const QString& name) { return test::clickButton(m_window, name); }
    void clickRow(const QString& list, int row);
    void clickPageRow(int page, int row);
    QString field(int slot, const QString& key, int number) {
        RecordAccess& a = m_program->session->access;
        return a.FindRecord(slot, key) ? a.GetFieldText(slot, number) : QString("(none)");
    }

    std::unique_ptr<test::RunningProgram> m_program;
    ImportDataWindow* m_window = nullptr;
    QStringList m_opened;  // kind:path of every table opened
};

void TableImportViewTest::init() {
    m_opened.clear();
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    Session& s = *m_program->session;
    test::makeMembersListCurrent(s, [](RecordAccess& access) {
        test::putDefinition(access, definitionKey("abc", 1, 2), int(FieldKind::Memo), 1,
                      {{definition_tables::fdis::kCaption, "Notes"}});
    });
    const QString pavilo = m_program->tmp.file("hlv/Pavilo/wy");
    QVERIFY(QDir().mkpath(pavilo));
    QFile table(pavilo + "/CLIENTS.DB");
    QVERIFY(table.open(QIODevice::WriteOnly));
    s.siblings[1].found = true;
    s.siblings[1].base = m_program->tmp.file("hlv");
    m_program->openWindows({{ImportWindow, makeImportDataWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, ImportWindow);
    m_window = qobject_cast<ImportDataWindow*>(m_program->windows->window(ImportWindow));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->setForeignReaders({[this](TableSource kind, const QString& path, const QString&, ForeignProblem&) {
                                     m_opened << QString("%1:%2").arg(int(kind)).arg(QFileInfo(path).fileName());
                                     return std::make_unique<test::FakeForeignTable>(
                                         test::textColumns({"LAST", "FIRST", "PHONE", "NOTES"}),
                                         QList<QStringList>{{"Smith", "Ann", "555-1234", "a long note"},
                                                            {"Jones", "Bo", "555-9876", ""}});
                                 },
                                 {}});
}

void TableImportViewTest::cleanup() { m_program.reset(); }

void TableImportViewTest::clickRow(const QString& name, int row) {
    auto* list = find<QListWidget>(name);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void TableImportViewTest::clickPageRow(int page, int row) {
    auto* list = find<QTreeWidget>(QString("page%1TargetList").arg(page));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
}

void TableImportViewTest::aDBaseFileIsFoundMappedSavedAndImported() {
    find<QAction>("actionDBaseTable")->trigger();
    QVERIFY(find<QWidget>("tableImportView")->isVisible());
    QCOMPARE(find<QGroupBox>("tableImportGroup")->title(), "Import DBase Data...");
    QCOMPARE(find<QPushButton>("findImportFileButton")->text(), "Find DBase Import Data File");
    QCOMPARE(find<QLabel>("listInfoLabel")->text(), "abc  Members");
    QCOMPARE(find<QTreeWidget>("page1TargetList")->topLevelItemCount(), 2);
    QVERIFY(!find<QPushButton>("tableImportDataButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_window, "table-import-opened");

    const QString path = m_program->tmp.file("people.DBF");
    find<TableImportView>("tableImportView")->setFileChooser([path](TableSource kind) {
        return kind == TableSource::DBase ? path : QString();
    });
    QVERIFY(click("findImportFileButton"));
    QCOMPARE(m_opened, QStringList({"1:people.DBF"}));
    QCOMPARE(find<QLabel>("importFileNameLabel")->text(), path);
    QCOMPARE(find<QListWidget>("sourceList")->count(), 4);

    clickRow("sourceList", 0);
    find<QCheckBox>("tableHeaderLastCheck")->click();
    clickRow("sourceList", 2);
    clickPageRow(1, 0);  // Phone
    clickRow("sourceList", 2);
    find<QCheckBox>("tableHeaderHPhoneCheck")->click();
    clickRow("sourceList", 3);
    clickPageRow(1, 1);  // Notes, the memo
    QCOMPARE(find<QTreeWidget>("page1TargetList")->topLevelItem(0)->text(0), "3");
    QVERIFY(find<QPushButton>("tableSaveMappingButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_window, "table-import-mapped");
    QVERIFY(click("tableSaveMappingButton"));
    QVERIFY(click("tableImportDataButton"));
    QCOMPARE(m_program->prompter.messages.last().text, "2 records imported.");
    QCOMPARE(field(kHeadSlot, kFirstKey, 4), "Smith");
    QCOMPARE(field(kHeadSlot, kFirstKey, 6), "555-1234");
    QCOMPARE(field(pageSlot(1), kFirstKey, 1), "555-1234");
    QCOMPARE(field(pageSlot(1), kFirstKey, kMemoColumn), "a long note");
    QCOMPARE(field(kHeadSlot, "abcwyalb000200000", 4), "Jones");
    QVERIFY(!find<QPushButton>("tableImportDataButton")->isEnabled());  // the mapping was cleared
    QVERIFY(click("tableReturnButton"));
    QVERIFY(!find<QWidget>("tableImportView")->isVisible());
}

void TableImportViewTest::aSiblingsTableFileOpensInTheParadoxView() {
    QVERIFY(!find<QAction>("actionGrovanta")->isEnabled());
    QVERIFY(find<QAction>("actionPavilo")->isEnabled());
    find<QAction>("actionPavilo")->trigger();
    QVERIFY(find<QWidget>("siblingFilesView")->isVisible());
    QCOMPARE(find<QGroupBox>("siblingFilesGroup")->title(), "Halvorin Pavilo Data Tables...");
    QCOMPARE(find<QListWidget>("siblingFilesList")->count(), 1);
    test::verifyFitsSmallScreen(*m_window, "sibling-files");
    clickRow("siblingFilesList", 0);
    QVERIFY(find<QWidget>("tableImportView")->isVisible());
    QCOMPARE(find<QGroupBox>("tableImportGroup")->title(), "Import Paradox Data...");
    QVERIFY(!find<QPushButton>("findImportFileButton")->isEnabled());
    QCOMPARE(m_opened, QStringList({"3:CLIENTS.DB"}));
    QCOMPARE(find<QListWidget>("sourceList")->count(), 4);
}

// A .dbf written by our writer (Windows-1252, a name with an umlaut) read by the readers the
// program itself uses.
void TableImportViewTest::aRealDBaseFileIsImportedByTheProgramsReaders() {
    const QString path = m_program->tmp.file("people.dbf");
    DbaseWriteCounts counts;
    QString failure;
    QVERIFY2(writeDbaseTable(path, {{"LAST", 20}, {"PHONE", 12}},
                             {{QStringLiteral("M\u00fcller"), "555-1234"}, {"Jones", ""}, {"Li", "555-0000"}}, counts, failure),
             qPrintable(failure));
    m_window->setForeignReaders(outsideTableReaders());
    find<QAction>("actionDBaseTable")->trigger();
    find<TableImportView>("tableImportView")->setFileChooser([path](TableSource) { return path; });
    QVERIFY(click("findImportFileButton"));
    QCOMPARE(find<QListWidget>("sourceList")->count(), 2);
    clickRow("sourceList", 0);
    find<QCheckBox>("tableHeaderLastCheck")->click();
    clickRow("sourceList", 1);
    clickPageRow(1, 0);  // Phone
    clickRow("sourceList", 1);
    find<QCheckBox>("tableHeaderHPhoneCheck")->click();
    QVERIFY(click("tableSaveMappingButton"));
    QVERIFY(click("tableImportDataButton"));
    QCOMPARE(m_program->prompter.messages.last().text, "3 records imported.");
    QCOMPARE(field(kHeadSlot, kFirstKey, 4), QStringLiteral("M\u00fcller"));
    QCOMPARE(field(kHeadSlot, kFirstKey, 6), "555-1234");
    QCOMPARE(field(pageSlot(1), kFirstKey, 1), "555-1234");
    QCOMPARE(field(kHeadSlot, "abcwyalb000200000", 4), "Jones");
    QCOMPARE(field(kHeadSlot, "abcwyalb000300000", 4), "Li");
    QCOMPARE(field(pageSlot(1), "abcwyalb000300000", 1), "555-0000");
}

}  // namespace vn

QTEST_MAIN(vn::TableImportViewTest)
#include "table_import_view_test.moc"
