#include "interchange/ui/table_import_view.h"

#include "interchange/panels/import_targets.h"
#include "interchange/panels/table_import_texts.h"
#include "interchange/ui/import_text_controls.h"
#include "interchange/ui/target_box_grid.h"
#include "shell/core/session.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vn {

namespace {

// "headerTitle", "headerMI", "headerPositionTi", ...
QStringList headerNames(const std::array<TargetBox, kHeaderFieldCount>& targets) {
    QStringList names;
    for (const TargetBox& target : targets) {
        QString stem = QStringLiteral("tableHeader");
        for (QChar c : target.caption)
            if (c.isLetterOrNumber()) stem += c;
        names << stem;
    }
    return names;
}

}  // namespace

TableImportView::TableImportView(Session& session, ForeignReaders readers, std::function<void()> close, QWidget* parent)
    : PanelView(parent), m_session(session), m_panel(session, *this, std::move(readers)), m_close(std::move(close)) {
    setObjectName(QStringLiteral("tableImportView"));
    m_chooseFile = [this](TableSource kind) { return chooseFile(kind); };
    auto* layout = new QVBoxLayout(this);
    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("tableImportGroup"));
    layout->addWidget(m_group);
    auto* columns = new QHBoxLayout(m_group);
    columns->addWidget(buildButtonColumn());
    columns->addWidget(buildSourceColumn());
    columns->addWidget(buildTargets(), 1);
    render();
}

