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
    void aPrintoutOnItsOwnPaperIsPreviewedOnIt();

private:
    struct Shown {
        int pages = -1;
        QString title;
    };
    static Shown preview(const Printout& printout);
};

PreviewDestinationTest::Shown PreviewDestinationTest::preview(const Printout& printout) {
    Shown shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown.pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        shown.title = dialog->windowTitle();
        dialog->reject();
    });
    poll.start(10);
    PreviewDestination(nullptr, QStringLiteral("No Such Printer")).preview(printout);
    return shown;
}

void PreviewDestinationTest::thePreviewShowsEveryPageOfThePrintout() {
    const Printout printout{QStringLiteral("Office list"), QStringLiteral("Office.pdf"), false, [](PageSink& sink) {
                                sink.text({0, 0}, QStringLiteral("one"));
                                sink.newPage();
                                sink.text({0, 0}, QStringLiteral("two"));
                            }};
    const Shown shown = preview(printout);
    QCOMPARE(shown.pages, 2);
    QCOMPARE(shown.title, QStringLiteral("Office list"));
}

// Letter paper with margins that leave 8 by 10 inches to print on.
void PreviewDestinationTest::aPrintoutOnItsOwnPaperIsPreviewedOnIt() {
    QSizeF page;
    Printout printout{QStringLiteral("Labels"), QStringLiteral("Labels.pdf"), false,
                      [&page](PageSink& sink) { page = sink.pageSize(); }};
    printout.paper = PrintPaper{QSizeF(8.5, 11), QMarginsF(0.25, 0.5, 0.25, 0.5)};
    QCOMPARE(preview(printout).pages, 1);
    QCOMPARE(qRound(page.width() / page.height() * 1000), 800);
}

QTEST_MAIN(PreviewDestinationTest)
#include "preview_destination_test.moc"
