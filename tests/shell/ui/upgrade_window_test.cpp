#include "shell/core/session.h"
#include "shell/ui/main_window.h"
#include "shell/ui/upgrade_offer.h"
#include "store/engine/database.h"
#include "store/schema/schema.h"
#include "support/running_program.h"
#include "support/named_child.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace vn;

class UpgradeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheChangeInItsCaptions();
    void twoGroupsInTurnThenTheProgramClosesToSave();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(&m_offer->window(), name);
    }
    // Markers without their System rows, and the new layouts' files in the Changes folder.
    void pending(const QStringList& markers, const QStringList& tables) {
        Session& s = *m_program->session;
        for (const QString& m : markers)
            s.access.database(TableCatalogue::kSystemSlot).execute(QStringLiteral("DELETE FROM System WHERE Key='%1'").arg(m));
        for (const QString& t : tables)
            Database::create(QDir(s.folders.changesFolder()).filePath(t + ".db"))->createTable(schema::table(t));
    }
    QWidget& mainWindow() { return m_program->windows->mainWindow(); }
    void click(const char* button) {
        auto* b = find<QPushButton>(button);
        QVERIFY2(b->isEnabled(), button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<test::RunningProgram> m_program;
    std::unique_ptr<UpgradeOffer> m_offer;
};

void UpgradeWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->openWindows({});
    m_program->navigator->ShowWindow({MainWindowNo});
    m_offer = std::make_unique<UpgradeOffer>(*m_program->session, *m_program->windows, &mainWindow());
}

void UpgradeWindowTest::cleanup() {
    m_offer.reset();
    m_program.reset();
}

void UpgradeWindowTest::showsTheChangeInItsCaptions() {
    pending({"TFdis061802", "TFdis021103"}, {"Fdis"});
    m_offer->FindNextUpgrade();
    UpgradeWindow& w = m_offer->window();
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnedo Table Upgrade Found!"));
    QStringList captions;
    for (QLabel* l : w.findChildren<QLabel*>()) captions << l->text();
    QCOMPARE(captions, QStringList({"Table Change Code:", "Table Change Information...",
                                    "Note:  It is imperative that this process be allowed to run to completion!  DO NOT "
                                    "interrupt this process.",
                                    "Table Upgrade Progress...", "NOTE: Pauses in the progress display are normal"}));
    QCOMPARE(find<QPushButton>("performButton")->text(), QStringLiteral("Perform Table Upgrade Now"));
    QCOMPARE(find<QPushButton>("continueButton")->text(), QStringLiteral("Table Upgrade Complete! Continue"));
    QVERIFY(find<QLabel>("upgradeWarningLabel")->styleSheet().contains("red"));
    QCOMPARE(find<QLineEdit>("changeCodeEdit")->text(), QStringLiteral("TFdis021103"));
    QVERIFY(find<QPlainTextEdit>("changeInformationView")
                ->toPlainText()
                .startsWith("Varnedo has detected a table update file! The caption field field in the [Fdis] data file"));
    QCOMPARE(find<QProgressBar>("upgradeGauge")->value(), 0);
    QVERIFY(!mainWindow().isEnabled());
    QVERIFY(!w.close());
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
}

void UpgradeWindowTest::twoGroupsInTurnThenTheProgramClosesToSave() {
    Session& s = *m_program->session;
    for (int i = 0; i < 5; ++i) s.access.EnsureRecord(8, QStringLiteral("K%1").arg(i));
    pending({"TList112202", "TList081204", "THead120302"}, {"List", "Head"});
    const QString closing = "The system will now close so the new table and/or record fix operations can be stored in "
                            "the 'Saves' folder.";
    UpgradeWindow& w = m_offer->window();
    auto* perform = find<QPushButton>("performButton");
    auto* cont = find<QPushButton>("continueButton");
    auto* information = find<QPlainTextEdit>("changeInformationView");
    // The gauge as the copy moves it, before the text tells of the end; and whether "Perform" could
    // still be pressed then.
    QList<std::pair<int, bool>> gaugeDuringCopy;
    QObject::connect(find<QProgressBar>("upgradeGauge"), &QProgressBar::valueChanged, &w, [&](int v) {
        if (v > 0 && !information->toPlainText().contains("Before upgrade")) gaugeDuringCopy.append({v, perform->isEnabled()});
    });

    m_offer->FindNextUpgrade();
    QCOMPARE(find<QLineEdit>("changeCodeEdit")->text(), QStringLiteral("TList081204"));
    QVERIFY(perform->isEnabled());
    QVERIFY(!cont->isEnabled());

    click("performButton");
    QVERIFY(!gaugeDuringCopy.isEmpty());
    QCOMPARE(gaugeDuringCopy.last(), std::make_pair(find<QProgressBar>("upgradeGauge")->maximum(), false));
    QVERIFY(!perform->isEnabled());
    QVERIFY(cont->isEnabled());
    QVERIFY(information->toPlainText().contains("Before upgrade "));
    QVERIFY(!w.close());
    QVERIFY(!mainWindow().isEnabled());
    QVERIFY(s.access.FindRecord(8, "K4"));

    click("continueButton");
    QVERIFY(w.isVisible());
    QCOMPARE(find<QLineEdit>("changeCodeEdit")->text(), QStringLiteral("THead120302"));
    QVERIFY(perform->isEnabled());
    QVERIFY(!cont->isEnabled());
    QVERIFY(!mainWindow().isEnabled());
    QVERIFY(!m_program->prompter.texts().contains(closing));
    QVERIFY(!s.shutdownDone);

    click("performButton");
    click("continueButton");
    QVERIFY(!w.isVisible());
    QVERIFY(mainWindow().isEnabled());
    QCOMPARE(m_program->prompter.texts().count(closing), 1);
    QVERIFY(s.shutdownDone);
    QVERIFY(QFile::exists(QDir(s.folders.savesFolder()).filePath("Varnedo1.db")));
}

QTEST_MAIN(UpgradeWindowTest)
#include "upgrade_window_test.moc"
