#include "interchange/ui/import_text_view.h"

#include "interchange/panels/import_targets.h"
#include "interchange/panels/import_texts.h"
#include "interchange/ui/import_text_controls.h"
#include "interchange/ui/target_box_grid.h"
#include "shell/core/session.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kHeaderRows = 15;
constexpr int kPageRows = 10;

QLabel* valueBeside(QGridLayout* grid, int row, const QString& caption, const char* name, QWidget* parent) {
    QLabel* value = valueLabel(QString::fromLatin1(name), parent);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
    label->setBuddy(value);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

// "headerTitle", "headerMI", "headerPositionTitle", "headerAddress1", ...
QStringList headerNames() {
    QStringList names;
    for (const QString& caption : headerFieldCaptions()) {
        QString stem = QStringLiteral("header");
        for (QChar c : caption)
            if (c.isLetterOrNumber()) stem += c;
        names << stem;
    }
    return names;
}

// A part of the view with its layout, edge to edge.
template <typename Layout>
Layout* viewPart(QWidget* parent, const char* name, QWidget*& part) {
    part = new QWidget(parent);
    part->setObjectName(QString::fromLatin1(name));
    auto* layout = new Layout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

}  // namespace

ImportTextView::ImportTextView(Session& session, std::function<void()> close, QWidget* parent)
    : PanelView(parent), m_session(session), m_panel(session, *this), m_close(std::move(close)) {
    setObjectName(QStringLiteral("importTextView"));
    m_chooseFile = [this](FileRole role) { return chooseFile(role); };
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    m_listCode = valueBeside(top, 0, QStringLiteral("Data List Code"), "listCodeLabel", this);
    m_listTitle = valueBeside(top, 1, QStringLiteral("Data List Title"), "listTitleLabel", this);
    top->setColumnStretch(1, 1);
    layout->addLayout(top);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildFileColumn());
    columns->addWidget(buildFieldsColumn(), 1);
    columns->addWidget(buildMappingColumn());
    layout->addLayout(columns, 1);
    layout->addWidget(buildPreviewRow());
    render();
}

