#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "requests/math/math_instructions.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "support/pdf_text.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "builder_requests.h"
#include "window_children.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

namespace {

constexpr int kPrice = 1, kQty = 2, kAmount = 3;
const QString kClark = "abcwyalb000300000";
const QString kDigits = QString::number(int(CharacterType::Digits));
const QString kFirstSentence =
    "Math operations allow for simple arithmetic operations on any of the text fields on pages 1,2,3 of the record "
    "that were declared Numeric when the list was designed.";

}  // namespace

// Window 9 carries a Math Operations request on into "Math Operations...", offscreen: the steps
// are clicked together, run over the matches' page rows, and the instructions printed.
class MathViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aCalculationIsClickedTogetherAndRun();
    void aConstantIsTypedIntoItsBox();
    void theInstructionsAreShownAndPrinted();
    void everyNumericFieldIsListedAndEveryControlNamed();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_builder, name);
    }
    void click(const QString& name) { QVERIFY2(test::clickButton(m_builder, name), qPrintable(name)); }
    void tick(const QString& name) { QTest::mouseClick(find<QCheckBox>(name), Qt::LeftButton, {}, QPoint(4, 8)); }
    QString field(int column) { return QStringLiteral("page1Column%1Check").arg(column); }
    QString amountOf(const QString& key) {
        RecordAccess& a = m_program->session->access;
        return a.FindRecord(pageSlot(1), key) ? a.GetFieldText(pageSlot(1), kAmount) : "<no row>";
    }
    void openMathView();

    std::unique_ptr<test::RunningProgram> m_program;
    RequestBuilderWindow* m_builder = nullptr;
    QStringList m_opened;
};

using test::kJones;
using test::kSmith;

// Page 1 holds Price, Qty and Amount, declared Numeric, and Notes, which is not.
void MathViewTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    Session& session = *m_program->session;
    test::putTwoMembers(session, m_opened);
    RecordAccess& a = session.access;
    test::putRow(a, kHeadSlot, kClark, {{4, "Clark"}});
    const auto numeric = [&a](const char* key, int slot, const char* caption) {
        test::putDefinition(a, key, 1, slot, {{fdis::kCaption, caption}, {fdis::kCharacterType, kDigits}, {fdis::kSize, "15"}});
    };
    numeric("abc101", kPrice, "Price");
    numeric("abc102", kQty, "Qty");
    numeric("abc103", kAmount, "Amount");
    test::putDefinition(a, "abc104", 1, 4, {{fdis::kCaption, "Notes"}});
    test::putRow(a, pageSlot(1), kSmith, {{kPrice, "2.5"}, {kQty, "3"}});
    test::putRow(a, pageSlot(1), kJones, {{kPrice, "1234567.891"}, {kQty, "1"}});
    test::putRow(a, pageSlot(1), kClark, {{kPrice, "2"}, {kQty, "two"}, {kAmount, "old"}});
    reloadListCodes(session);
    m_program->openWindows(entryAndBuilderWindows());
    m_builder = test::openBuilderOnFirstList(*m_program);
    QVERIFY(m_builder);
}

void MathViewTest::cleanup() {
    m_program.reset();
    m_opened.clear();
}

// "Last" <> "": the three members.
void MathViewTest::openMathView() {
    QVERIFY(test::processLastNotEmpty(m_builder, "actionMathOperations"));
    QVERIFY(find<QWidget>("mathView")->isVisible());
}

