#include "requests/ui/transmission_view.h"

#include "exchange/transfer/transfer_offices.h"
#include "exchange/transfer/transfer_send.h"
#include "mail/ui/file_mail_button.h"
#include "platform/prompter.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/named_button.h"
#include "shell/core/own_office.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace vn {

TransmissionView::TransmissionView(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("transmissionView"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Record Transmission..."), this);
    heading->setObjectName(QStringLiteral("transmissionHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("transmissionCountLabel"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("Qualifing Records..."), this));
    countRow->addWidget(m_count);
    countRow->addStretch(1);
    layout->addLayout(countRow);
    auto* group = new QGroupBox(QStringLiteral("Select Destination(s)..."), this);
    group->setObjectName(QStringLiteral("transmissionDestinationsGroup"));
    auto* column = new QVBoxLayout(group);
    m_destinations = new QListWidget(group);
    m_destinations->setObjectName(QStringLiteral("transmissionDestinationList"));
    m_destinations->setAccessibleName(QStringLiteral("Select Destination(s)"));
    m_destinations->setSelectionMode(QAbstractItemView::MultiSelection);
    column->addWidget(m_destinations, 1);
    auto* picks = new QHBoxLayout;
    auto* none = namedButton(QStringLiteral("None"), "noDestinationsButton", group);
    auto* all = namedButton(QStringLiteral("All"), "allDestinationsButton", group);
    picks->addWidget(none);
    picks->addWidget(all);
    picks->addStretch(1);
    column->addLayout(picks);
    layout->addWidget(group, 1);
    auto* actions = new QHBoxLayout;
    m_build = namedButton(QStringLiteral("Build Data Transmission/Upload File"), "buildTransmissionButton", this);
    m_mail = new FileMailButton(session.settings.mail, session.identity.installationName, session.prompter,
                                session.beforeShutdown, QStringLiteral("transmissionEmailButton"), this);
    actions->addWidget(m_build);
    actions->addWidget(m_mail);
    actions->addStretch(1);
    layout->addLayout(actions);
    connect(none, &QPushButton::clicked, m_destinations, &QListWidget::clearSelection);
    connect(all, &QPushButton::clicked, m_destinations, &QListWidget::selectAll);
    connect(m_destinations, &QListWidget::itemSelectionChanged, this,
            [this] { m_build->setEnabled(!m_destinations->selectedItems().isEmpty()); });
    connect(m_build, &QPushButton::clicked, this, [this] { build(); });
}

void TransmissionView::open(const MatchList& matches) {
    m_matches = matches;
    m_count->setText(QString::number(matches.size()));
    const Settings& settings = m_session.settings;
    const InstallationIdentity& id = m_session.identity;
    QStringList entries;
    try {
        entries = transferDestinations(m_session.access, settings.dataFlow, id.stateCode, id.stateName);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_destinations->clear();
    m_destinations->addItems(entries);
    m_build->setEnabled(false);
    m_mail->reset();
}

// In list order.
QStringList TransmissionView::chosenCodes() const {
    QStringList codes;
    for (int row = 0; row < m_destinations->count(); ++row)
        if (m_destinations->item(row)->isSelected()) codes << destinationCode(m_destinations->item(row)->text());
    return codes;
}

void TransmissionView::build() {
    if (m_matches.isEmpty()) return;
    TransferRequest request;
    request.kind = TransferKind::Data;
    request.ownCode = ownOfficeCode(m_session.identity);
    request.destinations = chosenCodes();
    request.listCodes = {m_session.currentListCode};
    request.keys = m_matches;
    TransferBuild built;
    try {
        BusyCursor busy;
        built = SendTransferFile(m_session.access, m_session.prompter, m_session.folders.exchangeFolder(), request);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    if (built.end == WorkEnd::Done) m_mail->fileBuilt(built.path, QString::fromUtf8(built.header));
}

}  // namespace vn
