#include "exchange/ui/web_data_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

const QString kCaption = QStringLiteral("Processing Web Data Download file...");

}  // namespace

WebDataView::WebDataView(PanelContext& context, QWidget* parent)
    : PanelView(parent), m_panel(context.session, context.navigator, *this) {
    QVBoxLayout* layout = titledPanel(this, QStringLiteral("webData"), kCaption);
    QWidget* group = layout->parentWidget();
    m_gauge = new GaugeRow(QStringLiteral("webDataGauge"), group);
    layout->addWidget(m_gauge);
    m_summary = valueLabel(QStringLiteral("webDataSummaryLabel"), group, 2);
    layout->addWidget(m_summary);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    m_exit = panelButton(QStringLiteral("Exit / Return"), "webDataExitButton", group, context.close);
    m_view = panelButton(QStringLiteral("View Downloaded Web Data"), "viewWebDataButton", group, [this] { m_panel.viewRecords(); });
    buttons->addWidget(m_exit);
    buttons->addWidget(m_view);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    render();
}

void WebDataView::process() {
    m_panel.process();
    render();
}

void WebDataView::render() {
    const WebDataPanelState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    m_gauge->render(s.gauge, QStringLiteral("Progress..."));
    m_summary->setText(s.summary);
    m_exit->setEnabled(idle);
    m_view->setEnabled(idle);
    showWork(s.gauge, kCaption);
}

}  // namespace vn