void MathViewTest::aCalculationIsClickedTogetherAndRun() {
    openMathView();
    QCOMPARE(find<QLabel>("qualifyingCountLabel")->text(), "3");
    QStringList offered;
    for (auto* box : find<QGroupBox>("page1FieldsGroup")->findChildren<QCheckBox*>()) offered << box->text();
    QCOMPARE(offered, (QStringList{"Price", "Qty", "Amount"}));
    QCOMPARE(find<QLabel>("mathHintLabel")->text(), "At this time you can enter up to five (5) calculations (Five Steps).");
    QVERIFY(!find<QPushButton>("timesButton")->isEnabled());

    tick(field(kPrice));
    QVERIFY(find<QCheckBox>(field(kPrice))->isChecked());
    QCOMPARE(find<QLabel>("mathHintLabel")->text(), "Hint:  At this point the SQL system wants an operator");
    click("timesButton");
    QVERIFY(!find<QCheckBox>(field(kPrice))->isChecked());
    tick(field(kQty));
    click("storeButton");
    tick(field(kAmount));
    QCOMPARE(find<QLineEdit>("step1Display")->text(), "\"Price\" Times \"Qty\" Store \"Amount\" ");
    click("step2Radio");
    QVERIFY(!find<QCheckBox>(field(kAmount))->isChecked());
    QVERIFY(!find<QPushButton>("mathProcessButton")->isEnabled());
    tick(field(kAmount));
    click("storeButton");
    tick("total1Check");
    QCOMPARE(find<QLineEdit>("step2Display")->text(), "\"Amount\" Store \"<T1>\" ");

    click("mathProcessButton");
    QCOMPARE(amountOf(kSmith), "7.5");
    QCOMPARE(amountOf(kJones), "1234567.891");
    QCOMPARE(amountOf(kClark), "old");
    auto* total = find<QLineEdit>("total1Edit");
    QCOMPARE(total->text(), "1234575.391");  // never cut to ten characters
    QVERIFY(total->fontMetrics().horizontalAdvance(total->text()) < total->width());
    QCOMPARE(find<QLineEdit>("total2Edit")->text(), "");
    QCOMPARE(m_program->prompter.messages.size(), 1);
    QCOMPARE(m_program->prompter.messages[0].kind, "warning");
    QVERIFY2(m_program->prompter.messages[0].text.contains(kClark + "  Clark: \"two\" is not a decimal number"),
             qPrintable(m_program->prompter.messages[0].text));
    QVERIFY(!find<QPushButton>("mathProcessButton")->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    test::verifyFitsSmallScreen(*m_builder, "builder-math-after-run");

    click("mathReturnButton");
    QVERIFY(find<QWidget>("builderView")->isVisible());
}

// A constant is refused where it would receive a value; Return adds it and moves on to the
// operators.
void MathViewTest::aConstantIsTypedIntoItsBox() {
    openMathView();
    auto* constant = find<QLineEdit>("constantEdit");
    tick(field(kPrice));
    click("storeButton");
    tick("constantCheck");
    QVERIFY(constant->hasFocus());
    QTest::keyClicks(constant, "5");
    QTest::keyClick(constant, Qt::Key_Return);
    QCOMPARE(m_program->prompter.texts(),
             QStringList{"A constant cannot receive a value: choose a field, a memory cell or a total after Store."});
    QCOMPARE(constant->text(), "");
    QCOMPARE(find<QLineEdit>("step1Display")->text(), "\"Price\" Store ");

    click("step2Radio");
    tick("constantCheck");
    QTest::keyClicks(constant, "2");
    QTest::keyClick(constant, Qt::Key_Return);
    QCOMPARE(find<QLineEdit>("step2Display")->text(), "\"<C>2\" ");
    QVERIFY(find<QPushButton>("plusButton")->hasFocus());
    QVERIFY(find<QCheckBox>("constantCheck")->isChecked());
    click("timesButton");
    tick(field(kQty));
    click("storeButton");
    tick(field(kAmount));
    click("step1ClearButton");
    QCOMPARE(find<QLineEdit>("step1Display")->text(), "");
    click("step2Radio");  // back on the step: Process waits for its next operand
    QVERIFY(!find<QPushButton>("mathProcessButton")->isEnabled());
    click("step3Radio");
    tick(field(kQty));
    click("plusButton");
    tick("memory1Check");
    click("mathProcessButton");
    QCOMPARE(amountOf(kSmith), "6");
    QCOMPARE(amountOf(kJones), "2");
    QCOMPARE(amountOf(kClark), "old");
}

void MathViewTest::theInstructionsAreShownAndPrinted() {
    openMathView();
    click("mathInstructionsButton");
    QVERIFY(find<QWidget>("mathInstructionsView")->isVisible());
    QVERIFY(find<QTextBrowser>("mathInstructionsText")->toPlainText().startsWith(kFirstSentence));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        click("printInstructionsButton");
        const QString pdf = QDir(m_program->session->folders.outputFolder()).filePath("MathInstructions.pdf");
        QCOMPARE(m_opened, QStringList{pdf});
        const QString text = test::pdfText(pdf).simplified();
        QVERIFY2(text.startsWith(kMathInstructionsTitle + " " + kFirstSentence), qPrintable(text));
        QVERIFY(text.contains("a message at the end names each skipped record and why."));
        QVERIFY(test::pdfInfo(pdf).contains(kMathInstructionsTitle));
    }
    click("instructionsReturnButton");
    QVERIFY(find<QWidget>("mathView")->isVisible());
    click("mathReturnButton");
    QVERIFY(find<QWidget>("builderView")->isVisible());
}

// Page 2 holds twenty numeric fields, as many text fields as a page has.
void MathViewTest::everyNumericFieldIsListedAndEveryControlNamed() {
    RecordAccess& a = m_program->session->access;
    for (int slot = 1; slot <= 20; ++slot)
        test::putDefinition(a, definitionKey("abc", 2, slot), 1, slot,
                            {{fdis::kCaption, QStringLiteral("Measure %1").arg(slot)}, {fdis::kCharacterType, kDigits}});
    openMathView();
    QCOMPARE(find<QGroupBox>("page2FieldsGroup")->findChildren<QCheckBox*>().size(), 20);
    QVERIFY(find<QCheckBox>("page2Column20Check")->text() == "Measure 20");
    QCOMPARE(test::unnamedControls(m_builder).join(" "), QString());
    test::verifyFitsSmallScreen(*m_builder, "builder-math-operations");
    click("mathInstructionsButton");
    QCOMPARE(test::unnamedControls(m_builder).join(" "), QString());
    test::verifyFitsSmallScreen(*m_builder, "builder-math-instructions");
}

QTEST_MAIN(MathViewTest)
#include "math_view_test.moc"
