#include "exchange/ui/backup_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kTableRows = 9;

}  // namespace

BackupView::BackupView(PanelContext& context, QWidget* parent)
    : PanelView(parent), m_panel(context.session, context.drives, *this) {
    setObjectName(QStringLiteral("backupView"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildTables());
    layout->addWidget(buildRight(context), 1);
    render();
}

QWidget* BackupView::buildTables() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("backupTablesGroup"));
    auto* grid = new QGridLayout(group);
    for (const BackupTable& table : backupTables()) {
        auto* box = new QCheckBox(QString::fromLatin1(table.checkBox), group);
        box->setObjectName(QStringLiteral("backupTable%1Check").arg(table.number));
        grid->addWidget(box, (table.number - 1) % kTableRows, (table.number - 1) / kTableRows);
        connect(box, &QCheckBox::clicked, this, [this, n = table.number](bool on) { m_panel.setTable(n, on); render(); });
        m_tables.push_back(box);
    }
    auto* buttons = new QHBoxLayout;
    m_buttons = {panelButton(QStringLiteral("Select All"), "selectAllButton", group, [this] { m_panel.selectAll(); render(); }),
                 panelButton(QStringLiteral("Clear"), "clearButton", group, [this] { m_panel.clear(); render(); })};
    for (QPushButton* b : m_buttons) buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, kTableRows, 0, 1, 3);
    return group;
}

QWidget* BackupView::buildRight(PanelContext& context) {
    auto* right = new QWidget(this);
    auto* layout = new QVBoxLayout(right);
    m_destinations = new DestinationChoices(QStringLiteral("Backup File Destination..."), QStringLiteral("destination"), right);
    connect(m_destinations, &DestinationChoices::chosen, this, [this](int c) { m_panel.chooseDestination(c); render(); });
    layout->addWidget(m_destinations);
    auto* note = new QLabel(QStringLiteral("Note: Drive A: will only be enabled for county level backups."), right);
    note->setObjectName(QStringLiteral("floppyNote"));
    layout->addWidget(note);
    m_lastBackup = new QLabel(right);
    m_lastBackup->setObjectName(QStringLiteral("lastBackupLabel"));
    addUnderCaption(layout, QStringLiteral("Last Backup..."), "lastBackupCaption", m_lastBackup);
    m_gauge = new GaugeRow(QStringLiteral("backupProgress"), right);
    layout->addWidget(m_gauge);
    auto* buttons = new QHBoxLayout;
    m_backup = panelButton(QStringLiteral("Backup"), "backupButton", right, [this] { m_panel.backup(); render(); });
    m_buttons.push_back(m_backup);
    m_buttons.push_back(panelButton(QStringLiteral("Exit"), "backupExitButton", right, context.close));
    buttons->addWidget(m_backup);
    buttons->addWidget(m_buttons.back());
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_files = new QListWidget(right);
    m_files->setObjectName(QStringLiteral("fileList"));
    m_fileHeading = addUnderCaption(layout, QStringLiteral("File...                           Bytes..."), "fileListHeading", m_files, 1);
    auto* fileButtons = new QHBoxLayout;
    m_deleteFiles = panelButton(QStringLiteral("Delete files and continue"), "deleteFilesButton", right,
                                [this] { m_panel.deleteFilesAndContinue(); render(); });
    m_exchange = panelButton(QStringLiteral("Exchange  Diskette"), "exchangeDisketteButton", right,
                             [this] { m_panel.exchangeDiskette(); render(); });
    fileButtons->addWidget(m_deleteFiles);
    fileButtons->addWidget(m_exchange);
    fileButtons->addStretch(1);
    layout->addLayout(fileButtons);
    layout->addStretch(1);
    return right;
}

void BackupView::render() {
    const BackupPanelState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    for (std::size_t i = 0; i < m_tables.size(); ++i) {
        m_tables[i]->setChecked(s.checked[i]);
        m_tables[i]->setEnabled(idle);
    }
    for (QPushButton* b : m_buttons) b->setEnabled(idle);
    m_backup->setEnabled(idle && s.backupEnabled);
    m_destinations->render(s.destinations, s.destination, idle);
    m_lastBackup->setText(s.lastBackup);
    m_gauge->render(s.gauge, QStringLiteral("Backup Progress..."));
    showWork(s.gauge, QStringLiteral("Backup Progress..."));
    for (QWidget* w : std::initializer_list<QWidget*>{m_fileHeading, m_files, m_deleteFiles, m_exchange}) w->setVisible(s.fileListShown);
    if (m_files->count() != s.fileEntries.size() || (m_files->count() && m_files->item(0)->text() != s.fileEntries.value(0))) {
        m_files->clear();
        m_files->addItems(s.fileEntries);
    }
    m_deleteFiles->setEnabled(idle);
    m_exchange->setEnabled(idle);
}

}  // namespace vn
