#include "interchange/ui/export_text_view.h"

#include "interchange/ui/export_cells_grid.h"
#include "interchange/ui/export_choices_box.h"
#include "interchange/ui/numbered_box.h"
#include "lists/records/record_tables.h"
#include "platform/ui/named_button.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vn {

namespace {

const QString kLayoutFilter = QStringLiteral("Layout files (*.layout *.txt);;All files (*)");

const QString kInstruction = QStringLiteral(
    "Click the desired fields to export in the order they are to appear in the line of text.  This process builds the "
    "field order.");

// `count` boxes named <name>1, <name>2, ... in columns of `rows`.
QList<NumberedBox*> boxGrid(QWidget* parent, const QString& name, int count, int rows, const std::function<void(int)>& clicked) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    QList<NumberedBox*> boxes;
    for (int i = 0; i < count; ++i) {
        auto* box = new NumberedBox(name + QString::number(i + 1), parent);
        box->setMaximumWidth(260);
        grid->addWidget(box, i % rows, i / rows);
        QObject::connect(box, &NumberedBox::clicked, parent, [clicked, i] { clicked(i); });
        boxes << box;
    }
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch((count + rows - 1) / rows, 1);
    return boxes;
}

QLineEdit* valueEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

// The box of the shown page at the index, if the page shows that many.
void renderGroup(const QList<NumberedBox*>& widgets, const QList<ExportBox>& boxes, const ExportTextPanel& panel) {
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const ExportBox* box = i < boxes.size() ? &boxes[i] : nullptr;
        widgets[i]->render(box ? box->caption : QString(), box ? panel.orderNumber(box->field) : std::nullopt);
    }
}

}  // namespace

ExportTextView::ExportTextView(Session& session, QWidget* parent) : PanelView(parent), m_panel(session, *this) {
    m_choosePath = [this](const FileQuestion& q) {
        return q.opening ? QFileDialog::getOpenFileName(this, q.title, q.suggested, q.filter)
                         : QFileDialog::getSaveFileName(this, q.title, q.suggested, q.filter);
    };
    QVBoxLayout* layout = titledPanel(this, QStringLiteral("exportText"), QStringLiteral("Export Text Based Data..."));
    layout->setSpacing(4);
    layout->addWidget(topRow());
    auto* middle = new QHBoxLayout;
    middle->addWidget(headerGroup());
    middle->addWidget(pageGroup(), 1);
    layout->addLayout(middle);
    layout->addWidget(pageButtons());
    m_choices = new ExportChoicesBox(m_panel, [this] { render(); }, this);
    layout->addWidget(m_choices);
    layout->addWidget(bottomRows());
    layout->addStretch();
    render();  // the boxes of no page hidden before the window first takes its size
}

QWidget* ExportTextView::topRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    m_code = valueEdit("listCodeEdit", row);
    m_code->setMaximumWidth(60);
    m_title = valueEdit("listTitleEdit", row);
    grid->addWidget(captionFor(QStringLiteral("Data List Code"), m_code, row), 0, 0);
    grid->addWidget(m_code, 0, 1);
    grid->addWidget(captionFor(QStringLiteral("Data List Title"), m_title, row), 0, 2);
    grid->addWidget(m_title, 0, 3);
    auto* instruction = new QLabel(kInstruction, row);
    instruction->setObjectName(QStringLiteral("instructionLabel"));
    instruction->setWordWrap(true);
    grid->addWidget(instruction, 0, 4);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 2);
    return row;
}

QWidget* ExportTextView::headerGroup() {
    auto* group = new QGroupBox(QStringLiteral("Header Fields"), this);
    group->setObjectName(QStringLiteral("headerFieldsGroup"));
    m_header = boxGrid(group, QStringLiteral("header"), kHeaderFieldCount, 8,
                       [this](int i) { act([&] { m_panel.toggleHeader(i + 1); }); });
    for (int i = 0; i < kHeaderFieldCount; ++i) m_header[i]->render(headerFieldCaptions()[i], std::nullopt);
    return group;
}

