#include "designer/ui/designer_window.h"
#include "lists/definitions/list_fields.h"
#include "lists/records/record_tables.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/application_windows.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "support/temp_folder.h"
#include "../../lists/definitions/definition_rows.h"
#include "support/named_child.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// Window 3's web pieces as a county office prepares list abc for the web, offscreen, with the
// addresses it opens recorded.
class WebFormWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theWebFormIsFilledInCheckedAndBuilt();
    void headerVisibilityIsStoredAsItIsClicked();
    void theServiceMenuOpensItsAddresses();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_window, name);
    }
    bool click(const char* name) {
        auto* b = find<QAbstractButton>(name);
        if (!b->isVisible() || !b->isEnabled()) return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        return true;
    }
    void openPageDesigner();
    QString listField(int field) {
        RecordAccess& a = m_program->session->access;
        return a.FindRecord(kListSlot, "abc") ? a.GetFieldText(kListSlot, field) : "<none>";
    }

    std::unique_ptr<test::RunningProgram> m_program;
    FormDesignerWindow* m_window = nullptr;
    QStringList m_opened;
    test::TempFolder m_driveC;
};

void WebFormWindowTest::init() {
    qputenv("VARNEDO_DRIVES", ("C=" + m_driveC.path()).toUtf8());
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    Session& s = *m_program->session;
    s.identity.operationalLevel = 1;
    s.identity.countyCode = "ALB";
    s.identity.stateCode = "wy";
    s.settings.webHost = "https://central.example";
    s.openAddress = [this](const QString& address) {
        m_opened << address;
        return true;
    };
    test::putRow(s.access, kListSlot, "abc", {{1, "Members & friends"}});
    test::putDefinition(s.access, "abc101", 1, 2, {{4, "County"}});
    reloadListCodes(s);
    m_program->openWindows(WindowFactories{{DesignerWindow, makeDesignerWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, DesignerWindow);
    m_window = static_cast<FormDesignerWindow*>(m_program->windows->window(DesignerWindow));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void WebFormWindowTest::cleanup() {
    m_program.reset();
    m_opened.clear();
    qunsetenv("VARNEDO_DRIVES");
}

void WebFormWindowTest::openPageDesigner() {
    find<QAction>("actionEnterListInformation")->trigger();
    auto* lists = find<QListWidget>("currentListsList");
    const auto items = lists->findItems("abc", Qt::MatchStartsWith);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(items[0]).center());
    QVERIFY(find<QMenu>("webServiceMenu")->isEnabled());
    find<QAction>("actionAddModifyFields")->trigger();
    QVERIFY(find<QWidget>("pageDesignerView")->isVisible());
}

void WebFormWindowTest::theWebFormIsFilledInCheckedAndBuilt() {
    openPageDesigner();
    QAction* webForm = find<QAction>("actionBuildWebForm");
    QVERIFY(webForm->isEnabled());
    webForm->trigger();
    QVERIFY(find<QWidget>("webFormView")->isVisible());
    QCOMPARE(find<QLineEdit>("formPasswordEdit")->text(), "webf");  // the default, shown
    QCOMPARE(find<QPlainTextEdit>("instructionsMemo")->toPlainText(), "No Special Instructions");
    QVERIFY(!find<QPushButton>("buildFcfButton")->isEnabled());
    QCOMPARE(listField(list_field::kWebFormOpened), "1");

    // Leaving the return address empty for another edit of the view is refused.
    auto* address = find<QLineEdit>("returnAddressEdit");
    address->setFocus();
    find<QLineEdit>("agencyNameEdit")->setFocus();
    QCOMPARE(m_program->prompter.texts().last(), "You MUST enter a valid return email address!");
    QVERIFY(address->hasFocus());
    QTest::keyClicks(address, "office@example.org");
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(listField(list_field::kReturnAddress), "office@example.org");
    auto* agency = find<QLineEdit>("agencyNameEdit");
    QTest::keyClicks(agency, "Extension Office");
    QTest::keyClick(agency, Qt::Key_Return);
    QVERIFY(find<QPushButton>("buildFcfButton")->isEnabled());
    auto* memo = find<QPlainTextEdit>("instructionsMemo");
    memo->selectAll();
    QTest::keyClicks(memo, QString(223, u'i'));
    QCOMPARE(memo->toPlainText().size(), 222);
    QCOMPARE(m_program->prompter.texts().last(), "Text entry can not exceed 222 characters.  The text will be truncated");
    test::verifyFitsSmallScreen(*m_window, "designer-web-form");

    m_program->prompter.messages.clear();
    QVERIFY(click("buildFcfButton"));
    const QString built = QDir(m_program->session->folders.exchangeFolder()).filePath("abcwyalb.fcf");
    QCOMPARE(m_program->prompter.texts().size(), 2);  // the question, then the outcome
    QVERIFY(m_program->prompter.texts()[0].startsWith("Are you sure you have included all of the needed fields"));
    QVERIFY(m_program->prompter.texts()[1].startsWith("The Web Form Control file [" + built + "] has been built.\r\r"));
    QFile file(built);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.mid(4, 8) == " &Newfcf");
    QVERIFY(bytes.contains("Members & friends"));
    QVERIFY(bytes.contains(QByteArray(222, 'i')));  // the instructions, stored with the build
    QFile copy(QDir(m_driveC.path()).filePath("abcwyalb.fcf"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), bytes);
}

void WebFormWindowTest::headerVisibilityIsStoredAsItIsClicked() {
    openPageDesigner();
    QVERIFY(click("headerVisibilityButton"));
    QVERIFY(find<QWidget>("headerVisibilityView")->isVisible());
    QVERIFY(!find<QCheckBox>("headerVisible2")->isEnabled());  // First
    QVERIFY(click("noHeaderFieldsButton"));
    QVERIFY(click("headerVisible15"));  // Zip
    QCOMPARE(listField(list_field::kHeaderVisibility), "FTFTFFFFFFFFFFT");
    test::verifyFitsSmallScreen(*m_window, "designer-header-visibility");
    QVERIFY(click("headerVisibilityReturnButton"));
    QVERIFY(find<QWidget>("optionsView")->isVisible());
}

void WebFormWindowTest::theServiceMenuOpensItsAddresses() {
    openPageDesigner();
    find<QAction>("actionExclusiveListMaintenance")->trigger();
    find<QAction>("actionCentralHomePage")->trigger();
    find<QAction>("actionUploadFormControlFile")->trigger();
    QCOMPARE(m_opened, (QStringList{"https://central.example/cgi-bin/VNQ.dll?Param1=Exclist&Param2=wy&Param3=alb&Param4=abc",
                                    "https://central.example/",
                                    "https://central.example/cgi-bin/VNQ.dll?Param1=FormUp&Param2=wy&Param3=alb&Param4=abc"}));
    QVERIFY(QDir(m_program->session->folders.webFolder()).exists());
    find<QAction>("actionBuildDirectFormAccessUrl")->trigger();
    QCOMPARE(find<QLineEdit>("directAddressEdit")->text(),
             "https://central.example/cgi-bin/VNQ.dll?Param1=direct&Param2=wy&Param3=alb&Param4=abc");
}

QTEST_MAIN(WebFormWindowTest)
#include "web_form_window_test.moc"
