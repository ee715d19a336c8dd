#include "setup/ui/data_file_viewer_view.h"

#include "platform/prompter.h"
#include "setup/ui/choice_list.h"
#include "setup/ui/control_names.h"
#include "setup/ui/guarded_step.h"
#include "setup/ui/password_box.h"
#include "setup/utilities/data_file_viewer.h"
#include "setup/utilities/table_viewer_model.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vn {

namespace {

// A caption and the value beside it; the caption is the value's buddy.
QLabel* valueWithCaption(QWidget* parent, QHBoxLayout* layout, const QString& caption, const char* objectName) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("CaptionLabel"));
    auto* value = new QLabel(parent);
    value->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Label"));
    label->setBuddy(value);
    layout->addWidget(label);
    layout->addWidget(value);
    return value;
}

}  // namespace

DataFileViewerView::DataFileViewerView(DataFileViewer& viewer, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_viewer(viewer), m_prompter(prompter) {
    setObjectName(QStringLiteral("dataFileViewerView"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildFiles());
    auto* right = new QVBoxLayout;
    right->addWidget(buildNavigator());
    right->addWidget(buildGrid(), 1);
    right->addWidget(buildSearch());
    layout->addLayout(right, 1);
    connectSteps();
    render();
}

void DataFileViewerView::open() {
    m_viewer.close();
    m_files->setEntries(DataFileViewer::fileNames());
    m_files->clearSelection();
    m_grid->setModel(nullptr);
    m_password->clear();
    render();
}

QPushButton* DataFileViewerView::addButton(QWidget* parent, const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QWidget* DataFileViewerView::buildFiles() {
    auto* box = new QGroupBox(QStringLiteral("Data Files"), this);
    box->setObjectName(QStringLiteral("dataFilesGroup"));
    auto* layout = new QVBoxLayout(box);
    m_files = new ChoiceList(box);
    nameControl(m_files, "dataFileList", box->title());
    layout->addWidget(m_files, 1);
    auto* caption = new QLabel(QStringLiteral("Write Password"), box);
    caption->setObjectName(QStringLiteral("writePasswordCaptionLabel"));
    m_password = new PasswordBox(box);
    nameControl(m_password, "writePasswordEdit", caption->text());
    caption->setBuddy(m_password);
    m_exit = addButton(box, QStringLiteral("Exit"), "viewerExitButton");
    for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(m_password), static_cast<QWidget*>(m_exit)})
        layout->addWidget(w);
    return box;
}

QWidget* DataFileViewerView::buildGrid() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* counts = new QHBoxLayout;
    m_recordCount = valueWithCaption(box, counts, QStringLiteral("Record Count:"), "recordCount");
    m_fieldCount = valueWithCaption(box, counts, QStringLiteral("Field Count:"), "fieldCount");
    counts->addStretch(1);
    layout->addLayout(counts);
    m_grid = new QTableView(box);
    nameControl(m_grid, "tableGrid", QStringLiteral("Table"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_grid, 1);
    return box;
}

QWidget* DataFileViewerView::buildNavigator() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    m_first = addButton(box, QStringLiteral("First"), "firstRecordButton");
    m_prior = addButton(box, QStringLiteral("Prior"), "priorRecordButton");
    m_next = addButton(box, QStringLiteral("Next"), "nextRecordButton");
    m_last = addButton(box, QStringLiteral("Last"), "lastRecordButton");
    m_writing = {addButton(box, QStringLiteral("Delete"), "deleteRecordButton"),
                 addButton(box, QStringLiteral("Edit"), "editRecordButton"),
                 addButton(box, QStringLiteral("Post"), "postRecordButton"),
                 addButton(box, QStringLiteral("Cancel"), "cancelEditButton"),
                 addButton(box, QStringLiteral("Refresh"), "refreshButton")};
    for (QPushButton* b : {m_first, m_prior, m_next, m_last}) layout->addWidget(b);
    for (QPushButton* b : m_writing) layout->addWidget(b);
    layout->addStretch(1);
    return box;
}

QWidget* DataFileViewerView::buildSearch() {
    m_searchGroup = new QGroupBox(QStringLiteral("Key Field Search..."), this);
    m_searchGroup->setObjectName(QStringLiteral("keySearchGroup"));
    auto* layout = new QHBoxLayout(m_searchGroup);
    auto* caption = new QLabel(QStringLiteral("Enter full or partial key"), m_searchGroup);
    caption->setObjectName(QStringLiteral("searchKeyCaptionLabel"));
    m_searchText = new QLineEdit(m_searchGroup);
    nameControl(m_searchText, "searchKeyEdit", caption->text());
    caption->setBuddy(m_searchText);
    m_findFirst = addButton(m_searchGroup, QStringLiteral("Find First"), "findFirstButton");
    layout->addWidget(caption);
    layout->addWidget(m_searchText, 1);
    layout->addWidget(m_findFirst);
    return m_searchGroup;
}