QWidget* TableImportView::buildButtonColumn() {
    auto* column = new QWidget(m_group);
    column->setObjectName(QStringLiteral("tableImportButtons"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_instructions = panelButton(QStringLiteral("Instructions"), "tableInstructionsButton", column,
                                 [this] { act([this] { m_panel.instructions(); }); });
    m_find = panelButton(QString(), "findImportFileButton", column,
                         [this] { act([this] { m_panel.chooseFile(m_chooseFile(m_panel.state().kind)); }); });
    m_clear = panelButton(QStringLiteral("Clear Mapping"), "tableClearMappingButton", column, [this] { act([this] { m_panel.clearMapping(); }); });
    m_save = panelButton(QStringLiteral("Save Mapping"), "tableSaveMappingButton", column, [this] { act([this] { m_panel.saveMapping(); }); });
    m_import = panelButton(QStringLiteral("Import Data"), "tableImportDataButton", column, [this] { act([this] { m_panel.importData(); }); });
    m_return = panelButton(QStringLiteral("Return"), "tableReturnButton", column, [this] { m_close(); });
    for (QPushButton* b : {m_instructions, m_find, m_clear, m_save, m_import, m_return}) layout->addWidget(b);
    auto* destination = new QGroupBox(QStringLiteral("Import File / Destination List..."), column);
    destination->setObjectName(QStringLiteral("importDestinationGroup"));
    auto* dl = new QVBoxLayout(destination);
    m_fileName = valueLabel(QStringLiteral("importFileNameLabel"), destination, 3);
    m_fileName->setWordWrap(true);
    addUnderCaption(dl, QStringLiteral("Import File Name..."), "importFileNameCaption", m_fileName);
    m_listInfo = valueLabel(QStringLiteral("listInfoLabel"), destination, 2);
    m_listInfo->setWordWrap(true);
    addUnderCaption(dl, QStringLiteral("Varnedo List Info..."), "listInfoCaption", m_listInfo);
    layout->addWidget(destination);
    layout->addStretch(1);
    column->setFixedWidth(230);
    return column;
}

QWidget* TableImportView::buildSourceColumn() {
    auto* column = new QWidget(m_group);
    column->setObjectName(QStringLiteral("tableImportSource"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_source = new QListWidget(column);
    m_source->setObjectName(QStringLiteral("sourceList"));
    m_sourceCaption = addUnderCaption(layout, QString(), "sourceListCaption", m_source, 1);
    connect(m_source, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { act([this, row = m_source->row(item)] { m_panel.clickSource(row); }); });
    m_note = new QLabel(column);
    m_note->setObjectName(QStringLiteral("selectTableNoteLabel"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    column->setFixedWidth(230);
    return column;
}

QWidget* TableImportView::buildTargets() {
    auto* targets = new QWidget(m_group);
    targets->setObjectName(QStringLiteral("tableImportTargets"));
    auto* layout = new QHBoxLayout(targets);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto header = headerTargetRows();
    m_header = new TargetBoxGrid(QStringLiteral("Header Fields"), QStringLiteral("tableHeader"), headerNames(header),
                                 kHeaderFieldCount, targets);
    connect(m_header, &TargetBoxGrid::clicked, this, [this](int i) {
        act([this, i] { m_panel.clickTarget(m_panel.state().headerTargets[std::size_t(i)].target); });
    });
    layout->addWidget(m_header, 0, Qt::AlignTop);
    auto* pages = new QGridLayout;
    for (int page = 1; page <= 6; ++page) {
        auto* list = new QTreeWidget(targets);
        list->setObjectName(QStringLiteral("page%1TargetList").arg(page));
        list->setColumnCount(2);
        list->setRootIsDecorated(false);
        list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        connect(list, &QTreeWidget::itemClicked, this, [this, list, page](QTreeWidgetItem* item) {
            const int row = list->indexOfTopLevelItem(item);
            act([this, page, row] {
                const QList<TargetBox>& rows = m_panel.state().pageTargets[std::size_t(page - 1)];
                if (row >= 0 && row < rows.size()) m_panel.clickTarget(rows[row].target);
            });
        });
        m_pages[std::size_t(page - 1)] = list;
        pages->addWidget(list, (page - 1) / 2, (page - 1) % 2);
    }
    layout->addLayout(pages, 1);
    return targets;
}

bool TableImportView::open(TableSource kind) {
    const bool opened = m_panel.open(kind);
    render();
    return opened;
}

bool TableImportView::openSibling(const QString& path) {
    const bool opened = m_panel.openSibling(path);
    render();
    return opened;
}

void TableImportView::act(const std::function<void()>& action) {
    action();
    render();
}

QString TableImportView::chooseFile(TableSource kind) {
    return QFileDialog::getOpenFileName(this, tableImportFindCaption(kind), m_session.folders.exchangeFolder(),
                                        tableImportFileFilter(kind));
}

void TableImportView::render() {
    const TableImportState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    m_group->setTitle(s.caption);
    m_find->setText(s.findCaption);
    m_find->setAccessibleName(s.findCaption);
    m_find->setEnabled(idle && s.findEnabled);
    m_instructions->setEnabled(idle);
    m_clear->setEnabled(idle && s.clearEnabled);
    m_save->setEnabled(idle && s.saveEnabled);
    m_import->setEnabled(idle && s.importEnabled);
    m_return->setEnabled(idle);
    m_fileName->setText(s.fileName);
    m_listInfo->setText(s.listCode + QStringLiteral("  ") + s.listTitle);
    renderSource(s);
    renderTargets(s);
    if (s.focusRequest != m_focusSeen) {
        m_focusSeen = s.focusRequest;
        if (m_instructions->isVisible()) moveFocusQuietly(m_instructions);
    }
    showWork(s.gauge, s.gauge.caption);
}

void TableImportView::renderSource(const TableImportState& s) {
    m_sourceCaption->setText(s.sourceCaption);
    m_source->setAccessibleName(s.sourceCaption);
    m_note->setText(s.sourceNote);
    m_note->setVisible(!s.sourceNote.isEmpty());
    if (m_source->count() != s.sourceEntries.size()) {
        m_source->clear();
        for (qsizetype i = 0; i < s.sourceEntries.size(); ++i) m_source->addItem(QString());
    }
    for (qsizetype i = 0; i < s.sourceEntries.size(); ++i) {
        const SourceEntry& e = s.sourceEntries[i];
        QListWidgetItem* item = m_source->item(int(i));
        item->setText((e.marked ? QStringLiteral("X ") : QStringLiteral("  ")) + e.text);
        item->setForeground(e.mappable ? palette().text() : palette().placeholderText());
        item->setSelected(e.number > 0 && e.number == s.selectedColumn);
    }
}

void TableImportView::renderTargets(const TableImportState& s) {
    m_header->render(QList<TargetBox>(s.headerTargets.begin(), s.headerTargets.end()));
    for (std::size_t p = 0; p < m_pages.size(); ++p) {
        QTreeWidget* list = m_pages[p];
        const QList<TargetBox>& rows = s.pageTargets[p];
        list->setHeaderLabels({QStringLiteral("Fld"), s.pageCaptions[p].section(QStringLiteral("    "), 1)});
        list->setAccessibleName(s.pageCaptions[p]);
        if (list->topLevelItemCount() != rows.size()) {
            list->clear();
            for (qsizetype i = 0; i < rows.size(); ++i) new QTreeWidgetItem(list);
        }
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(int(i));
            item->setText(0, rows[i].field > 0 ? QString::number(rows[i].field) : QString());
            item->setText(1, rows[i].caption);
        }
    }
}

}  // namespace vn