QWidget* ImportTextView::buildFileColumn() {
    QWidget* column = nullptr;
    auto* layout = viewPart<QVBoxLayout>(this, "importFileColumn", column);
    layout->addWidget(panelButton(QStringLiteral("Select Text File"), "selectTextFileButton", column,
                                  [this] { act([this] { m_panel.selectFile(m_chooseFile(FileRole::TextFile)); }); }));
    m_fileName = valueLabel(QStringLiteral("textFileLabel"), column);
    addUnderCaption(layout, QStringLiteral("Text File"), "textFileCaption", m_fileName);
    m_methods = new ChoiceGroup(QStringLiteral("Field Method..."), "fieldMethodGroup",
                                {{"Fixed Length", "fixedLengthRadio"}, {"Delimited", "delimitedRadio"},
                                 {"Excel Tab Delimited", "excelTabDelimitedRadio"}},
                                column);
    connect(m_methods, &ChoiceGroup::chosen, this, [this](int c) { act([this, c] { m_panel.chooseMethod(FieldMethod(c)); }); });
    layout->addWidget(m_methods);

    auto* sizeGroup = new QGroupBox(QStringLiteral("Enter Field Size..."), column);
    sizeGroup->setObjectName(QStringLiteral("fieldSizeGroup"));
    m_size = new QLineEdit(sizeGroup);
    m_size->setObjectName(QStringLiteral("fieldSizeEdit"));
    m_size->setAccessibleName(QStringLiteral("Enter Field Size"));
    (new QVBoxLayout(sizeGroup))->addWidget(m_size);
    m_sizeLeaving = new LeavingEdit(m_size, this);
    onLeaving(m_sizeLeaving, &ImportTextPanel::enterSize);
    m_sizeGroup = sizeGroup;
    layout->addWidget(sizeGroup);

    auto* delimiters = new QGroupBox(QStringLiteral("Text File Delimiters"), column);
    delimiters->setObjectName(QStringLiteral("textFileDelimitersGroup"));
    auto* dl = new QVBoxLayout(delimiters);
    dl->setSpacing(2);
    m_delimiter = new QLineEdit(delimiters);
    m_delimiter->setObjectName(QStringLiteral("dataDelimiterEdit"));
    addUnderCaption(dl, QStringLiteral("Data Delimiter"), "dataDelimiterCaption", m_delimiter);
    dl->addWidget(exampleLine(QStringLiteral("\"Smith\"  'Smith'  ~Smith~"), "dataDelimiterExample", delimiters));
    m_separator = new QLineEdit(delimiters);
    m_separator->setObjectName(QStringLiteral("fieldSeparatorEdit"));
    addUnderCaption(dl, QStringLiteral("Field Separator"), "fieldSeparatorCaption", m_separator);
    dl->addWidget(exampleLine(QStringLiteral("Smith,John  Smith-John  Smith~John"), "fieldSeparatorExample", delimiters));
    m_delimiterLeaving = new LeavingEdit(m_delimiter, this);
    m_separatorLeaving = new LeavingEdit(m_separator, this);
    onLeaving(m_delimiterLeaving, &ImportTextPanel::enterDelimiter);
    onLeaving(m_separatorLeaving, &ImportTextPanel::enterSeparator);
    m_delimitersGroup = delimiters;
    layout->addWidget(delimiters);

    m_split = panelButton(QStringLiteral("Split Text Fields"), "splitTextFieldsButton", column, [this] { act([this] { m_panel.split(); }); });
    layout->addWidget(m_split);
    m_process = new ChoiceGroup(QStringLiteral("Process File..."), "processFileGroup",
                                {{"Automatically", "automaticallyRadio"}, {"Line by Line", "lineByLineRadio"}}, column);
    connect(m_process, &ChoiceGroup::chosen, this, [this](int c) { act([this, c] { m_panel.chooseProcess(ProcessMethod(c)); }); });
    layout->addWidget(m_process);
    auto* run = new QGridLayout;
    m_start = panelButton(QStringLiteral("Start Process"), "startProcessButton", column, [this] { act([this] { m_panel.start(); }); });
    m_accept = panelButton(QStringLiteral("Accept Line"), "acceptLineButton", column, [this] { act([this] { m_panel.accept(); }); });
    m_skip = panelButton(QStringLiteral("Skip Line"), "skipLineButton", column, [this] { act([this] { m_panel.skip(); }); });
    m_stop = panelButton(QStringLiteral("Stop/Return"), "stopReturnButton", column, [this] {
        m_panel.stop();
        m_close();
    });
    m_help = panelButton(QStringLiteral("Help?"), "importHelpButton", column, [this] { act([this] { m_panel.help(); }); });
    run->addWidget(m_start, 0, 0, 1, 2);
    run->addWidget(m_accept, 1, 0);
    run->addWidget(m_skip, 1, 1);
    run->addWidget(m_stop, 2, 0);
    run->addWidget(m_help, 2, 1);
    layout->addLayout(run);
    layout->addStretch(1);
    column->setFixedWidth(260);
    return column;
}

QWidget* ImportTextView::buildFieldsColumn() {
    QWidget* column = nullptr;
    auto* layout = viewPart<QVBoxLayout>(this, "importFieldsColumn", column);
    m_fields = new QTreeWidget(column);
    m_fields->setObjectName(QStringLiteral("importFieldsList"));
    m_fields->setColumnCount(2);
    m_fields->setHeaderLabels({QStringLiteral("Used"), QStringLiteral("Import Field")});
    m_fields->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_fields->setRootIsDecorated(false);
    m_fields->setAccessibleName(QStringLiteral("Used Import Text Fields"));  // a tree takes no name from its caption
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_fields, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        act([this, item] { m_panel.selectField(m_fields->indexOfTopLevelItem(item) + 1); });
    });
    addUnderCaption(layout, QStringLiteral("Used  Import Text Fields..."), "importFieldsCaption", m_fields, 1);
    return column;
}

