#include "requests/ui/builder_view.h"

#include "requests/builder/builder_texts.h"
#include "requests/builder/request_menu.h"
#include "requests/ui/builder_driver.h"
#include "requests/ui/connector_panel.h"
#include "requests/ui/field_list_widget.h"
#include "requests/ui/queue_name_box.h"
#include "requests/ui/target_panel.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kTargetColumnWidth = 300;
constexpr int kConnectorColumnWidth = 320;
constexpr int kHintHeight = 96;
constexpr int kSideColumnWidth = 420;

}  // namespace

BuilderView::BuilderView(BuilderDriver& drive, QWidget* parent) : QWidget(parent), m_drive(drive) {
    setObjectName(QStringLiteral("builderView"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTop());
    auto* middle = new QHBoxLayout;
    m_left = new QStackedWidget(this);
    m_left->setObjectName(QStringLiteral("fieldsOrResults"));
    auto* blank = new QWidget(m_left);
    blank->setObjectName(QStringLiteral("noFields"));
    m_left->addWidget(blank);
    m_fields = new FieldListWidget({}, m_left);
    m_left->addWidget(m_fields);
    connect(m_fields, &FieldListWidget::pageClicked, this, [&drive](int page) { drive([page](RequestBuilder& b) { b.showPage(page); }); });
    connect(m_fields, &FieldListWidget::fieldClicked, this,
            [&drive](const FieldRef& field) { drive([field](RequestBuilder& b) { b.clickField(field); }); });
    m_left->addWidget(buildResults());
    middle->addWidget(m_left, 1);
    m_targets = new TargetPanel(drive, this);
    m_targets->setFixedWidth(kTargetColumnWidth);
    middle->addWidget(m_targets);
    m_connectors = new ConnectorPanel(drive, this);
    m_connectors->setFixedWidth(kConnectorColumnWidth);
    middle->addWidget(m_connectors);
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottom());
    connect(m_connectors, &ConnectorPanel::processClicked, this, &BuilderView::processClicked);
}

QWidget* BuilderView::buildTop() {
    auto* top = new QWidget(this);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    auto* requestCaption = new QLabel(QStringLiteral("SQL Request..."), top);
    m_request = new QLabel(top);
    m_request->setObjectName(QStringLiteral("requestText"));
    m_request->setTextFormat(Qt::PlainText);
    m_request->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_request->setMinimumHeight(m_request->fontMetrics().lineSpacing() * 3);
    requestCaption->setBuddy(m_request);
    row->addWidget(requestCaption, 0, Qt::AlignTop);
    row->addWidget(m_request, 1);
    auto* matchesCaption = new QLabel(QStringLiteral("Matches..."), top);
    matchesCaption->setToolTip(builder_text::kMatchesTip);
    m_matches = new QLabel(top);
    m_matches->setObjectName(QStringLiteral("matchesLabel"));
    m_matches->setToolTip(builder_text::kMatchesTip);
    m_matches->setFrameShape(QFrame::Panel);
    m_matches->setFrameShadow(QFrame::Sunken);
    m_matches->setMinimumWidth(80);
    m_matches->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    matchesCaption->setBuddy(m_matches);
    row->addWidget(matchesCaption, 0, Qt::AlignTop);
    row->addWidget(m_matches, 0, Qt::AlignTop);
    return top;
}

// The records a List request found, by last and first name; a click opens one.
QWidget* BuilderView::buildResults() {
    m_results = new QWidget(m_left);
    m_results->setObjectName(QStringLiteral("listResultView"));
    auto* layout = new QVBoxLayout(m_results);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Records Found..."), m_results);
    m_resultList = new QListWidget(m_results);
    m_resultList->setObjectName(QStringLiteral("resultList"));
    m_resultList->setAccessibleName(QStringLiteral("Records Found"));  // lists do not read their buddy
    m_resultList->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont fixed = m_resultList->font();
    fixed.setFamily(QStringLiteral("DejaVu Sans Mono"));
    m_resultList->setFont(fixed);
    caption->setBuddy(m_resultList);
    layout->addWidget(caption);
    layout->addWidget(m_resultList, 1);
    const auto choose = [this](QListWidgetItem* item) { emit matchChosen(m_resultList->row(item)); };
    connect(m_resultList, &QListWidget::itemClicked, this, choose);
    connect(m_resultList, &QListWidget::itemActivated, this, choose);
    return m_results;
}

