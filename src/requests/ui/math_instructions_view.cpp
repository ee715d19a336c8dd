#include "requests/ui/math_instructions_view.h"

#include "requests/math/math_instructions.h"
#include "platform/ui/named_button.h"
#include "requests/ui/printer_choice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vn {

MathInstructionsView::MathInstructionsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mathInstructionsView"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(kMathInstructionsTitle + QStringLiteral("..."), this);
    title->setObjectName(QStringLiteral("mathInstructionsTitle"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("mathInstructionsText"));
    text->setHtml(mathInstructionsHtml());
    title->setBuddy(text);
    layout->addWidget(title);
    layout->addWidget(text, 1);
    auto* row = new QHBoxLayout;
    QPushButton* print = namedButton(QStringLiteral("Print Instructions"), "printInstructionsButton", this);
    QPushButton* back = namedButton(QStringLiteral("Return"), "instructionsReturnButton", this);
    row->addWidget(print);
    row->addStretch(1);
    row->addWidget(back);
    layout->addLayout(row);
    connect(print, &QPushButton::clicked, this, &MathInstructionsView::printClicked);
    connect(back, &QPushButton::clicked, this, &MathInstructionsView::returnClicked);
}

void printMathInstructions(Session& session) {
    Printout printout;
    printout.title = kMathInstructionsTitle;
    printout.pdfFileName = QStringLiteral("MathInstructions.pdf");
    printout.paint = [](QPagedPaintDevice& device) {
        QTextDocument document;
        QFont font(QStringLiteral("Arial"), 11);
        font.setStyleStrategy(QFont::PreferNoShaping);  // "fi" stays two letters
        document.setDefaultFont(font);
        document.setHtml(QStringLiteral("<h2>%1</h2>").arg(kMathInstructionsTitle.toHtmlEscaped()) + mathInstructionsHtml());
        document.print(&device);
    };
    printOnJob(session, {}, printout);
}

}  // namespace vn