void DataFileViewerView::connectSteps() {
    connect(m_files, &ChoiceList::chosen, this, &DataFileViewerView::choose);
    connect(m_first, &QPushButton::clicked, this, [this] { act([this] { moveTo(m_viewer.model()->startAt({})); }); });
    connect(m_last, &QPushButton::clicked, this, [this] { act([this] { moveTo(m_viewer.model()->startAtLast()); }); });
    connect(m_prior, &QPushButton::clicked, this, [this] { act([this] { step(-1); }); });
    connect(m_next, &QPushButton::clicked, this, [this] { act([this] { step(1); }); });
    connect(m_findFirst, &QPushButton::clicked, this,
            [this] { act([this] { moveTo(m_viewer.findFirst(m_searchText->text())); }); });
    connect(m_writing[0], &QPushButton::clicked, this, [this] {
        const int row = m_grid->currentIndex().row();
        if (row < 0 || m_prompter.confirmation(QStringLiteral("Delete record?")) != Answer::Ok) return;
        act([this, row] { m_viewer.model()->deleteRow(row); });
    });
    connect(m_writing[1], &QPushButton::clicked, this, [this] { m_grid->edit(m_grid->currentIndex()); });
    connect(m_writing[2], &QPushButton::clicked, this, [this] {
        act([this] {
            if (const QString refusal = m_viewer.model()->post(); !refusal.isEmpty()) m_prompter.error(refusal);
        });
    });
    connect(m_writing[3], &QPushButton::clicked, this, [this] { act([this] { m_viewer.model()->cancel(); }); });
    connect(m_writing[4], &QPushButton::clicked, this, [this] { act([this] { m_viewer.model()->refresh(); }); });
    connect(m_password, &PasswordBox::left, this, [this](const QString& text) {
        act([this, text] { m_viewer.leavePassword(text); });
        m_password->clear();
    });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        m_grid->setModel(nullptr);
        m_viewer.close();
        emit closed();
    });
}

template <typename Step>
void DataFileViewerView::act(Step&& step) {
    runGuarded(m_prompter, std::forward<Step>(step));
    render();
}

void DataFileViewerView::choose(int row) {
    act([this, row] {
        m_grid->setModel(nullptr);
        if (!m_viewer.choose(m_files->item(row)->text())) return;
        m_grid->setModel(m_viewer.model());
        connect(m_viewer.model(), &TableViewerModel::refused, this, [this](const QString& m) { m_prompter.error(m); });
        moveTo(0);
    });
}

void DataFileViewerView::moveTo(int row) {
    if (row < 0 || !m_viewer.model() || row >= m_viewer.model()->rowCount()) return;
    m_grid->setCurrentIndex(m_viewer.model()->index(row, qMax(0, m_grid->currentIndex().column())));
}

// One record on; the page above or below is read when the loaded rows end.
void DataFileViewerView::step(int delta) {
    TableViewerModel* model = m_viewer.model();
    if (!model) return;
    int row = m_grid->currentIndex().row() + delta;
    if (row < 0 && model->hasRowsBefore()) {
        const int before = model->rowCount();
        model->fetchBefore();
        row += model->rowCount() - before;
    }
    if (row >= model->rowCount() && model->canFetchMore({})) model->fetchMore({});
    moveTo(qBound(0, row, model->rowCount() - 1));
}

void DataFileViewerView::render() {
    TableViewerModel* model = m_viewer.model();
    const bool shown = model != nullptr;
    m_recordCount->setText(shown ? QString::number(model->recordCount()) : QString());
    m_fieldCount->setText(shown ? QString::number(model->fieldCount()) : QString());
    for (QPushButton* b : {m_first, m_prior, m_next, m_last}) b->setEnabled(shown);
    for (QPushButton* b : m_writing) b->setVisible(shown && m_viewer.unlocked());
    m_searchGroup->setVisible(shown);
    m_grid->setEditTriggers(m_viewer.unlocked() ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                                      QAbstractItemView::AnyKeyPressed
                                                : QAbstractItemView::NoEditTriggers);
}

}  // namespace vn
