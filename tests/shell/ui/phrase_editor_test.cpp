#include "lists/definitions/definition_tables.h"
#include "shell/core/agent/agent.h"
#include "shell/core/agent/phrase_editing.h"
#include "shell/ui/agent/agent_host.h"
#include "shell/ui/agent/phrase_editor_dialog.h"
#include "support/recording_voice.h"
#include "../../entry/session/session_fixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace vn {

using definition_tables::phra::kPhrase;

// The phrase editor on a new installation's tables, asked from window 3 for "saveButton".
class PhraseEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savingWritesTheTypedPhrase();
    void cancelAndTheCloseBoxKeepTheOldPhrase();
    void testingStoresAndSpeaks();
    void inputStopsAtTheFieldSize();
    void askingOpensTheEditorOnlyForANamedControl_data();
    void askingOpensTheEditorOnlyForANamedControl();

private:
    PhraseEditorDialog& editor() { return *m_host->phraseEditor(); }
    QPlainTextEdit* memo() { return editor().memo(); }
    QString count() { return editor().findChild<QLineEdit*>("characterCountEdit")->text(); }
    void press(const char* button) { editor().findChild<QPushButton*>(button)->click(); }
    QString stored() {
        return m_fx->access.FindRecord(kPhraSlot, "3saveButton") ? m_fx->access.GetFieldText(kPhraSlot, kPhrase)
                                                                 : QStringLiteral("<none>");
    }
    void ask(const QString& control) { m_host->agent().askControlHelp(control, {10, 10}); }

    std::unique_ptr<test::SessionFixture> m_fx;
    test::RecordingVoice* m_voice = nullptr;
    std::unique_ptr<AgentHost> m_host;
};

void PhraseEditorTest::init() {
    m_fx = std::make_unique<test::SessionFixture>();
    m_fx->session.helpContext = "3";
    m_fx->session.settings.helpWrite = true;
    auto voice = std::make_unique<test::RecordingVoice>();
    m_voice = voice.get();
    m_host = std::make_unique<AgentHost>(m_fx->session, std::move(voice));
    m_host->agent().helpOn = true;
    m_host->agent().number = 2;
}

void PhraseEditorTest::cleanup() {
    m_host.reset();
    m_fx.reset();
}

void PhraseEditorTest::savingWritesTheTypedPhrase() {
    ask("saveButton");
    QVERIFY(editor().isVisible());
    QCOMPARE(editor().findChild<QLineEdit*>("phraseKeyEdit")->text(), "3saveButton");
    QCOMPARE(memo()->toPlainText(), "");
    QCOMPARE(count(), "0");
    QTest::keyClicks(memo(), "Saves it.");
    QCOMPARE(count(), "9");
    press("saveReturnButton");
    QVERIFY(!editor().isVisible());
    QCOMPARE(stored(), "Saves it.");
}

void PhraseEditorTest::cancelAndTheCloseBoxKeepTheOldPhrase() {
    m_fx->putRow(kPhraSlot, "3saveButton", {{kPhrase, "Old"}});
    for (const bool byCloseBox : {false, true}) {
        ask("saveButton");
        QCOMPARE(memo()->toPlainText(), "Old");
        QCOMPARE(count(), "3");
        press("clearPhraseButton");
        QCOMPARE(count(), "0");
        QTest::keyClicks(memo(), "New");
        if (byCloseBox) editor().close();
        else press("cancelButton");
        QVERIFY(!editor().isVisible());
        QCOMPARE(stored(), "Old");
    }
}

void PhraseEditorTest::testingStoresAndSpeaks() {
    ask("saveButton");
    auto* hide = editor().findChild<QPushButton*>("hideAgentButton");
    QVERIFY(!hide->isEnabled());
    QTest::keyClicks(memo(), "Try me.");
    press("testPhraseButton");
    QCOMPARE(stored(), "Try me.");
    QTRY_COMPARE(m_voice->said, QStringList{"Try me."});
    QVERIFY(hide->isEnabled());
    press("hideAgentButton");
    QVERIFY(!hide->isEnabled());
    QVERIFY(!m_host->agent().loaded());
    press("cancelButton");  // the tried phrase stays stored
    QCOMPARE(stored(), "Try me.");
}

void PhraseEditorTest::inputStopsAtTheFieldSize() {
    const int size = m_fx->access.GetFieldSize(kPhraSlot, kPhrase);
    QVERIFY(size > 4);
    ask("saveButton");
    memo()->setPlainText(QString(size - 2, QLatin1Char('a')));
    QTextCursor cursor = memo()->textCursor();
    cursor.setPosition(1);
    memo()->setTextCursor(cursor);
    QTest::keyClicks(memo(), "bcde");  // the last two do not fit
    QCOMPARE(memo()->toPlainText(), "a" + QStringLiteral("bc") + QString(size - 3, QLatin1Char('a')));
    QCOMPARE(count(), QString::number(size));
    QCOMPARE(m_fx->prompter.beeps, 2);
    press("saveReturnButton");
    QCOMPARE(stored(), memo()->toPlainText());
}

void PhraseEditorTest::askingOpensTheEditorOnlyForANamedControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("opens");
    QTest::newRow("named") << "saveButton" << true;
    QTest::newRow("no name") << "" << false;
    QTest::newRow("key too long") << QString(200, QLatin1Char('n')) << false;
}

void PhraseEditorTest::askingOpensTheEditorOnlyForANamedControl() {
    QFETCH(QString, control);
    QFETCH(bool, opens);
    ask(control);
    QCOMPARE(m_host->phraseEditor() && editor().isVisible(), opens);
}

}  // namespace vn

QTEST_MAIN(vn::PhraseEditorTest)
#include "phrase_editor_test.moc"
