#include "setup/links/head_rows.h"
#include "setup/ui/setup_window_factory.h"
#include "shell/core/shell_fixture.h"
#include "shell/ui/app_window.h"
#include "support/screen_fit.h"
#include "support/named_child.h"

#include <QAction>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vn;
using test::recordKey;

// Window 6's "Link Lists" view driven as a user would: primary, secondary, condition, Process.
class LinkListsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linksChosenListsAndTellsTheCounts();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_window, name);
    }
    void clickEntry(const char* listName, const QString& text) {
        QListWidget* list = find<QListWidget>(listName);
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1 && list->isVisible(), qPrintable(text));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }
    void click(const char* name) {
        QAbstractButton* button = find<QAbstractButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        button->click();
    }

    std::unique_ptr<test::ShellFixture> m_shell;
    std::unique_ptr<AppWindow> m_window;
};

void LinkListsViewTest::init() {
    m_shell = std::make_unique<test::ShellFixture>();
    QVERIFY(m_shell->start());
    Session& session = *m_shell->session;
    session.firstTime = false;
    test::putLists(session.access, {{"abc", "Members"}, {"abd", "Donors"}, {"abe", "Staff"}});
    reloadListCodes(session);
    test::putHeadRows(session.access, {{recordKey("abc", 1), "O'Brien", "Mary-Ann"},
                                       {recordKey("abd", 1), "OBRIEN", "maryann"},
                                       {recordKey("abd", 2), "", ""},
                                       {recordKey("abe", 1), "obrien", "maryann"}});
    m_window.reset(makeSetupWindow(session, *m_shell->navigator));
    m_window->show();
}

void LinkListsViewTest::cleanup() {
    m_window.reset();
    m_shell.reset();
}

void LinkListsViewTest::linksChosenListsAndTellsTheCounts() {
    find<QAction>("actionOpenLinkLists")->trigger();
    QVERIFY(find<QWidget>("linkListsView")->isVisible());
    QVERIFY(!find<QWidget>("secondaryListGroup")->isVisible());
    QVERIFY(!find<QPushButton>("processButton")->isEnabled());

    clickEntry("primaryList", "abc  Members");
    QCOMPARE(m_shell->session->currentListCode, QStringLiteral("abc"));
    QCOMPARE(find<QListWidget>("secondaryList")->count(), 2);
    QVERIFY(!find<QPushButton>("selectNoneButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_window, QStringLiteral("link-lists"));
    clickEntry("secondaryList", "abd  Donors");
    QCOMPARE(find<QListWidget>("secondaryList")->item(0)->checkState(), Qt::Checked);
    QVERIFY(!find<QPushButton>("processButton")->isEnabled());
    click("nameConditionRadio");
    QCOMPARE(find<QRadioButton>("nameConditionRadio")->text(), QStringLiteral("Last and first name"));
    m_shell->prompter.messages.clear();
    click("processButton");

    QCOMPARE(m_shell->prompter.texts(), QStringList{"Links added: 1.  Rows skipped: 1."});
    const QProgressBar* gauge = find<QProgressBar>("progressGauge");
    QCOMPARE(gauge->value(), gauge->maximum());
    QCOMPARE(test::chainOf(m_shell->session->access, recordKey("abc", 1)), QStringList{recordKey("abd", 1)});
    click("clearLinksButton");
    QVERIFY(test::chainOf(m_shell->session->access, recordKey("abc", 1)).isEmpty());
    click("returnButton");
    QVERIFY(!find<QWidget>("linkListsView")->isVisible());
}

QTEST_MAIN(LinkListsViewTest)
#include "link_lists_view_test.moc"