QWidget* ExportTextView::pageGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("pageFieldsGroup"));
    m_pageGroup = group;
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(4, 2, 4, 2);
    auto* tabs = new QTabWidget(group);
    tabs->setObjectName(QStringLiteral("pageFieldTabs"));
    tabs->setAccessibleName(QStringLiteral("Page Fields"));
    tabs->tabBar()->setAccessibleName(QStringLiteral("Page Field Groups"));
    // A tab of boxes standing for the group's boxes from `first` on (0-based).
    const auto tab = [&](const QString& title, const QString& name, QList<ExportBox> ExportPageBoxes::*kind, int first,
                         int count, int rows) {
        auto* page = new QWidget(tabs);
        page->setObjectName(name + QStringLiteral("Page"));
        tabs->addTab(page, title);
        return boxGrid(page, name, count, rows, [this, kind, first](int i) {
            act([&] {
                const QList<ExportBox>& boxes = m_panel.state().boxes.*kind;
                if (first + i < boxes.size()) m_panel.toggleBox(boxes[first + i].field);
            });
        });
    };
    m_texts = tab(QStringLiteral("Edit Fields (1-20)"), QStringLiteral("text"), &ExportPageBoxes::texts, 0, 20, 10);
    m_checks = tab(QStringLiteral("Check Boxes (1-20)"), QStringLiteral("checkBox"), &ExportPageBoxes::checks, 0, 20, 10);
    m_checks += tab(QStringLiteral("Check Boxes (21-40)"), QStringLiteral("checkBoxB"), &ExportPageBoxes::checks, 20, 20, 10);
    m_radios = tab(QStringLiteral("Radio Groups (1-10)"), QStringLiteral("radioGroup"), &ExportPageBoxes::radios, 0, 10, 10);
    row->addWidget(tabs, 1);
    auto* side = new QVBoxLayout;
    auto* memo = new QGroupBox(QStringLiteral("Memo (1)"), group);
    memo->setObjectName(QStringLiteral("memoGroup"));
    auto* memoLayout = new QVBoxLayout(memo);
    memoLayout->setContentsMargins(4, 2, 4, 2);
    m_memo = new NumberedBox(QStringLiteral("memo"), memo);
    memoLayout->addWidget(m_memo);
    connect(m_memo, &NumberedBox::clicked, this, [this] {
        act([&] { if (m_panel.state().boxes.memo) m_panel.toggleBox(m_panel.state().boxes.memo->field); });
    });
    side->addWidget(memo);
    m_cells = new ExportCellsGrid(group);
    connect(m_cells, &ExportCellsGrid::cellClicked, this, [this](int r, int c) { act([&] { m_panel.toggleCell(r, c); }); });
    side->addWidget(m_cells, 1);
    row->addLayout(side);
    return group;
}

QWidget* ExportTextView::pageButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int page = 1; page <= kPageCount; ++page) {
        m_pageButtons << button(QStringLiteral("Page %1").arg(page), "", [this, page] { m_panel.showPage(page); });
        m_pageButtons.back()->setObjectName(QStringLiteral("page%1Button").arg(page));
        layout->addWidget(m_pageButtons.back());
    }
    layout->addStretch();
    layout->addWidget(button(QStringLiteral("Export All Fields (This Page) (Excludes Memo)"), "exportAllButton",
                             [this] { m_panel.exportAllOnPage(); }));
    layout->addWidget(button(QStringLiteral("Clear Field Order"), "clearOrderButton", [this] { m_panel.clearOrder(); }));
    return row;
}

QWidget* ExportTextView::layoutButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* save = button(QStringLiteral("Save Layout..."), "saveLayoutButton", [this] { saveLayout(); });
    m_openLayout = button(QStringLiteral("Open Layout..."), "openLayoutButton", [this] { openLayout(); });
    for (QPushButton* b : {save, m_openLayout}) {
        b->setAccessibleName(b->text().remove(QStringLiteral("...")));
        layout->addWidget(b);
    }
    return row;
}

