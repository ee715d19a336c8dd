#include "exchange/ui/send_view.h"

#include "exchange/ui/multi_choice_list.h"
#include "mail/ui/file_mail_button.h"
#include "shell/core/session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

using Picker = SendPanel::Picker;

// What tells the two panels apart on screen.
struct SendTexts {
    const char* name;  // the prefix of every child's object name
    const char* title;
    const char* lists;
    const char* build;
    const char* exit;
};

const SendTexts& textsFor(TransferKind kind) {
    static const SendTexts forms{"sendForm", "Send Form(s)...", "Select Data Form(s)...", "Build Form Send File", "Exit"};
    static const SendTexts data{"sendData", "Send Data...", "Select List(s) for Transmission...", "Build Now", "Return"};
    return kind == TransferKind::Forms ? forms : data;
}

QString named(const SendTexts& texts, const char* suffix) { return QString::fromLatin1(texts.name) + QString::fromLatin1(suffix); }

const QString kTransferDateHint = QStringLiteral("This is the date that the last data transmission file was built.");

}  // namespace

SendView::SendView(PanelContext& context, TransferKind kind, QWidget* parent)
    : PanelView(parent), m_panel(context.session, kind, *this) {
    const SendTexts& texts = textsFor(kind);
    Session& session = context.session;
    QVBoxLayout* layout = titledPanel(this, QString::fromLatin1(texts.name), QString::fromLatin1(texts.title));
    QWidget* group = layout->parentWidget();
    if (kind == TransferKind::Data) {
        m_transferDate = valueLabel(named(texts, "TransferDateLabel"), group);
        m_transferDate->setToolTip(kTransferDateHint);
        addUnderCaption(layout, QStringLiteral("Date of last data transmission build..."),
                        named(texts, "TransferDateCaption").toLatin1().constData(), m_transferDate)
            ->setToolTip(kTransferDateHint);
    }
    m_lists = new MultiChoiceList(QString::fromLatin1(texts.lists), named(texts, "Lists"), group);
    layout->addWidget(m_lists, 1);
    connect(m_lists, &MultiChoiceList::chosen, this, [this](const QList<int>& rows) { m_panel.choose(Picker::Lists, rows); render(); });
    connect(m_lists, &MultiChoiceList::noneClicked, this, [this] { m_panel.none(Picker::Lists); render(); });
    connect(m_lists, &MultiChoiceList::allClicked, this, [this] { m_panel.all(Picker::Lists); render(); });
    if (kind == TransferKind::Forms) {
        m_description = valueLabel(named(texts, "DescriptionLabel"), group, 2);
        addUnderCaption(layout, QStringLiteral("Description..."), named(texts, "DescriptionCaption").toLatin1().constData(),
                        m_description);
        connect(m_lists, &MultiChoiceList::pointed, this, [this](int row) { m_panel.describe(row); render(); });
    }
    m_destinations = new MultiChoiceList(QStringLiteral("Select Destination(s)..."), named(texts, "Destinations"), group);
    layout->addWidget(m_destinations, 1);
    connect(m_destinations, &MultiChoiceList::chosen, this,
            [this](const QList<int>& rows) { m_panel.choose(Picker::Destinations, rows); render(); });
    connect(m_destinations, &MultiChoiceList::noneClicked, this, [this] { m_panel.none(Picker::Destinations); render(); });
    connect(m_destinations, &MultiChoiceList::allClicked, this, [this] { m_panel.all(Picker::Destinations); render(); });

    auto* buttons = new QHBoxLayout;
    m_build = panelButton(QString::fromLatin1(texts.build), named(texts, "BuildButton").toLatin1().constData(), group, [this] { build(); });
    m_mail = new FileMailButton(session.settings.mail, session.identity.installationName, session.prompter,
                                session.beforeShutdown, named(texts, "EmailButton"), group);
    m_exit = panelButton(QString::fromLatin1(texts.exit), named(texts, "ExitButton").toLatin1().constData(), group, context.close);
    for (QPushButton* b : {m_build, static_cast<QPushButton*>(m_mail), m_exit}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    render();
}

void SendView::reopen() {
    m_panel.open();
    m_mail->reset();
}

void SendView::build() {
    m_panel.build();
    const SendPanelState& s = m_panel.state();
    if (!s.builtPath.isEmpty()) m_mail->fileBuilt(s.builtPath, s.builtHeader);
    render();
}

void SendView::render() {
    const SendPanelState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    m_lists->render(s.lists, idle);
    m_destinations->render(s.destinations, idle);
    if (m_description) m_description->setText(s.description);
    if (m_transferDate) m_transferDate->setText(s.transferDate);
    m_build->setEnabled(idle && s.buildEnabled);
    m_exit->setEnabled(idle);
    showWork(s.gauge, QStringLiteral("Building the file..."));
}

}  // namespace vn
