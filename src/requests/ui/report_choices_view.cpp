#include "requests/ui/report_choices_view.h"

#include "requests/ui/field_list_widget.h"

#include "platform/ui/named_button.h"
#include "requests/ui/queue_name_box.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

ReportChoicesView::ReportChoicesView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("reportChoicesView"));
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("reportViewTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    layout->addWidget(m_title);
    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("reportFieldsGroup"));
    auto* inGroup = new QVBoxLayout(m_group);
    m_fields = new FieldListWidget(QStringLiteral("report"), m_group);
    inGroup->addWidget(m_fields);
    layout->addWidget(m_group, 1);
    auto* matches = new QLabel(QStringLiteral("Matches..."), this);
    matches->setObjectName(QStringLiteral("reportMatchesCaption"));
    m_matches = new QLabel(this);
    m_matches->setObjectName(QStringLiteral("reportMatchesLabel"));
    matches->setBuddy(m_matches);
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(matches);
    matchRow->addWidget(m_matches, 1);
    layout->addLayout(matchRow);
    m_hint = new QPlainTextEdit(this);
    m_hint->setObjectName(QStringLiteral("reportHint"));
    m_hint->setReadOnly(true);
    m_hint->setMaximumHeight(m_hint->fontMetrics().lineSpacing() * 3);
    layout->addWidget(m_hint);
    layout->addWidget(buildButtons());
    layout->addWidget(buildOutput());
    m_queue = new QueueNameBox(QStringLiteral("report"), QueueNameBox::Leaving::Ignored, this);
    layout->addWidget(m_queue);
    connect(m_fields, &FieldListWidget::pageClicked, this, &ReportChoicesView::pageClicked);
    connect(m_fields, &FieldListWidget::fieldClicked, this, &ReportChoicesView::fieldClicked);
}

QWidget* ReportChoicesView::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_clear = namedButton(QString(), "clearReportFieldsButton", row);
    m_continue = namedButton(QStringLiteral("Continue (select sort order)"), "continueSortButton", row);
    m_process = namedButton(QStringLiteral("Process My Request!"), "processReportButton", row);
    m_process->setToolTip(QStringLiteral("If you wish to process the report a second time to a different output "
                                         "location, click this button a second time and re-select output location."));
    m_summing = namedButton(QStringLiteral("Summing Operations"), "summingButton", row);
    m_selectPrinter = namedButton(QStringLiteral("Select Printer"), "selectPrinterButton", row);
    m_wordProcessor = namedButton(QStringLiteral("Open Word Processor"), "openWordProcessorButton", row);
    for (QPushButton* b : {m_clear, m_continue, m_process, m_summing, m_selectPrinter, m_wordProcessor}) layout->addWidget(b);
    layout->addStretch(1);
    connect(m_clear, &QPushButton::clicked, this, &ReportChoicesView::clearClicked);
    connect(m_continue, &QPushButton::clicked, this, &ReportChoicesView::continueClicked);
    connect(m_process, &QPushButton::clicked, this, &ReportChoicesView::processClicked);
    connect(m_selectPrinter, &QPushButton::clicked, this, &ReportChoicesView::selectPrinterClicked);
    connect(m_summing, &QPushButton::clicked, this, &ReportChoicesView::summingClicked);
    connect(m_wordProcessor, &QPushButton::clicked, this, &ReportChoicesView::openWordProcessorClicked);
    return row;
}

QGroupBox* ReportChoicesView::buildOutput() {
    m_output = new QGroupBox(QStringLiteral("Output to..."), this);
    m_output->setObjectName(QStringLiteral("outputGroup"));
    auto* layout = new QHBoxLayout(m_output);
    const std::pair<const char*, void (ReportChoicesView::*)()> outputs[] = {
        {"Screen", &ReportChoicesView::screenClicked},
        {"Printer", &ReportChoicesView::printerClicked},
        {"File", &ReportChoicesView::fileClicked},
        {"Re-Select", &ReportChoicesView::reSelectClicked},
    };
    for (const auto& [caption, signal] : outputs) {
        const QString name = QString::fromLatin1(caption).remove(QLatin1Char('-')).toLower() + QStringLiteral("OutputButton");
        auto* b = namedButton(QString::fromLatin1(caption), qPrintable(name), m_output);
        connect(b, &QPushButton::clicked, this, signal);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return m_output;
}

void ReportChoicesView::render(const ReportChoicesState& state, const QString& matches) {
    const bool print = state.stage == ReportStage::PrintFields;
    m_title->setText(print ? QStringLiteral("Select Fields to Print...") : QStringLiteral("Select Sort Order..."));
    m_group->setTitle(print ? QStringLiteral("Select print fields in print order...") : QString());
    m_fields->render({state.pageButtons, state.shownPage, true, state.fields, true, state.orderNumbers});
    m_matches->setText(matches);
    if (m_hint->toPlainText() != state.hint) m_hint->setPlainText(state.hint);
    m_clear->setText(print ? QStringLiteral("Clear field selection") : QStringLiteral("Clear sort order selection"));
    m_continue->setVisible(print);
    m_continue->setEnabled(state.continueEnabled);
    m_process->setVisible(!print);
    m_process->setEnabled(state.processEnabled);
    m_selectPrinter->setVisible(!print && !state.mailMerge);
    m_summing->setVisible(!print && !state.mailMerge);
    m_summing->setEnabled(state.summingEnabled);
    m_wordProcessor->setVisible(!print && state.mailMerge);
    m_wordProcessor->setEnabled(state.wordProcessorEnabled);
    m_output->setVisible(state.outputShown);
    m_queue->setOffered(state.addToQueueShown);
}

}  // namespace vn
