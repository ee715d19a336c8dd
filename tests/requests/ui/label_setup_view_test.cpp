#include "lists/definitions/definition_rows.h"
#include "requests/labels/label_text.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "builder_requests.h"
#include "window_children.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using namespace vn;

namespace {

const QString kCarlson = "abcwyalb000300000";
constexpr int kEmail = 8, kAddress1 = 11, kCity = 13, kState = 14, kZip = 15;  // Head columns

}  // namespace

// Window 9 carries a Labels request on through "Select Label Setup..." to the label sheet
// window, whose hook records what it was handed.
class LabelSetupViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneLabelPerAddressGoesToTheSheetWithItsSetup();
    void aCustomLayoutIsTypedLineByLine();
    void missingEmailLabelsNeedAMailMethod();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_on.builder, name);
    }
    bool click(const QString& name) { return test::clickButton(m_on.builder, name); }
    bool shown(const QString& name) { return find<QWidget>(name)->isVisible(); }
    bool checked(const QString& name) { return find<QRadioButton>(name)->isChecked(); }
    QString text(const QString& name) { return find<QLabel>(name)->text(); }
    QString hint() { return find<QPlainTextEdit>("labelHint")->toPlainText(); }
    // Clicks into the box, types and leaves it with Tab.
    void type(const QString& box, const QString& keys) {
        QTest::mouseClick(find<QLineEdit>(box), Qt::LeftButton);
        QTest::keyClicks(find<QLineEdit>(box), keys);
        QTest::keyClick(find<QLineEdit>(box), Qt::Key_Tab);
    }

    test::BuilderOnTwoMembers m_on;
    QList<LabelRun> m_runs;
};

// Smith and Carlson share an address in Laramie; Jones lives in Casper. Only Smith has an
// e-mail address.
void LabelSetupViewTest::init() {
    QVERIFY(m_on.start([](Session& s) {
        const auto address = [&s](const QString& key, const QString& street, const QString& city, const QString& zip) {
            test::putRow(s.access, kHeadSlot, key, {{kAddress1, street}, {kCity, city}, {kState, "WY"}, {kZip, zip}});
        };
        address(test::kSmith, "12 Elm St", "Laramie", "82070");
        address(test::kJones, "4 Oak Ave", "Casper", "82601");
        test::putRow(s.access, kHeadSlot, kCarlson, {{4, "Carlson"}, {2, "Cy"}});
        address(kCarlson, "12 Elm St", "Laramie", "82070");
        test::putRow(s.access, kHeadSlot, test::kSmith, {{kEmail, "ann@example.net"}});
    }));
    m_on.builder->setOpenLabels([this](const LabelRun& run) { m_runs << run; });
}

void LabelSetupViewTest::cleanup() {
    m_on.stop();
    m_runs.clear();
}