QWidget* ImportTextView::buildMappingColumn() {
    QWidget* column = nullptr;
    auto* layout = viewPart<QVBoxLayout>(this, "importMappingColumn", column);
    auto* instruction = new QLabel(importInstruction(), column);
    instruction->setObjectName(QStringLiteral("mappingInstructionLabel"));
    instruction->setWordWrap(true);
    layout->addWidget(instruction);
    auto* groups = new QHBoxLayout;
    m_header = new TargetBoxGrid(QStringLiteral("Header Fields"), QStringLiteral("header"), headerNames(), kHeaderRows, column);
    connect(m_header, &TargetBoxGrid::clicked, this, [this](int i) {
        const auto& boxes = m_panel.state().headerBoxes;
        clickTarget(QList<TargetBox>(boxes.begin(), boxes.end()), i);
    });
    groups->addWidget(m_header, 0, Qt::AlignTop);
    auto* pageSide = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    for (int page = 1; page <= 6; ++page) {
        QPushButton* b = panelButton(QStringLiteral("Page %1").arg(page), qPrintable(QStringLiteral("page%1Button").arg(page)), column,
                                     [this, page] { act([this, page] { m_panel.showPage(page); }); });
        m_pageButtons[std::size_t(page - 1)] = b;
        buttons->addWidget(b);
    }
    pageSide->addLayout(buttons);
    QStringList pageNames;
    for (int i = 1; i <= kPageTextBoxes; ++i) pageNames << QStringLiteral("pageField%1").arg(i);
    m_page = new TargetBoxGrid(QString(), QStringLiteral("pageField"), pageNames, kPageRows, column);
    connect(m_page, &TargetBoxGrid::clicked, this, [this](int i) { clickTarget(m_panel.state().pageBoxes, i); });
    pageSide->addWidget(m_page, 1);
    auto* mapping = new QHBoxLayout;
    m_clear = panelButton(QStringLiteral("Clear Mapping"), "clearMappingButton", column, [this] { act([this] { m_panel.clearMapping(); }); });
    m_save = panelButton(QStringLiteral("Save Mapping"), "saveMappingButton", column, [this] { act([this] { m_panel.saveMapping(); }); });
    m_saveMap = panelButton(QStringLiteral("Save Map File..."), "saveMapFileButton", column, [this] {
        act([this] { m_panel.saveMapFile(m_chooseFile(FileRole::SaveMap)); });
    });
    m_openMap = panelButton(QStringLiteral("Open Map File..."), "openMapFileButton", column, [this] {
        act([this] { m_panel.openMapFile(m_chooseFile(FileRole::OpenMap)); });
    });
    mapping->addWidget(m_clear);
    mapping->addWidget(m_save);
    mapping->addStretch(1);
    mapping->addWidget(m_saveMap);
    mapping->addWidget(m_openMap);
    pageSide->addLayout(mapping);
    groups->addLayout(pageSide, 1);
    layout->addLayout(groups, 1);
    column->setFixedWidth(700);
    return column;
}

QWidget* ImportTextView::buildPreviewRow() {
    QWidget* row = nullptr;
    auto* layout = viewPart<QHBoxLayout>(this, "importPreviewRow", row);
    m_preview = new QLineEdit(row);
    m_preview->setObjectName(QStringLiteral("previewEdit"));
    m_preview->setReadOnly(true);
    auto* caption = new QLabel(QStringLiteral("Line"), row);
    caption->setObjectName(QStringLiteral("previewCaption"));
    caption->setBuddy(m_preview);
    m_counter = new QLabel(row);
    m_counter->setObjectName(QStringLiteral("lineCounterLabel"));
    m_counter->setMinimumWidth(m_counter->fontMetrics().horizontalAdvance(QStringLiteral("000000 Of 000000")));
    layout->addWidget(caption);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_counter);
    return row;
}

void ImportTextView::onLeaving(LeavingEdit* edit, void (ImportTextPanel::*enter)(const QString&, ImportTextPanel::Leave)) {
    connect(edit, &LeavingEdit::left, this, [this, enter](const QString& text, bool byEnter) {
        act([&] { (m_panel.*enter)(text, byEnter ? ImportTextPanel::Leave::Enter : ImportTextPanel::Leave::Focus); });
    });
}

bool ImportTextView::open() {
    const bool opened = m_panel.open();
    render();
    return opened;
}

void ImportTextView::act(const std::function<void()>& action) {
    action();
    render();
}

void ImportTextView::clickTarget(const QList<TargetBox>& boxes, int index) {
    if (index >= boxes.size()) return;
    const FieldRef target = boxes[index].target;
    act([this, target] { m_panel.clickBox(target); });
}

