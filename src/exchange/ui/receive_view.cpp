#include "exchange/ui/receive_view.h"

#include "exchange/ui/multi_choice_list.h"
#include "exchange/ui/password_dialog.h"
#include "shell/core/session.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

// What tells the two panels apart on screen.
struct ReceiveTexts {
    const char* name;  // the prefix of every child's object name
    const char* title;
    const char* processing;  // the caption of the file in progress, if any
    const char* files;       // %1: the exchange folder
    const char* exit;
};

const ReceiveTexts& textsFor(TransferKind kind) {
    static const ReceiveTexts forms{"receiveForm", "Receive Form(s)...", nullptr, "Received Form Files...  (%1)", "Exit"};
    static const ReceiveTexts data{"receiveData", "Receive Data...", "Processing file...", "Select file(s) to process...", "Return"};
    return kind == TransferKind::Forms ? forms : data;
}

QString named(const ReceiveTexts& texts, const char* suffix) { return QString::fromLatin1(texts.name) + QString::fromLatin1(suffix); }

}  // namespace

ReceiveView::ReceiveView(PanelContext& context, TransferKind kind, QWidget* parent)
    : PanelView(parent), m_session(context.session),
      m_panel(context.session, kind, *this, [this](const QString&) { return askPassword(); }) {
    const ReceiveTexts& texts = textsFor(kind);
    QVBoxLayout* layout = titledPanel(this, QString::fromLatin1(texts.name), QString::fromLatin1(texts.title));
    QWidget* group = layout->parentWidget();

    m_processing = valueLabel(named(texts, "FirstLineLabel"), group);
    if (texts.processing)
        addUnderCaption(layout, QString::fromLatin1(texts.processing), named(texts, "FirstLineCaption").toLatin1().constData(),
                        m_processing);
    else
        layout->addWidget(m_processing);
    auto* countRow = new QHBoxLayout;
    m_count = new QLabel(group);
    m_count->setObjectName(named(texts, "CountLabel"));
    auto* countCaption = new QLabel(QStringLiteral("Count:"), group);
    countCaption->setObjectName(named(texts, "CountCaption"));
    countCaption->setBuddy(m_count);
    countRow->addWidget(countCaption);
    countRow->addWidget(m_count);
    countRow->addStretch(1);
    layout->addLayout(countRow);

    m_files = new MultiChoiceList(QString(), named(texts, "Files"), group);
    layout->addWidget(m_files, 1);
    connect(m_files, &MultiChoiceList::chosen, this, [this](const QList<int>& rows) { m_panel.choose(rows); render(); });
    connect(m_files, &MultiChoiceList::noneClicked, this, [this] { m_panel.none(); render(); });
    connect(m_files, &MultiChoiceList::allClicked, this, [this] { m_panel.all(); render(); });

    auto* remove = new QGroupBox(QStringLiteral("Remove file(s) after processing ?"), group);
    remove->setObjectName(named(texts, "RemoveGroup"));
    auto* removeRow = new QHBoxLayout(remove);
    m_yes = new QRadioButton(QStringLiteral("Yes"), remove);
    m_yes->setObjectName(named(texts, "RemoveYesRadio"));
    m_no = new QRadioButton(QStringLiteral("No"), remove);
    m_no->setObjectName(named(texts, "RemoveNoRadio"));
    connect(m_yes, &QRadioButton::clicked, this, [this] { m_panel.setRemoveAfter(true); render(); });
    connect(m_no, &QRadioButton::clicked, this, [this] { m_panel.setRemoveAfter(false); render(); });
    removeRow->addWidget(m_yes);
    removeRow->addWidget(m_no);
    removeRow->addStretch(1);
    layout->addWidget(remove);

    if (kind == TransferKind::Data) {
        m_gauge = new GaugeRow(named(texts, "String"), group);
        layout->addWidget(m_gauge);
    }
    auto* buttons = new QHBoxLayout;
    m_process = panelButton(QStringLiteral("Process"), named(texts, "ProcessButton").toLatin1().constData(), group, [this] {
        m_panel.process();
        render();
    });
    m_exit = panelButton(QString::fromLatin1(texts.exit), named(texts, "ExitButton").toLatin1().constData(), group, context.close);
    buttons->addWidget(m_process);
    buttons->addWidget(m_exit);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    render();
}

bool ReceiveView::askPassword() {
    PasswordDialog dialog(QDate::currentDate(), m_session.prompter, this);
    return dialog.ask();
}

void ReceiveView::render() {
    const ReceivePanelState& s = m_panel.state();
    const bool idle = !s.gauge.working;
    const ReceiveTexts& texts = textsFor(m_panel.kind());
    const QString files = QString::fromLatin1(texts.files);
    m_files->setCaption(files.contains(QLatin1String("%1")) ? files.arg(s.folder) : files);
    m_files->render(s.files, idle);
    m_count->setText(QString::number(s.count));
    m_processing->setText(s.gauge.caption);
    for (QRadioButton* radio : {m_yes, m_no}) {
        radio->setAutoExclusive(false);
        radio->setChecked(s.removeAfter && *s.removeAfter == (radio == m_yes));
        radio->setAutoExclusive(true);
        radio->setEnabled(idle);
    }
    m_process->setEnabled(idle && s.processEnabled);
    m_exit->setEnabled(idle);
    if (m_gauge) m_gauge->render(s.gauge, QStringLiteral("Received Data String:"));
    showWork(s.gauge, s.gauge.caption);
}

}  // namespace vn