QWidget* ExportTextView::bottomRows() {
    auto* rows = new QWidget(this);
    auto* layout = new QGridLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    m_line = valueEdit("textLineEdit", rows);
    m_lineCaption = captionFor(QStringLiteral("Text Line..."), m_line, rows);
    m_lineCaption->setObjectName(QStringLiteral("textLineLabel"));
    layout->addWidget(m_lineCaption, 0, 0, 1, 6);
    layout->addWidget(m_line, 1, 0, 1, 6);
    m_process = button(QStringLiteral("Process / Create File"), "processButton", [this] { process(); });
    m_accept = button(QStringLiteral("Accept Record"), "acceptRecordButton", [this] { m_panel.acceptRecord(); });
    m_skip = button(QStringLiteral("Skip Record"), "skipRecordButton", [this] { m_panel.skipRecord(); });
    m_return = namedButton(QStringLiteral("Return"), "returnButton", rows);
    connect(m_return, &QPushButton::clicked, this, [this] {
        leave();
        emit returnClicked();
    });
    int column = 0;
    for (QPushButton* b : {m_process, m_accept, m_skip, m_return}) layout->addWidget(b, 2, column++);
    layout->setColumnStretch(4, 1);
    layout->addWidget(layoutButtons(), 2, 5);
    return rows;
}

QPushButton* ExportTextView::button(const QString& caption, const char* name, std::function<void()> action) {
    QPushButton* b = namedButton(caption, name, this);
    connect(b, &QPushButton::clicked, this, [this, action] { act(action); });
    return b;
}

void ExportTextView::act(const std::function<void()>& action) {
    action();
    render();
}

bool ExportTextView::openView() {
    const bool opened = m_panel.open();
    render();
    return opened;
}

void ExportTextView::leave() {
    m_panel.leaveView();
    render();
}

// CSV files and workbooks go where the user says; the text file has its fixed place.
void ExportTextView::process() {
    QString path;
    if (m_panel.asksForPath()) {
        path = m_choosePath({false, QStringLiteral("Export File"), m_panel.suggestedPath(), QString()});
        if (path.isEmpty()) return;
    }
    m_panel.process(path);
}

void ExportTextView::saveLayout() {
    const QString path = m_choosePath({false, QStringLiteral("Save Layout"), m_panel.suggestedLayoutPath(), kLayoutFilter});
    if (!path.isEmpty()) m_panel.saveLayout(path);
}

void ExportTextView::openLayout() {
    const QString path = m_choosePath({true, QStringLiteral("Open Layout"), m_panel.suggestedLayoutPath(), kLayoutFilter});
    if (!path.isEmpty()) m_panel.openLayout(path);
}

void ExportTextView::render() {
    const ExportTextState& state = m_panel.state();
    m_code->setText(state.listCode);
    m_title->setText(state.listTitle);
    renderBoxes();
    m_choices->render(state.choices);
    m_lineCaption->setText(state.textLineShowsRecord ? QStringLiteral("Current Text Line...") : QStringLiteral("Text Line..."));
    m_line->setText(state.textLine);
    m_process->setEnabled(state.processEnabled);
    m_accept->setEnabled(state.acceptEnabled);
    m_skip->setEnabled(state.skipEnabled);
    m_openLayout->setEnabled(!state.fileOpen);
    showWork(state.gauge, QStringLiteral("Exporting the records..."));
    applyFocus();
}

void ExportTextView::renderBoxes() {
    const ExportTextState& state = m_panel.state();
    for (int i = 0; i < kHeaderFieldCount; ++i)
        m_header[i]->render(headerFieldCaptions()[i], m_panel.orderNumber(FieldRef{0, i + 1}));
    static_cast<QGroupBox*>(m_pageGroup)->setTitle(state.pageCaption);
    renderGroup(m_texts, state.boxes.texts, m_panel);
    renderGroup(m_checks, state.boxes.checks, m_panel);
    renderGroup(m_radios, state.boxes.radios, m_panel);
    const auto& memo = state.boxes.memo;
    m_memo->render(memo ? memo->caption : QString(), memo ? m_panel.orderNumber(memo->field) : std::nullopt);
    const int page = state.boxes.page;
    m_cells->render(state.boxes.table, [&](int r, int c) { return m_panel.orderNumber(exportCellField(page, r, c)); });
    for (int p = 1; p <= kPageCount; ++p) {
        QPushButton* b = m_pageButtons[p - 1];
        b->setVisible(state.pageButtons[std::size_t(p - 1)]);
        QFont font = b->font();
        font.setBold(p == page);
        b->setFont(font);
    }
}

void ExportTextView::applyFocus() {
    const ExportFocus focus = m_panel.takeFocus();
    QWidget* target = m_choices->edit(focus);
    if (focus == ExportFocus::Process) target = m_process;
    if (focus == ExportFocus::Return) target = m_return;
    if (target) m_choices->moveFocus(target);
}

}  // namespace vn
