#include "exchange/ui/password_dialog.h"
#include "store/text/day_code.h"
#include "support/recording_prompter.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace vn;

// "Password Reguired!" as the user meets it: each entry confirmed with Enter.
class PasswordDialogTest : public QObject {
    Q_OBJECT

private slots:
    void entriesDecide_data();
    void entriesDecide();
    void closingTakesAGoodPasswordLeftInTheField();

private:
    // Runs the dialog; `user` acts once it shows.
    bool ask(const std::function<void(PasswordDialog&, QLineEdit&)>& user) {
        PasswordDialog dialog(QDate::currentDate(), m_prompter);
        QTimer::singleShot(0, &dialog, [&] {
            auto* field = dialog.findChild<QLineEdit*>("passwordEdit");
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QVERIFY(field->hasFocus());
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            user(dialog, *field);
            if (dialog.isVisible()) dialog.done(QDialog::Rejected);  // a test that left it open fails below
        });
        return dialog.ask();
    }

    test::RecordingPrompter m_prompter;
};

void PasswordDialogTest::entriesDecide_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("closedAfter");  // entries typed before the dialog closed
    const QString day = DayCode();
    QTest::newRow("fixed") << QStringList{"tarnwisple"} << true << 1;
    QTest::newRow("fixed, other case") << QStringList{"TarnWisple"} << true << 1;
    QTest::newRow("day code in lower case") << QStringList{day.toLower()} << true << 1;
    QTest::newRow("second entry") << QStringList{"wrong", day} << true << 2;
    QTest::newRow("three wrong") << QStringList{"a", "b", "c"} << false << 3;
    QTest::newRow("right at the third") << QStringList{"a", "b", "tarnwisple"} << true << 3;
}

void PasswordDialogTest::entriesDecide() {
    QFETCH(QStringList, entries);
    QFETCH(bool, accepted);
    QFETCH(int, closedAfter);
    int typed = 0;
    const bool verdict = ask([&](PasswordDialog& dialog, QLineEdit& field) {
        for (const QString& entry : entries) {
            if (!dialog.isVisible()) break;
            QTest::keyClicks(&field, entry);
            QTest::keyClick(&field, Qt::Key_Return);
            ++typed;
            if (dialog.isVisible()) {
                QCOMPARE(field.text(), "");  // a wrong entry is emptied, the focus kept
                QVERIFY(field.hasFocus());
            }
        }
    });
    QCOMPARE(verdict, accepted);
    QCOMPARE(typed, closedAfter);
    QVERIFY(m_prompter.beeps > 0);  // it beeps on opening
}

void PasswordDialogTest::closingTakesAGoodPasswordLeftInTheField() {
    QVERIFY(ask([](PasswordDialog& dialog, QLineEdit& field) {
        field.setText(DayCode());
        dialog.reject();  // Escape or the title bar
    }));
    for (const char* left : {"wrong", "tarnwisple"})  // closing looks for the day's code only
        QVERIFY(!ask([left](PasswordDialog& dialog, QLineEdit& field) {
            field.setText(left);
            dialog.reject();
        }));
}

QTEST_MAIN(PasswordDialogTest)
#include "password_dialog_test.moc"
