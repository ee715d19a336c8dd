#include "exchange/ui/form_download_view.h"

#include "exchange/ui/panel_parts.h"
#include "platform/ui/busy_cursor.h"
#include "shell/core/session.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

QLineEdit* box(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

QPlainTextEdit* memo(const char* name, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFixedHeight(70);
    return edit;
}

}  // namespace

FormDownloadView::FormDownloadView(PanelContext& context, QWidget* parent) : QWidget(parent), m_panel(context.session) {
    setObjectName(QStringLiteral("formDownloadView"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Process Downloaded Form Files..."), this);
    heading->setObjectName(QStringLiteral("formDownloadHeading"));
    layout->addWidget(heading);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("formsFoundLabel"));
    layout->addWidget(m_count);
    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("formFilesList"));
    m_files->setAccessibleName(QStringLiteral("Forms Found"));
    layout->addWidget(m_files, 1);
    auto* buttons = new QHBoxLayout;
    m_process = panelButton(QStringLiteral("Process Selected File"), "processFormFileButton", this, [this] {
        {
            BusyCursor busy;
            m_panel.process();
        }
        render();
    });
    auto* exit = panelButton(QStringLiteral("Exit"), "formDownloadExitButton", this, context.close);
    buttons->addWidget(m_process);
    buttons->addWidget(exit);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(buildBoxes());
    connect(m_files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_panel.choose(m_files->row(item));
        render();
    });
}

QWidget* FormDownloadView::buildBoxes() {
    auto* area = new QWidget(this);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    m_list = box("formListBox", area);
    m_state = box("formStateBox", area);
    m_county = box("formCountyBox", area);
    m_agency = box("formAgencyBox", area);
    m_description = memo("formDescriptionMemo", area);
    m_instructions = memo("formInstructionsMemo", area);
    form->addRow(QStringLiteral("List..."), m_list);
    form->addRow(QStringLiteral("State..."), m_state);
    form->addRow(QStringLiteral("County..."), m_county);
    form->addRow(QStringLiteral("Agency Name or Contact..."), m_agency);
    form->addRow(QStringLiteral("List Description..."), m_description);
    form->addRow(QStringLiteral("Special Instructions..."), m_instructions);
    return area;
}

// Opened afresh each time it is shown: the files are looked for again.
void FormDownloadView::showEvent(QShowEvent* event) {
    m_panel.open();
    m_files->clear();
    m_files->addItems(m_panel.state().entries);
    render();
    QWidget::showEvent(event);
}

void FormDownloadView::render() {
    const FormDownloadState& s = m_panel.state();
    m_count->setText(QStringLiteral("Forms Found: %1").arg(s.entries.size()));
    m_process->setEnabled(s.processEnabled);
    m_list->setText(s.list);
    m_state->setText(s.state);
    m_county->setText(s.county);
    m_agency->setText(s.agency);
    m_description->setPlainText(s.description);
    m_instructions->setPlainText(s.instructions);
}

}  // namespace vn
