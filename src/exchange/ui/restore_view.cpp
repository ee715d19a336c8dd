#include "exchange/ui/restore_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

RestoreView::RestoreView(PanelContext& context, QWidget* parent)
    : QWidget(parent), m_host([this] { render(); }), m_panel(context.session, context.navigator, context.drives, m_host) {
    setObjectName(QStringLiteral("restoreView"));
    auto* layout = new QVBoxLayout(this);
    m_locations = new DestinationChoices(QStringLiteral("Restore File Location..."), QStringLiteral("location"), this);
    connect(m_locations, &DestinationChoices::chosen, this, [this](int c) { m_panel.chooseLocation(c); render(); });
    layout->addWidget(m_locations);
    auto* buttons = new QHBoxLayout;
    m_open = panelButton(QStringLiteral("Open Restore File"), "openRestoreFileButton", this, [this] { m_panel.openFile(); render(); });
    m_restore = panelButton(QStringLiteral("Restore Data"), "restoreDataButton", this, [this] { m_panel.restore(); render(); });
    m_clearAndRestore = panelButton(QStringLiteral("Clear and Restore Data"), "clearAndRestoreButton", this,
                                    [this] { m_panel.clearAndRestore(); render(); });
    m_exit = panelButton(QStringLiteral("Exit"), "restoreExitButton", this, context.close);
    for (QPushButton* b : {m_open, m_restore, m_clearAndRestore, m_exit}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* informationCaption = new QLabel(QStringLiteral("Restore File Information..."), this);
    informationCaption->setObjectName(QStringLiteral("restoreInformationCaption"));
    m_information = new QLabel(this);
    m_information->setObjectName(QStringLiteral("restoreInformationLabel"));
    m_information->setTextInteractionFlags(Qt::TextSelectableByMouse);
    informationCaption->setBuddy(m_information);
    layout->addWidget(informationCaption);
    layout->addWidget(m_information);
    m_tablesCaption = new QLabel(QStringLiteral("Data Files Found..."), this);
    m_tablesCaption->setObjectName(QStringLiteral("dataFilesFoundCaption"));
    m_tables = new QListWidget(this);
    m_tables->setObjectName(QStringLiteral("dataFilesFoundList"));
    m_tablesCaption->setBuddy(m_tables);
    m_gauge = new GaugeRow(QStringLiteral("restoreProgress"), this);
    connect(m_gauge, &GaugeRow::cancelClicked, this, [this] { m_panel.cancel(); });
    layout->addWidget(m_gauge);
    layout->addWidget(m_tablesCaption);
    layout->addWidget(m_tables, 1);
    layout->addStretch(0);
    render();
}

void RestoreView::showEvent(QShowEvent* event) {
    m_panel.open();
    render();
    QWidget::showEvent(event);
}

void RestoreView::render() {
    const RestorePanelState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    m_locations->render(s.locations, s.location, idle);
    m_open->setEnabled(idle && s.openEnabled);
    m_restore->setEnabled(idle && s.restoreEnabled);
    m_clearAndRestore->setEnabled(idle && s.restoreEnabled);
    m_exit->setEnabled(idle);
    m_information->setText(s.fileInformation);
    m_tablesCaption->setVisible(s.tablesShown);
    m_tables->setVisible(s.tablesShown);
    if (m_tables->count() != s.tablesFound.size()) {
        m_tables->clear();
        m_tables->addItems(s.tablesFound);
    }
    m_gauge->render(s.gauge);
    setWindowMenusEnabled(*this, idle);
}

}  // namespace vn