QWidget* BuilderView::buildBottom() {
    auto* bottom = new QWidget(this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    m_hint = new QPlainTextEdit(bottom);
    m_hint->setObjectName(QStringLiteral("hintBox"));
    m_hint->setAccessibleName(QStringLiteral("Hint"));
    m_hint->setReadOnly(true);
    m_hint->setFixedHeight(kHintHeight);
    row->addWidget(m_hint, 1);
    auto* sideColumn = new QWidget(bottom);
    sideColumn->setFixedWidth(kSideColumnWidth);
    auto* side = new QVBoxLayout(sideColumn);
    side->setContentsMargins(0, 0, 0, 0);
    m_printList = new QPushButton(QStringLiteral("Print List"), bottom);
    m_printList->setObjectName(QStringLiteral("printListButton"));
    connect(m_printList, &QPushButton::clicked, this, &BuilderView::printListClicked);
    side->addWidget(m_printList, 0, Qt::AlignRight);
    m_continue = new QPushButton(QStringLiteral("Continue"), bottom);
    m_continue->setObjectName(QStringLiteral("replayContinueButton"));
    connect(m_continue, &QPushButton::clicked, this, &BuilderView::continueClicked);
    side->addWidget(m_continue, 0, Qt::AlignRight);
    m_queue = new QueueNameBox(QString(), QueueNameBox::Leaving::OffersAddNow, bottom);
    side->addWidget(m_queue);
    side->addStretch(1);
    row->addWidget(sideColumn, 0, Qt::AlignRight);
    m_progress = new QProgressBar(bottom);
    m_progress->setObjectName(QStringLiteral("evaluationProgress"));
    m_progress->setAccessibleName(QStringLiteral("Progress"));
    m_progress->hide();
    auto* column = new QVBoxLayout;
    column->addWidget(bottom);
    auto* outer = new QWidget(this);
    outer->setLayout(column);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_progress);
    return outer;
}

void BuilderView::render(const BuilderState& state) {
    m_request->setText(state.requestLines.join(QLatin1Char('\n')));
    m_matches->setText(state.matches);
    FieldListLook look{state.pageButtons, state.shownPage, state.pagesEnabled, state.fields, state.fieldListEnabled, {}};
    if (state.tickedField) look.ticked.append({*state.tickedField, 0});
    m_fields->render(look);
    m_targets->render(state);
    m_connectors->render(state);
    renderResults(state);
    m_hint->setVisible(!state.hint.isEmpty());
    if (m_hint->toPlainText() != state.hint) m_hint->setPlainText(state.hint);
    m_printList->setVisible(state.printListShown);
    m_queue->setOffered(state.addToQueueShown);
    m_continue->setVisible(state.replaying);
}

void BuilderView::renderResults(const BuilderState& state) {
    if (state.continuation == Continuation::List) m_left->setCurrentWidget(m_results);
    else if (state.fieldListShown) m_left->setCurrentWidget(m_fields);
    else m_left->setCurrentIndex(0);
    QStringList keys;
    for (const MatchListEntry& entry : state.listEntries) keys << entry.key;
    if (keys == m_drawnKeys && m_resultList->count() == keys.size()) return;
    m_drawnKeys = keys;
    m_resultList->clear();
    for (const MatchListEntry& entry : state.listEntries) {
        auto* item = new QListWidgetItem(entry.text, m_resultList);
        item->setData(Qt::UserRole, entry.key);  // the whole key, whatever the text shows
    }
}

void BuilderView::showProgress(qint64 done, qint64 total) {
    m_progress->setRange(0, int(std::min<qint64>(total, INT_MAX)));
    m_progress->setValue(int(std::min<qint64>(done, INT_MAX)));
    m_progress->show();
}

void BuilderView::finishProgress() { m_progress->hide(); }

void BuilderView::setPrintListAvailable(bool available) {
    m_printList->setEnabled(available);
    m_printList->setToolTip(available ? QString() : kNotYetAvailable);
}

}  // namespace vn
