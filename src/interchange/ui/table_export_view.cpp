#include "interchange/ui/table_export_view.h"

#include "interchange/ui/import_text_controls.h"
#include "platform/ui/named_button.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vn {

namespace {

const char* const kPageNames[] = {"One", "Two", "Three", "Four", "Five", "Six"};

QLabel* wrappedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QListWidget* namedList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(90);
    return list;
}

// Shows the entries, unless the list already shows them (keeps its scroll position).
void showEntries(QListWidget* list, const QStringList& entries) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
    list->clearSelection();
}

}  // namespace

TableExportView::TableExportView(Session& session, TableFormat format, NewTableWriterFactory writers, QWidget* parent)
    : PanelView(parent), m_panel(session, *this, format, std::move(writers)) {
    const bool paradox = format == TableFormat::Paradox;
    QVBoxLayout* layout = titledPanel(this, QString::fromLatin1(paradox ? "exportParadox" : "exportDbase"), m_panel.state().title);
    layout->setSpacing(4);
    layout->addWidget(instructions());
    auto* middle = new QHBoxLayout;
    middle->addWidget(headerGroup());
    middle->addWidget(pageLists(), 1);
    middle->addWidget(structureColumn());
    layout->addLayout(middle);
    layout->addStretch();
    render();
}

QWidget* TableExportView::instructions() {
    auto* group = new QGroupBox(QStringLiteral("Instructions..."), this);
    group->setObjectName(QStringLiteral("instructionsGroup"));
    auto* box = new QVBoxLayout(group);
    box->addWidget(wrappedLabel(m_panel.state().instructions, "structureInstruction", group));
    box->addWidget(wrappedLabel(m_panel.state().finishing, "tableInstruction", group));
    return group;
}

QWidget* TableExportView::headerGroup() {
    auto* group = new QGroupBox(QStringLiteral("Header Fields..."), this);
    group->setObjectName(QStringLiteral("headerNamesGroup"));
    auto* box = new QVBoxLayout(group);
    box->setSpacing(0);
    const QStringList& names = m_panel.state().headerNames;
    for (int j = 1; j <= names.size(); ++j) {
        const QByteArray name = "headerName" + QByteArray::number(j);
        QPushButton* b = button(names[j - 1], name.constData(), [this, j] { m_panel.clickHeader(j); });
        b->setFlat(true);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 1px 6px;"));
        box->addWidget(b);
    }
    box->addStretch();
    return group;
}

QWidget* TableExportView::pageLists() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int p = 1; p <= kPageCount; ++p) {
        QListWidget* list = namedList(QStringLiteral("page%1List").arg(p), area);
        const QString caption = QStringLiteral("Page %1 Fields...").arg(QString::fromLatin1(kPageNames[p - 1]));
        connect(list, &QListWidget::itemClicked, this, [this, list, p](QListWidgetItem* item) {
            act([&] { m_panel.clickPageEntry(p, list->row(item)); });
        });
        const int row = (p - 1) / 3 * 2, column = (p - 1) % 3;
        grid->addWidget(captionFor(caption, list, area), row, column);
        grid->addWidget(list, row + 1, column);
        m_pages << list;
    }
    return area;
}

QWidget* TableExportView::structureColumn() {
    auto* column = new QWidget(this);
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    m_structure = namedList(QStringLiteral("structureList"), column);
    m_structure->setMinimumWidth(240);
    connect(m_structure, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { act([&] { m_panel.clickStructure(m_structure->row(item)); }); });
    box->addWidget(captionFor(QStringLiteral("New Table Field Structure..."), m_structure, column));
    box->addWidget(m_structure, 1);
    m_fileName = new QLineEdit(column);
    m_fileName->setObjectName(QStringLiteral("fileNameEdit"));
    connect(m_fileName, &QLineEdit::textEdited, this, [this](const QString& text) { act([&] { m_panel.editFileName(text); }); });
    m_leaving = new LeavingEdit(m_fileName, this);
    connect(m_leaving, &LeavingEdit::left, this, [this](const QString&, bool byEnter) {
        act([&] { byEnter ? m_panel.enterFileName() : m_panel.leaveFileName(); });
    });
    box->addWidget(captionFor(m_panel.state().fileNameCaption, m_fileName, column));
    box->addWidget(m_fileName);
    m_clear = button(QStringLiteral("Clear Field Structure"), "clearStructureButton", [this] { m_panel.clearStructure(); });
    m_create = button(QStringLiteral("Create New Table"), "createTableButton", [this] { m_panel.createTable(); });
    m_export = button(QStringLiteral("Export Data"), "exportDataButton", [this] { m_panel.exportData(); });
    QPushButton* back = namedButton(QStringLiteral("Return"), "tableReturnButton", column);
    connect(back, &QPushButton::clicked, this, &TableExportView::returnClicked);
    for (QPushButton* b : {m_clear, m_create, m_export, back}) box->addWidget(b);
    return column;
}

QPushButton* TableExportView::button(const QString& caption, const char* name, std::function<void()> action) {
    QPushButton* b = namedButton(caption, name, this);
    connect(b, &QPushButton::clicked, this, [this, action = std::move(action)] { act(action); });
    return b;
}

void TableExportView::act(const std::function<void()>& action) {
    action();
    render();
}

bool TableExportView::openView() {
    const bool opened = m_panel.open();
    render();
    return opened;
}

void TableExportView::render() {
    const TableExportState& state = m_panel.state();
    for (int p = 0; p < kPageCount; ++p) showEntries(m_pages[p], state.pageLists[std::size_t(p)]);
    showEntries(m_structure, state.structure);
    m_leaving->setText(state.fileName);
    m_clear->setEnabled(state.clearEnabled);
    m_create->setEnabled(state.createEnabled);
    m_export->setEnabled(state.exportEnabled);
    showWork(state.gauge, QStringLiteral("Filling the new table..."));
    applyFocus();
}

void TableExportView::applyFocus() {
    switch (m_panel.takeFocus()) {
    case TableExportFocus::FileName: moveFocusQuietly(m_fileName); break;
    case TableExportFocus::CreateTable: moveFocusQuietly(m_create); break;
    case TableExportFocus::None: break;
    }
}

}  // namespace vn