void LabelSetupViewTest::oneLabelPerAddressGoesToTheSheetWithItsSetup() {
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionLabels"));
    QVERIFY(shown("labelSetupView"));
    QCOMPARE(text("labelSetupTitle"), "Select Label Setup...");
    QCOMPARE(text("labelMatchesLabel"), "3");
    QVERIFY(hint().startsWith("Hint:  The SQL system has the ability to remove duplicate mailing labels"));
    QVERIFY(checked("asStoredRadio") && checked("byZipRadio"));
    QVERIFY(!shown("firstLineGroup") && !shown("labelLayoutGroup") && !shown("labelOutputGroup"));
    QVERIFY(shown("labelAddToQueueGroup"));
    test::verifyFitsSmallScreen(*m_on.builder, "builder-label-setup");

    QVERIFY(click("perAddressRadio"));
    QCOMPARE(find<QGroupBox>("firstLineGroup")->title(), "Select label first line (Required)...");
    QVERIFY(shown("familyStyleGroup") && !shown("recordStyleGroup"));
    QVERIFY(hint().startsWith("Hint:  Because you have asked for duplicate labels to be removed"));
    QVERIFY(click("firstLine2Radio"));
    QCOMPARE(text("labelMatchesLabel"), "2");  // Smith and Carlson share one label
    QCOMPARE(hint(), "Hint:  The SQL system has finished with your request.");
    QVERIFY(!shown("labelOutputGroup"));  // no style yet
    QVERIFY(click("familyStyle1Radio"));
    QCOMPARE(text("sampleLabel"), "Canned or User Defined First Line\n418 Cottonwood Lane\nP.O. Box 27\nLander, WY 82520");
    QCOMPARE(find<QLineEdit>("address1LineEdit")->text(), "2");
    QVERIFY(find<QLineEdit>("address1LineEdit")->isReadOnly());
    QVERIFY(click("normalCaseRadio"));
    QVERIFY(click("byNameRadio"));
    QVERIFY(shown("labelOutputGroup"));
    test::verifyFitsSmallScreen(*m_on.builder, "builder-label-setup-address");
    QCOMPARE(test::unnamedControls(m_on.builder).join(" "), QString());

    QVERIFY(click("labelFileButton"));
    QCOMPARE(m_runs.size(), 1);
    QCOMPARE(m_runs[0].output, LabelOutput::File);
    QCOMPARE(m_runs[0].keys, (MatchList{kCarlson, test::kJones}));  // by name
    const LabelSetup& labels = m_on.program->session->labels;
    QCOMPARE(labels.layout, *standardLayout(DuplicateMode::Address, 1));
    QCOMPARE(labels.firstLine, "Extension Client's at");
    QCOMPARE(labels.casing, LabelCasing::Normal);
    QCOMPARE(labels.sort, LabelSort::ByName);
    QVERIFY(click("labelReSelectButton"));
    QVERIFY(!shown("labelOutputGroup"));
}

void LabelSetupViewTest::aCustomLayoutIsTypedLineByLine() {
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionLabels"));
    QVERIFY(click("perRecordRadio"));
    QCOMPARE(find<QGroupBox>("firstLineGroup")->title(), "Select label first line (Optional)...");
    QVERIFY(click("recordStyleCustomRadio"));
    QCOMPARE(text("sampleLabel"), "Custom Designed - Please enter desired Field Lines");
    type("companyLineEdit", "7");  // refused: lines 1 to 5 only
    QCOMPARE(find<QLineEdit>("companyLineEdit")->text(), "");
    QVERIFY(!shown("labelOutputGroup"));
    type("companyLineEdit", "2");
    type("address1LineEdit", "2");
    QVERIFY(shown("labelOutputGroup"));
    QVERIFY(click("clearLayoutButton"));
    QCOMPARE(find<QLineEdit>("companyLineEdit")->text(), "");
    QVERIFY(!shown("labelOutputGroup"));
    type("firstMILastLineEdit", "2");
    type("firstLineLineEdit", "1");
    QVERIFY(click("firstLine5Radio"));
    QVERIFY(shown("userFirstLineEdit"));
    QTRY_VERIFY(find<QLineEdit>("userFirstLineEdit")->hasFocus());
    QTest::keyClicks(find<QLineEdit>("userFirstLineEdit"), "Friends at");
    test::verifyFitsSmallScreen(*m_on.builder, "builder-label-setup-custom");
    QCOMPARE(test::unnamedControls(m_on.builder).join(" "), QString());

    QVERIFY(click("labelScreenButton"));
    QCOMPARE(m_runs.size(), 1);
    QCOMPARE(m_runs[0].output, LabelOutput::Screen);
    // By zip: Smith and Carlson (the same zip and title) in the reverse of their key order.
    QCOMPARE(m_runs[0].keys, (MatchList{test::kSmith, kCarlson, test::kJones}));
    const LabelSetup& labels = m_on.program->session->labels;
    QCOMPARE(labels.layout, (LabelLayout{LabelEntry::FirstLine, LabelEntry::Name}));
    QCOMPARE(labels.firstLine, "Friends at");
    QCOMPARE(labels.sort, LabelSort::ByZip);
}

void LabelSetupViewTest::missingEmailLabelsNeedAMailMethod() {
    QVERIFY(!test::processLastNotEmpty(m_on.builder, "actionMissingEmailLabels"));
    m_on.program->session->settings.mail.method = 2;
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionMissingEmailLabels"));
    QVERIFY(shown("labelSetupView"));
    QCOMPARE(text("labelMatchesLabel"), "2");  // Jones and Carlson have no address
}

QTEST_MAIN(LabelSetupViewTest)
#include "label_setup_view_test.moc"
