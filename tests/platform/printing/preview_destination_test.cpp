#include "platform/ui/preview_destination.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QtTest>

using namespace vn;

// The preview built for a printout, closed as soon as it shows.
class PreviewDestinationTest : public QObject {
    Q_OBJECT

private slots:
    void thePreviewShowsEveryPageOfThePrintout();
};

void PreviewDestinationTest::thePreviewShowsEveryPageOfThePrintout() {
    const Printout printout{QStringLiteral("Office list"), QStringLiteral("Office.pdf"), false, [](PageSink& sink) {
                                sink.text({0, 0}, QStringLiteral("one"));
                                sink.newPage();
                                sink.text({0, 0}, QStringLiteral("two"));
                            }};
    int pages = -1;
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        title = dialog->windowTitle();
        dialog->reject();
    });
    poll.start(10);

    PreviewDestination(nullptr, QStringLiteral("No Such Printer")).preview(printout);

    QCOMPARE(pages, 2);
    QCOMPARE(title, QStringLiteral("Office list"));
}

QTEST_MAIN(PreviewDestinationTest)
#include "preview_destination_test.moc"
