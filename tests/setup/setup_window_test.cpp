#include "setup/ui/setup_window_factory.h"
#include "shell/core/deferred_start.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "shell/ui/app_window.h"
#include "shell/ui/application_windows.h"
#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "support/named_child.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vn;

class SetupWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstInstallationIsSetUpAndEnds();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_windows->window(SetupWindow), name);
    }
    // A widget just shown is laid out by a posted event; it is clicked once it sits in its place.
    static bool underMouse(QWidget* widget, const QPoint& local) {
        QWidget* window = widget->window();
        return window->childAt(widget->mapTo(window, local)) == widget;
    }
    void click(const char* name) {
        QAbstractButton* button = find<QAbstractButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        // A radio button takes clicks on its indicator and caption only, not on the rest of its width.
        const QPoint at(button->height() / 2, button->height() / 2);
        QTRY_VERIFY2(underMouse(button, at), name);
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void clickEntry(const char* listName, const QString& text) {
        QListWidget* list = find<QListWidget>(listName);
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1 && list->isVisible(), qPrintable(text));
        const QPoint at = list->visualItemRect(items[0]).center();
        QTRY_VERIFY2(underMouse(list->viewport(), at), qPrintable(text));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList unnamedControls();
    QStringList column(const QString& table, int field, int keyField = -1, const QString& key = {});

    test::TempFolder m_tmp;
    test::RecordingPrompter m_prompter;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Navigator> m_navigator;
    std::unique_ptr<ApplicationWindows> m_windows;
};

// Focusable widgets (but those hidden as unused) without an object name, or without a caption that
// assistive technology can read.
QStringList SetupWindowTest::unnamedControls() {
    QStringList unnamed;
    for (QWidget* w : m_windows->window(SetupWindow)->findChildren<QWidget*>()) {
        const bool partOfAList = w->parentWidget()->inherits("QAbstractScrollArea");
        if (w->isHidden() || w->focusPolicy() == Qt::NoFocus || partOfAList) continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool captioned = !w->accessibleName().isEmpty() || (button && !button->text().isEmpty());
        if (w->objectName().isEmpty() || !captioned) unnamed << w->metaObject()->className() + (":" + w->objectName());
    }
    return unnamed;
}

// One field of the rows of a table in the live database, optionally only where another field matches.
QStringList SetupWindowTest::column(const QString& table, int field, int keyField, const QString& key) {
    Table t(Database::open(QDir(m_session->folders.dataFolder()).filePath("Varnedo1.db")), table);
    QStringList values;
    for (bool more = t.first(); more; more = t.next())
        if (keyField < 0 || t.text(keyField) == key) values << t.text(field);
    return values;
}

void SetupWindowTest::firstInstallationIsSetUpAndEnds() {
    createInstallation(m_tmp.file("HLV"));
    m_session = std::make_unique<Session>(m_tmp.file("HLV"), m_prompter);
    StartFacts facts;
    facts.drives = DriveMap(m_tmp.file("home"), "C=" + m_tmp.file("none"));
    QVERIFY(runStartup(*m_session, facts));
    m_navigator = std::make_unique<Navigator>(*m_session);
    m_windows = std::make_unique<ApplicationWindows>(*m_session, *m_navigator,
                                                     WindowFactories{{SetupWindow, makeSetupWindow}});
    m_navigator->setView(*m_windows);
    m_navigator->ShowWindow({MainWindowNo});

    DeferredStart(*m_session, *m_windows, *m_navigator);

    QVERIFY(m_windows->window(SetupWindow)->isVisible());
    QCOMPARE(unnamedControls(), QStringList());
    QVERIFY(find<QGroupBox>("typeGroup")->isVisible());
    QVERIFY(!find<QGroupBox>("setupPasswordGroup")->isVisible());
    for (const char* choice : {"educationalRadio", "level1Radio", "flow1Radio"}) {
        click(choice);
        if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(find<QListWidget>("locationList")->count(), 23);
    clickEntry("locationList", "BIG  Big Horn");
    if (QTest::currentTestFailed()) return;
    m_prompter.messages.clear();
    click("saveSetupButton");
    if (QTest::currentTestFailed()) return;

    QCOMPARE(m_prompter.messages.size(), 2);
    QCOMPARE(m_prompter.messages[0].kind, QStringLiteral("confirmation"));
    QCOMPARE(m_prompter.messages[1].kind, QStringLiteral("information"));
    QVERIFY(m_session->shutdownDone);
    const QStringList keys = column("Parm", 0);
    const QStringList values = column("Parm", 2);
    const auto value = [&](const char* key) { return values.value(keys.indexOf(QString::fromLatin1(key))); };
    const QStringList saved{value("OType"), value("OpLevel"), value("DataFlow"), value("UserSituation"),
                            value("CountyInfo")};
    QCOMPARE(saved, QStringList({"1", "1", "1", "1", "BIG"}));
    QCOMPARE(column("Coci", 0), column("City", 0, 2, "BIG"));
    QCOMPARE(column("Coci", 0).size(), 3);
}

QTEST_MAIN(SetupWindowTest)
#include "setup_window_test.moc"
