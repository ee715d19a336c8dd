#include "platform/spelling/spell_checker.h"
#include "platform/ui/spell_check_dialog.h"
#include "support/recording_prompter.h"
#include "support/named_child.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// The spelling dialog driven as a user would, over the system's en_US dictionary.
class SpellCheckDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void changeTheFirstAndIgnoreTheSecond();
    void saysSoWhenNothingIsMisspelt();
    void everyControlHasANameAndACaption();

private:
    template <typename T>
    static T* find(QWidget* dialog, const char* name) {
        return test::namedChild<T>(dialog, name);
    }
    static void click(QWidget* dialog, const char* button) { QTest::mouseClick(find<QPushButton>(dialog, button), Qt::LeftButton); }

    std::unique_ptr<SpellChecker> m_checker;
};

void SpellCheckDialogTest::initTestCase() {
    m_checker = std::make_unique<SpellChecker>();
    if (!m_checker->isAvailable()) QSKIP("the en_US dictionary is not installed");
}

void SpellCheckDialogTest::changeTheFirstAndIgnoreTheSecond() {
    SpellCheckDialog dialog(*m_checker, QStringLiteral("Teh fox was brwon."));
    dialog.show();
    QVERIFY(dialog.hasMisspellings());

    auto* suggestions = find<QListWidget>(&dialog, "suggestionsList");
    QVERIFY(suggestions->count() > 0);
    const QString first = suggestions->item(0)->text();
    QTest::mouseClick(suggestions->viewport(), Qt::LeftButton, {}, suggestions->visualItemRect(suggestions->item(0)).center());
    QCOMPARE(find<QLineEdit>(&dialog, "changeToEdit")->text(), first);
    click(&dialog, "changeButton");
    QVERIFY(dialog.isVisible());
    QCOMPARE(find<QLineEdit>(&dialog, "changeToEdit")->text(), m_checker->suggestions("brwon").value(0, "brwon"));
    click(&dialog, "ignoreButton");

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.outcome().text, first + QStringLiteral(" fox was brwon."));
    QVERIFY(dialog.outcome().changed);
}

void SpellCheckDialogTest::saysSoWhenNothingIsMisspelt() {
    test::RecordingPrompter prompter;
    const SpellCheckResult result = SpellCheckDialog::check(*m_checker, prompter, QStringLiteral("The fox was brown."));
    QCOMPARE(result.text, QStringLiteral("The fox was brown."));
    QVERIFY(!result.changed);
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].kind, QStringLiteral("information"));
}

void SpellCheckDialogTest::everyControlHasANameAndACaption() {
    SpellCheckDialog dialog(*m_checker, QStringLiteral("Teh fox"));
    dialog.show();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&dialog) || w->objectName().startsWith("qt_")) continue;
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(SpellCheckDialogTest)
#include "spell_check_dialog_test.moc"
