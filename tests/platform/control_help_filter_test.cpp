// Right clicks on watched controls ask the help character: a named control for its phrase, an
// explained one speaks its own text; other buttons, and a character that is off, change nothing.
#include "platform/ui/control_help_filter.h"
#include "support/recording_help_agent.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace vn;

class ControlHelpFilterTest : public QObject {
    Q_OBJECT
private slots:
    void rightClicksAskTheCharacterOfTheMoment();
};

void ControlHelpFilterTest::rightClicksAskTheCharacterOfTheMoment() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("New"), &window);
    button->setObjectName(QStringLiteral("newButton"));
    auto* lock = new QCheckBox(QStringLiteral("Lock Selection List"), &window);
    layout->addWidget(button);
    layout->addWidget(lock);
    test::RecordingHelpAgent first, later;
    HelpAgent* current = &first;
    auto* filter = new ControlHelpFilter([&current]() -> HelpAgent& { return *current; }, &window);
    filter->watch(button);
    filter->explain(lock, QStringLiteral("Only the list's items can be entered."));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(button, Qt::RightButton);
    QTest::mouseClick(lock, Qt::RightButton);
    QCOMPARE(first.asked, QStringList{"newButton"});
    QCOMPARE(first.said, QStringList{"Only the list's items can be entered."});
    QVERIFY(!lock->isChecked());  // the click asked for help, it did not tick the box

    current = &later;  // a character plugged in after the window was made
    later.on = false;
    QTest::mouseClick(button, Qt::RightButton);
    QTest::mouseClick(lock, Qt::LeftButton);
    QVERIFY(later.asked.isEmpty() && later.said.isEmpty());
    QVERIFY(lock->isChecked());
}

QTEST_MAIN(ControlHelpFilterTest)
#include "control_help_filter_test.moc"
