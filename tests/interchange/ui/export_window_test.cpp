// Window 12 on a started program: its menu, the text view composed by clicks, export.vnd built
// automatically and line by line, a layout file round trip and a workbook.
#include "interchange/ui/export_data_window.h"
#include "interchange/ui/export_text_view.h"
#include "../tables/paradox_oracle.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "lists/records/record_tables.h"
#include "support/running_program.h"
#include "support/screen_fit.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace vn {

class ExportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theMenuOpensTheTextViewThatFitsASmallScreen();
    void everyControlHasANameAndACaption();
    void withoutACurrentListTheViewStaysClosed();
    void anOrderComposedByClicksBuildsExportVnd();
    void lineByLineWritesTheAcceptedRecords();
    void aLayoutSavedAndOpenedByTheButtonsComesBack();
    void aWorkbookGoesWhereTheUserChose();
    void theTableViewsFitASmallScreenWithEveryControlNamed();
    void aStructureClickedTogetherFillsANewParadoxTable();
    void aStructureClickedTogetherFillsANewDbaseTable();

private:
    template <typename T>
    T* find(const QString& name) {
        T* found = m_window->findChild<T*>(name);
        if (!found) qFatal("no %s", qPrintable(name));
        return found;
    }
    void click(const QString& name) { find<QAbstractButton>(name)->click(); }
    void put(int slot, const QString& key, std::initializer_list<std::pair<int, QString>> fields);
    void define(int number, FieldKind kind, int slot, const QString& caption, int page = 1);
    void openTextView();
    void chooseDelimited(const char* mode);
    QByteArray exported() const;
    void answerFileQuestions(const QString& path);
    void verifyNamedControls(const char* view);
    void clickEntry(QWidget* view, const char* list, int row);
    Session& session() { return *m_program->session; }

    std::unique_ptr<test::RunningProgram> m_program;
    AppWindow* m_window = nullptr;
    QList<ExportTextView::FileQuestion> m_asked;
};

namespace {

// What Debian's Python prints as JSON after running the script on the file.
QJsonDocument pythonJson(const QString& script, const QString& path) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) qWarning() << python.readAllStandardError();
    return QJsonDocument::fromJson(python.readAllStandardOutput());
}

}  // namespace

void ExportWindowTest::put(int slot, const QString& key, std::initializer_list<std::pair<int, QString>> fields) {
    session().access.EnsureRecord(slot, key);
    for (const auto& [field, value] : fields) session().access.SetFieldText(slot, field, value);
}

void ExportWindowTest::define(int number, FieldKind kind, int slot, const QString& caption, int page) {
    using namespace definition_tables;
    put(kFdisSlot, definitionKey("abc", page, number),
        {{fdis::kActive, "1"}, {fdis::kKind, QString::number(int(kind))}, {fdis::kSlot, QString::number(slot)}, {fdis::kCaption, caption}});
}

