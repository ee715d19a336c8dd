#include "requests/ui/label_sheet_window.h"

#include "platform/ui/busy_cursor.h"
#include "requests/ui/label_sheet_picture.h"
#include "platform/ui/named_button.h"
#include "requests/ui/printer_choice.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

namespace {

const QString kInstructions = QStringLiteral(
    "Welcome to the label selection screen.  Choose the type of label sheet you print on from the list: its "
    "number of labels, how they are arranged and their size are shown below it, and the picture shows the "
    "sheet.\n\n"
    "On the screen the labels are shown one sheet at a time; Prior Page and Next Page move between the sheets.\n\n"
    "A sheet that was used before can be printed on again: click a label position in the picture to mark it, "
    "or mark them all with Full Sheet or Empty Sheet.  A white label is present, a gray label is absent.  "
    "Printing starts on the present labels of the first sheet and goes on with full sheets, so a sheet left "
    "partly used by another program, Grovanta for example, is used up first.  Then click Process.");

// A button that only shows a value: it takes no focus and does nothing when clicked.
QPushButton* valueButton(const char* name, const QString& what, QWidget* parent) {
    QPushButton* b = namedButton(QString(), name, parent);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFlat(true);
    b->setToolTip(what);
    b->setAccessibleDescription(what);
    return b;
}

}  // namespace

LabelSheetWindow::LabelSheetWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, LabelSheetWindowNo, "labelSheetWindow", "Labels", parent),
      m_session(session),
      m_navigator(navigator),
      m_controller(session.access, session.prompter, session.folders.outputFolder(),
                   {[this](const Printout& printout) { printOnJob(m_session, m_printer, printout); },
                    [this] { backToBuilder(); }}) {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("labelSheetView"));
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildChoice());
    m_picture = new LabelSheetPicture(central);
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    layout->addWidget(buildCommands());
    setCentralWidget(central);
    resize(980, 600);
    connect(m_picture, &LabelSheetPicture::cellClicked, this,
            [this](int position) { act([position](LabelSheetController& c) { c.toggle(position); }); });
    render();
}

QWidget* LabelSheetWindow::buildChoice() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Label sheet types:"), box);
    m_stocks = new QListWidget(box);
    m_stocks->setObjectName(QStringLiteral("labelStockList"));
    caption->setBuddy(m_stocks);
    column->addWidget(caption);
    column->addWidget(m_stocks, 1);
    m_count = valueButton("labelCountButton", QStringLiteral("Labels per sheet"), box);
    m_grid = valueButton("labelGridButton", QStringLiteral("Labels across and down"), box);
    m_size = valueButton("labelSizeButton", QStringLiteral("Label width and height"), box);
    for (QPushButton* b : {m_count, m_grid, m_size}) column->addWidget(b);
    auto* instructionsCaption = new QLabel(QStringLiteral("Instructions:"), box);
    auto* instructions = new QPlainTextEdit(kInstructions, box);
    instructions->setObjectName(QStringLiteral("instructionsText"));
    instructions->setReadOnly(true);
    instructionsCaption->setBuddy(instructions);
    column->addWidget(instructionsCaption);
    column->addWidget(instructions, 2);
    box->setFixedWidth(360);
    connect(m_stocks, &QListWidget::currentRowChanged, this,
            [this](int row) { act([row](LabelSheetController& c) { c.chooseStock(row); }); });
    return box;
}

QWidget* LabelSheetWindow::buildCommands() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_process = namedButton(QStringLiteral("Process"), "processButton", box);
    m_fullSheet = namedButton(QStringLiteral("Full Sheet"), "fullSheetButton", box);
    m_emptySheet = namedButton(QStringLiteral("Empty Sheet"), "emptySheetButton", box);
    m_selectPrinter = namedButton(QStringLiteral("Select printer"), "selectPrinterButton", box);
    QPushButton* exit = namedButton(QStringLiteral("Exit"), "exitButton", box);
    for (QPushButton* b : {m_process, m_fullSheet, m_emptySheet, m_selectPrinter, exit}) column->addWidget(b);
    column->addStretch(1);
    m_prior = namedButton(QStringLiteral("Prior Page"), "priorPageButton", box);
    m_next = namedButton(QStringLiteral("Next Page"), "nextPageButton", box);
    m_labels = valueButton("labelsShownButton", QStringLiteral("Labels in the preview"), box);
    m_pages = valueButton("pageCountButton", QStringLiteral("Pages of the preview"), box);
    m_page = valueButton("pageNumberButton", QStringLiteral("Page shown"), box);
    for (QPushButton* b : {m_prior, m_next, m_labels, m_pages, m_page}) column->addWidget(b);
    box->setFixedWidth(180);
    using C = LabelSheetController;
    connect(m_process, &QPushButton::clicked, this, [this] {
        BusyCursor busy;
        act(&C::process);
    });
    connect(m_fullSheet, &QPushButton::clicked, this, [this] { act(&C::fullSheet); });
    connect(m_emptySheet, &QPushButton::clicked, this, [this] { act(&C::emptySheet); });
    connect(m_prior, &QPushButton::clicked, this, [this] { act(&C::priorPage); });
    connect(m_next, &QPushButton::clicked, this, [this] { act(&C::nextPage); });
    connect(m_selectPrinter, &QPushButton::clicked, this, [this] { m_printer = choosePrinter(this, m_printer); });
    connect(exit, &QPushButton::clicked, this, [this] { backToBuilder(); });
    return box;
}

void LabelSheetWindow::openRun(const LabelRun& run) {
    m_navigator.gotoWindow(BuilderWindow, LabelSheetWindowNo);
    BusyCursor busy;  // the screen preview reads every label at once
    act([&run, this](LabelSheetController& c) { c.open(run, m_session.labels); });
}

void LabelSheetWindow::act(const std::function<void(LabelSheetController&)>& event) {
    event(m_controller);
    render();
}

void LabelSheetWindow::backToBuilder() { m_navigator.ShowWindow({BuilderWindow}); }

void LabelSheetWindow::render() {
    const LabelSheetView& view = m_controller.view();
    {
        const QSignalBlocker quiet(m_stocks);
        QStringList shown;
        for (int row = 0; row < m_stocks->count(); ++row) shown << m_stocks->item(row)->text();
        if (shown != view.stocks) {
            m_stocks->clear();
            m_stocks->addItems(view.stocks);
        }
        m_stocks->setCurrentRow(view.chosen);
    }
    m_count->setText(view.count);
    m_grid->setText(view.grid);
    m_size->setText(view.size);
    m_picture->render(view);
    m_process->setEnabled(view.processEnabled);
    m_fullSheet->setEnabled(view.marking);
    m_emptySheet->setEnabled(view.marking);
    m_selectPrinter->setEnabled(view.printerEnabled);
    m_prior->setEnabled(view.priorEnabled);
    m_next->setEnabled(view.nextEnabled);
    m_labels->setText(view.labels);
    m_pages->setText(view.pages);
    m_page->setText(view.page);
}

}  // namespace vn