QString ImportTextView::chooseFile(FileRole role) {
    const QString folder = m_session.folders.exchangeFolder();
    switch (role) {
    case FileRole::TextFile:
        return QFileDialog::getOpenFileName(this, QStringLiteral("Select Text File"), folder,
                                            QStringLiteral("Text files (*.txt *.csv *.vnd *.tab);;All files (*)"));
    case FileRole::OpenMap:
        return QFileDialog::getOpenFileName(this, QStringLiteral("Open Map File"), folder,
                                            QStringLiteral("Map files (*.map);;All files (*)"));
    case FileRole::SaveMap:
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save Map File"), folder,
                                            QStringLiteral("Map files (*.map);;All files (*)"));
    }
    return QString();
}

void ImportTextView::render() {
    const ImportTextState& s = m_panel.state();
    m_listCode->setText(s.listCode);
    m_listTitle->setText(s.listTitle);
    renderFileColumn(s);
    renderFields(s);
    renderMapping(s);
    m_preview->setText(s.preview);
    m_counter->setText(s.counter);
    applyFocus(s);
    showWork(s.gauge, s.gauge.caption);
}

void ImportTextView::renderFileColumn(const ImportTextState& s) {
    const bool idle = !s.gauge.working;
    m_fileName->setText(s.fileName);
    m_methods->render(int(s.method), idle && s.methodsEnabled);
    m_sizeGroup->setVisible(s.sizeShown);
    m_sizeLeaving->setText(s.sizeText);
    m_delimitersGroup->setVisible(s.delimitersShown);
    m_delimiterLeaving->setText(s.delimiterText);
    m_separatorLeaving->setText(s.separatorText);
    m_split->setEnabled(idle && s.splitEnabled);
    m_process->render(int(s.process), idle && s.processEnabled);
    m_start->setEnabled(idle && s.startEnabled);
    m_accept->setEnabled(idle && s.acceptEnabled);
    m_skip->setEnabled(idle && s.acceptEnabled);
    m_stop->setEnabled(idle);
    m_help->setEnabled(idle);
}

void ImportTextView::renderFields(const ImportTextState& s) {
    if (m_fields->topLevelItemCount() != s.importFields.size()) {
        m_fields->clear();
        for (qsizetype i = 0; i < s.importFields.size(); ++i) new QTreeWidgetItem(m_fields);
    }
    for (qsizetype i = 0; i < s.importFields.size(); ++i) {
        QTreeWidgetItem* item = m_fields->topLevelItem(int(i));
        item->setText(0, s.importFields[i].marked ? QStringLiteral("X") : QString());
        item->setText(1, s.importFields[i].text);
        item->setSelected(s.importFields[i].number == s.selectedField);
    }
}

void ImportTextView::renderMapping(const ImportTextState& s) {
    m_header->render(QList<TargetBox>(s.headerBoxes.begin(), s.headerBoxes.end()));
    m_page->setTitle(s.pageGroupCaption);
    m_page->render(s.pageBoxes);
    for (int page = 1; page <= 6; ++page) {
        QPushButton* b = m_pageButtons[std::size_t(page - 1)];
        b->setVisible(s.pageButtonsShown[std::size_t(page - 1)]);
        QFont font = b->font();
        font.setBold(page == s.shownPage);
        b->setFont(font);
    }
    m_clear->setEnabled(!s.gauge.working && s.clearEnabled);
    m_save->setEnabled(!s.gauge.working && s.saveEnabled);
    m_saveMap->setEnabled(!s.gauge.working && s.mapSaveEnabled);
    m_openMap->setEnabled(!s.gauge.working && s.mapOpenEnabled);
}

void ImportTextView::applyFocus(const ImportTextState& s) {
    if (s.focusRequest == m_focusSeen) return;
    m_focusSeen = s.focusRequest;
    QWidget* target = nullptr;
    switch (s.focus) {
    case ImportFocus::Size: target = m_size; break;
    case ImportFocus::Delimiter: target = m_delimiter; break;
    case ImportFocus::Separator: target = m_separator; break;
    case ImportFocus::Split: target = m_split; break;
    case ImportFocus::None: break;
    }
    if (target && target->isVisible() && target->isEnabled()) moveFocusQuietly(target);
}

}  // namespace vn
