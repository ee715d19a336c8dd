#include "exchange/ui/restore_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

RestoreView::RestoreView(PanelContext& context, QWidget* parent)
    : PanelView(parent), m_panel(context.session, context.navigator, context.drives, *this) {
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
    m_information = new QLabel(this);
    m_information->setObjectName(QStringLiteral("restoreInformationLabel"));
    m_information->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addUnderCaption(layout, QStringLiteral("Restore File Information..."), "restoreInformationCaption", m_information);
    m_gauge = new GaugeRow(QStringLiteral("restoreProgress"), this);
    layout->addWidget(m_gauge);
    m_tables = new QListWidget(this);
    m_tables->setObjectName(QStringLiteral("dataFilesFoundList"));
    m_tablesCaption = addUnderCaption(layout, QStringLiteral("Data Files Found..."), "dataFilesFoundCaption", m_tables, 1);
    layout->addStretch(0);
    render();
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
    showWork(s.gauge, s.gauge.caption);
}

}  // namespace vn