// List "abc": two text fields, a check box, a radio group, a memo and a 3 x 2 table on page 1,
// every box and a full table on page 2; three records.
void ExportWindowTest::init() {
    using namespace definition_tables;
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    define(1, FieldKind::Text, 1, "Grade");
    define(2, FieldKind::Text, 2, "School");
    define(3, FieldKind::CheckBox, 1, "Paid");
    define(4, FieldKind::RadioGroup, 1, "Shirt");
    define(5, FieldKind::Memo, 1, "Notes");
    define(6, FieldKind::Table, 1, "Table");
    put(kTdatSlot, definitionKey("abc", 1, 6), {{tdat::kName, "Grades"}, {tdat::kColumnCount, "2"}, {tdat::kRowCount, "3"}});
    int number = 0;
    for (const auto& [kind, count] : {std::pair{FieldKind::Text, 20}, {FieldKind::CheckBox, 40}, {FieldKind::RadioGroup, 10}})
        for (int slot = 1; slot <= count; ++slot)
            define(++number, kind, slot, QStringLiteral("%1 field number %2").arg(fieldKindName(kind)).arg(slot), 2);
    define(++number, FieldKind::Memo, 1, "Long notes", 2);
    define(++number, FieldKind::Table, 1, "Table", 2);
    put(kTdatSlot, definitionKey("abc", 2, number), {{tdat::kName, "Scores"}, {tdat::kColumnCount, "5"}, {tdat::kRowCount, "10"}});
    put(kHeadSlot, "abcwyalb000100000", {{2, "Ann"}, {4, "Smith"}});
    put(kPag1Slot, "abcwyalb000100000", {{2, "North"}, {82, "A+"}});
    put(kHeadSlot, "abcwyalb000200000", {{2, "Bo"}, {4, "Doe"}});
    put(kHeadSlot, "abcwyalb000300000", {{2, "Cy"}, {4, "Roe"}});
    session().currentListCode = "abc";
    session().currentListTitle = "Members";
    session().definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(session().access, "abc"));
    QDir().mkpath(session().folders.exchangeFolder());
    m_program->openWindows({{ExportWindow, makeExportDataWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, ExportWindow);
    m_window = m_program->windows->window(ExportWindow);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ExportWindowTest::cleanup() {
    m_program.reset();
    m_asked.clear();
}

void ExportWindowTest::openTextView() {
    find<QAction>("actionExportToTextFile")->trigger();
    QVERIFY(find<QWidget>("exportTextView")->isVisible());
}

void ExportWindowTest::chooseDelimited(const char* mode) {
    click("delimitedRadio");
    QVERIFY(find<QLineEdit>("dataDelimiterEdit")->hasFocus());
    QTest::keyClicks(find<QLineEdit>("dataDelimiterEdit"), "~");
    QTest::keyClick(find<QLineEdit>("dataDelimiterEdit"), Qt::Key_Return);
    QVERIFY(find<QLineEdit>("fieldSeparatorEdit")->hasFocus());
    QTest::keyClicks(find<QLineEdit>("fieldSeparatorEdit"), ",");
    click(mode);
    QVERIFY(!find<QPushButton>("processButton")->isEnabled());
    click("exportTextRadio");  // the last of the four
}

QByteArray ExportWindowTest::exported() const {
    QFile file(QDir(m_program->session->folders.exchangeFolder()).filePath("export.vnd"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Every file dialog of the view is answered with the path and remembered.
void ExportWindowTest::answerFileQuestions(const QString& path) {
    find<ExportTextView>("exportTextView")->setPathChooser([this, path](const ExportTextView::FileQuestion& question) {
        m_asked << question;
        return path;
    });
}

void ExportWindowTest::theMenuOpensTheTextViewThatFitsASmallScreen() {
    QVERIFY(m_window->windowTitle().endsWith("  Varnedo  [Data Export]"));
    QVERIFY(!find<QWidget>("exportTextView")->isVisible());
    for (const char* name : {"actionExportParadox", "actionExportDbase"}) QVERIFY(find<QAction>(name)->isEnabled());
    openTextView();
    QCOMPARE(find<QLineEdit>("listCodeEdit")->text(), "abc");
    QCOMPARE(find<QLineEdit>("listTitleEdit")->text(), "Members");
    QVERIFY(find<QLabel>("instructionLabel")->text().startsWith("Click the desired fields to export in the order"));
    QVERIFY(find<QWidget>("text2Box")->isVisible() && !find<QWidget>("text3Box")->isVisible());
    QVERIFY(find<QWidget>("cellR3C2Button")->isVisible() && !find<QWidget>("cellR4C1Button")->isVisible());
    QVERIFY(find<QPushButton>("page1Button")->font().bold());
    QVERIFY(!find<QPushButton>("page3Button")->isVisible());
    click("page2Button");
    QCOMPARE(find<QGroupBox>("pageFieldsGroup")->title(), "Page Two Fields...");
    QVERIFY(find<QPushButton>("page2Button")->font().bold() && !find<QPushButton>("page1Button")->font().bold());
    QVERIFY(find<QWidget>("text20Box")->isVisible() && find<QWidget>("cellR10C5Button")->isVisible());
    click("fixedLengthRadio");
    QVERIFY(find<QLineEdit>("fieldSizeEdit")->hasFocus());
    test::verifyFitsSmallScreen(*m_window, "export-text");
    click("csvRadio");
    QVERIFY(find<QCheckBox>("byteOrderMarkCheck")->isChecked() && find<QCheckBox>("guardFormulasCheck")->isChecked());
    test::verifyFitsSmallScreen(*m_window, "export-text-csv");
    click("returnButton");
    QVERIFY(!find<QWidget>("exportTextView")->isVisible());
}

void ExportWindowTest::everyControlHasANameAndACaption() {
    openTextView();
    verifyNamedControls("exportTextView");
}

void ExportWindowTest::verifyNamedControls(const char* view) {
    for (QWidget* w : find<QWidget>(view)->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        bool captioned = !w->accessibleName().isEmpty();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) captioned = captioned || !button->text().isEmpty();
        for (QLabel* label : m_window->findChildren<QLabel*>()) captioned = captioned || label->buddy() == w;
        // Boxes of fields the page does not have are hidden and captioned when shown.
        QVERIFY2(captioned || !w->isVisibleTo(m_window), qPrintable(w->objectName()));
    }
}

void ExportWindowTest::withoutACurrentListTheViewStaysClosed() {
    session().currentListCode.clear();
    find<QAction>("actionExportToTextFile")->trigger();
    QVERIFY(!find<QWidget>("exportTextView")->isVisible());
    QCOMPARE(m_program->prompter.texts(), QStringList{ExportTextPanel::kNoList});
}

void ExportWindowTest::anOrderComposedByClicksBuildsExportVnd() {
    openTextView();
    click("header4Check");            // Last
    click("text2Check");              // School
    click("cellR3C2Button");
    click("header2Check");            // First
    QCOMPARE(find<QLabel>("header4NumberLabel")->text(), "1");
    QCOMPARE(find<QLabel>("text2NumberLabel")->text(), "2");
    QCOMPARE(find<QPushButton>("cellR3C2Button")->text(), "3");
    QVERIFY(find<QPushButton>("cellR3C2Button")->styleSheet().contains("255, 255, 255"));
    QVERIFY(find<QPushButton>("cellR1C1Button")->styleSheet().contains("253, 209, 170"));
    click("header4Check");            // Last out: the others move up
    QCOMPARE(find<QLabel>("header4NumberLabel")->text(), "");
    QCOMPARE(find<QPushButton>("cellR3C2Button")->text(), "2");
    click("header4Check");
    chooseDelimited("automaticallyRadio");
    QCOMPARE(find<QLineEdit>("textLineEdit")->text(), "~School~,~T:1C:2R:3~,~First~,~Last~");
    QVERIFY(find<QPushButton>("processButton")->isEnabled());
    test::keepScreenshot(*m_window, "export-text-composed");
    click("processButton");
    QCOMPARE(exported(), "~North~,~A+~,~Ann~,~Smith~\r\n~~,~~,~Bo~,~Doe~\r\n~~,~~,~Cy~,~Roe~\r\n");
    const QString path = QDir(session().folders.exchangeFolder()).filePath("export.vnd");
    QCOMPARE(m_program->prompter.texts(), QStringList{"The export text file [" + path + "] has  been successfully built."});
    QVERIFY(!find<QPushButton>("processButton")->isEnabled());
}

void ExportWindowTest::lineByLineWritesTheAcceptedRecords() {
    openTextView();
    click("header4Check");
    chooseDelimited("lineByLineRadio");
    click("processButton");
    QCOMPARE(find<QLabel>("textLineLabel")->text(), "Current Text Line...");
    QCOMPARE(find<QLineEdit>("textLineEdit")->text(), "~Smith~");
    test::keepScreenshot(*m_window, "export-text-line-by-line");
    click("acceptRecordButton");
    QCOMPARE(find<QLineEdit>("textLineEdit")->text(), "~Doe~");
    click("skipRecordButton");
    click("acceptRecordButton");
    QVERIFY(!find<QPushButton>("acceptRecordButton")->isEnabled());
    QCOMPARE(exported(), "~Smith~\r\n~Roe~\r\n");
    QCOMPARE(m_program->prompter.texts().size(), 1);

    // A run left with Return keeps what it accepted.
    click("exportTextRadio");
    click("processButton");
    click("acceptRecordButton");
    click("returnButton");
    QCOMPARE(exported(), "~Smith~\r\n");
    QCOMPARE(m_program->prompter.texts().size(), 1);
}

void ExportWindowTest::aLayoutSavedAndOpenedByTheButtonsComesBack() {
    openTextView();
    answerFileQuestions(QDir(session().folders.exchangeFolder()).filePath("members.layout"));
    click("header4Check");
    click("text2Check");
    click("cellR3C2Button");
    chooseDelimited("automaticallyRadio");
    click("saveLayoutButton");
    click("clearOrderButton");
    click("excelTabRadio");
    click("page2Button");
    click("openLayoutButton");
    QCOMPARE(m_asked.size(), 2);
    QVERIFY(!m_asked[0].opening && m_asked[1].opening);
    QCOMPARE(m_asked[1].filter, "Layout files (*.layout *.txt);;All files (*)");
    QVERIFY(m_asked[1].suggested.endsWith("/abc.layout"));
    QCOMPARE(find<QGroupBox>("pageFieldsGroup")->title(), "Page Two Fields...");  // the page stays
    QCOMPARE(find<QLineEdit>("textLineEdit")->text(), "~Last~,~School~,~T:1C:2R:3~");
    QVERIFY(find<QRadioButton>("delimitedRadio")->isChecked());
    QCOMPARE(find<QLineEdit>("fieldSeparatorEdit")->text(), ",");
    QVERIFY(find<QPushButton>("processButton")->isEnabled());
    click("page1Button");
    QCOMPARE(find<QLabel>("header4NumberLabel")->text(), "1");
    QCOMPARE(find<QLabel>("text2NumberLabel")->text(), "2");
    QCOMPARE(find<QPushButton>("cellR3C2Button")->text(), "3");
    QVERIFY(m_program->prompter.texts().isEmpty());
}

void ExportWindowTest::aWorkbookGoesWhereTheUserChose() {
    openTextView();
    const QString path = QDir(session().folders.exchangeFolder()).filePath("members.xlsx");
    answerFileQuestions(path);
    click("header4Check");
    click("header2Check");
    click("cellR3C2Button");
    click("xlsxRadio");
    click("exportTextRadio");
    click("processButton");
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(m_asked[0].suggested.endsWith("/abc.xlsx"));
    const QJsonDocument rows = pythonJson(
        "import json, sys, openpyxl\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
        "print(json.dumps([ws.title] + [[c.value for c in r] for r in ws.iter_rows()]))",
        path);
    const QJsonArray expected = {"abc", QJsonArray{"Last", "First", "T:1C:2R:3"}, QJsonArray{"Smith", "Ann", "A+"},
                                 QJsonArray{"Doe", "Bo", QJsonValue()}, QJsonArray{"Roe", "Cy", QJsonValue()}};
    QCOMPARE(rows.array(), expected);
    QCOMPARE(m_program->prompter.texts().size(), 1);
    QVERIFY(m_program->prompter.texts()[0].contains(path));
}

void ExportWindowTest::clickEntry(QWidget* view, const char* list, int row) {
    auto* widget = view->findChild<QListWidget*>(list);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
}

void ExportWindowTest::theTableViewsFitASmallScreenWithEveryControlNamed() {
    for (const auto& [action, view, title] : {std::tuple{"actionExportParadox", "exportParadoxView", "Export to Paradox Table..."},
                                              std::tuple{"actionExportDbase", "exportDbaseView", "Export to DBase Table..."}}) {
        find<QAction>(action)->trigger();
        QVERIFY(find<QWidget>(view)->isVisible());
        QVERIFY(!find<QWidget>("exportTextView")->isVisible());
        QCOMPARE(find<QWidget>(view)->findChild<QGroupBox*>()->title(), title);
        verifyNamedControls(view);
        test::verifyFitsSmallScreen(*m_window, view);
    }
    QWidget* dbase = find<QWidget>("exportDbaseView");
    QCOMPARE(dbase->findChild<QListWidget*>("page1List")->count(), 3);  // Grade, School, Notes
    QCOMPARE(dbase->findChild<QListWidget*>("page2List")->count(), 21);
    QCOMPARE(dbase->findChild<QLineEdit*>("fileNameEdit")->text(), "abc");
    QVERIFY(!dbase->findChild<QPushButton*>("createTableButton")->isEnabled());
}

void ExportWindowTest::aStructureClickedTogetherFillsANewParadoxTable() {
    find<QAction>("actionExportParadox")->trigger();
    QWidget* view = find<QWidget>("exportParadoxView");
    auto* last = view->findChild<QPushButton*>("headerName4");
    last->click();
    view->findChild<QPushButton*>("headerName2")->click();
    clickEntry(view, "page1List", 1);  // School
    last->click();  // the same field again
    QCOMPARE(m_program->prompter.texts(), QStringList{"This field has been mapped!"});
    auto* structure = view->findChild<QListWidget*>("structureList");
    QCOMPARE(structure->count(), 3);
    QCOMPARE(structure->item(2)->text(), "School");
    auto* name = view->findChild<QLineEdit*>("fileNameEdit");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "members.xls");
    QTest::keyClick(name, Qt::Key_Return);
    auto* create = view->findChild<QPushButton*>("createTableButton");
    QVERIFY(create->hasFocus());
    QVERIFY(!view->findChild<QPushButton*>("exportDataButton")->isEnabled());
    create->click();
    auto* fill = view->findChild<QPushButton*>("exportDataButton");
    QVERIFY(fill->isEnabled());
    fill->click();
    QVERIFY(!fill->isEnabled());
    const QString folder = QDir(session().folders.base()).filePath("vn");
    const QString db = QDir(folder).filePath("members.db");
    QCOMPARE(m_program->prompter.texts().last(), "The new Paradox data table [" + db + "] has been created and populated.");
    const test::ParadoxTable table = test::readParadox(db, QDir(folder).filePath("members.px"));
    QCOMPARE(table.fieldNames, (QStringList{"Key", "Last", "First", "School"}));
    QCOMPARE(table.rows.size(), 3);
    QCOMPARE(table.rows[0], (QList<QByteArray>{"abcwyalb000100000", "Smith", "Ann", "North"}));
    QCOMPARE(table.rows[2].value(1), "Roe");
    view->findChild<QPushButton*>("tableReturnButton")->click();
    QVERIFY(!view->isVisible());
}

// The dBase view names its fields as the format allows, before the table exists; what it writes
// is read back by Debian's python3-dbf.
void ExportWindowTest::aStructureClickedTogetherFillsANewDbaseTable() {
    put(kHeadSlot, "abcwyalb000300000", {{4, QStringLiteral("R\u00f6e \u03a9")}});
    put(kPag2Slot, "abcwyalb000100000", {{1, QString(35, 'x')}});
    find<QAction>("actionExportDbase")->trigger();
    QWidget* view = find<QWidget>("exportDbaseView");
    view->findChild<QPushButton*>("headerName4")->click();
    clickEntry(view, "page1List", 1);  // School
    clickEntry(view, "page2List", 0);  // Text field number 1
    clickEntry(view, "page2List", 1);  // Text field number 2: the same name when cut to 10
    auto* structure = view->findChild<QListWidget*>("structureList");
    QStringList shown;
    for (int row = 0; row < structure->count(); ++row) shown << structure->item(row)->text();
    QCOMPARE(shown, (QStringList{"LAST  (Last)", "SCHOOL  (School)", "TEXT_FIELD  (Text Field field number 1)",
                                 "TEXT_FIE_2  (Text Field field number 2)"}));
    auto* name = view->findChild<QLineEdit*>("fileNameEdit");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "members");
    QTest::keyClick(name, Qt::Key_Return);
    view->findChild<QPushButton*>("createTableButton")->click();
    auto* fill = view->findChild<QPushButton*>("exportDataButton");
    QVERIFY(fill->isEnabled());
    fill->click();
    const QString dbf = QDir(QDir(session().folders.base()).filePath("vn")).filePath("members.dbf");
    QCOMPARE(m_program->prompter.texts().last(),
             "The new DBase data table [" + dbf + "] has been created and populated.\r"
             "1 values were cut to 30 characters; 1 characters outside Windows-1252 were written as \"?\".");
    const QJsonObject table = pythonJson(
        "import dbf, json, sys\n"
        "t = dbf.Table(sys.argv[1]); t.open(dbf.READ_ONLY)\n"
        "print(json.dumps({'fields': [f.upper() for f in t.field_names],\n"
        "                  'rows': [[str(v).rstrip() for v in r] for r in t]}))\n",
        dbf).object();
    QCOMPARE(table.value("fields").toVariant().toStringList(),
             (QStringList{"KEY", "LAST", "SCHOOL", "TEXT_FIELD", "TEXT_FIE_2"}));
    const QJsonArray rows = table.value("rows").toArray();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].toVariant().toStringList(), (QStringList{"abcwyalb000100000", "Smith", "North", QString(30, 'x'), ""}));
    QCOMPARE(rows[2].toVariant().toStringList(), (QStringList{"abcwyalb000300000", QStringLiteral("R\u00f6e ?"), "", "", ""}));
}

}  // namespace vn

QTEST_MAIN(vn::ExportWindowTest)
#include "export_window_test.moc"
