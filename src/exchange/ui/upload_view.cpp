#include "exchange/ui/upload_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

UploadView::UploadView(PanelContext& context, QWidget* parent) : QWidget(parent), m_panel(context.session, context.navigator) {
    QVBoxLayout* layout = titledPanel(this, QStringLiteral("upload"), QStringLiteral("Build Varnedo Central Data Upload File..."));
    QWidget* group = layout->parentWidget();
    auto* codes = new QHBoxLayout;
    const auto box = [&](const QString& caption, const char* name) {
        auto* column = new QVBoxLayout;
        QLabel* value = valueLabel(QString::fromLatin1(name) + QStringLiteral("Label"), group);
        addUnderCaption(column, caption, qPrintable(QString::fromLatin1(name) + QStringLiteral("Caption")), value);
        codes->addLayout(column);
        return value;
    };
    m_state = box(QStringLiteral("State..."), "uploadState");
    m_county = box(QStringLiteral("County..."), "uploadCounty");
    m_list = box(QStringLiteral("List..."), "uploadList");
    codes->addStretch(1);
    layout->addLayout(codes);

    auto* scope = new QGroupBox(QStringLiteral("Select Upload Scope..."), group);
    scope->setObjectName(QStringLiteral("uploadScopeGroup"));
    auto* scopeRow = new QHBoxLayout(scope);
    const struct {
        UploadScope scope;
        const char* caption;
        const char* name;
    } choices[] = {{UploadScope::All, "All", "uploadAllRadio"},
                   {UploadScope::New, "New", "uploadNewRadio"},
                   {UploadScope::SqlSelected, "SQL Selected", "uploadSqlSelectedRadio"}};
    for (const auto& choice : choices) {
        auto* radio = new QRadioButton(QString::fromLatin1(choice.caption), scope);
        radio->setObjectName(QString::fromLatin1(choice.name));
        radio->setEnabled(UploadPanel::offered(choice.scope));
        if (!radio->isEnabled()) radio->setToolTip(UploadPanel::notOfferedReason());
        connect(radio, &QRadioButton::clicked, this, [this, s = choice.scope] {
            m_panel.choose(s);
            render();
        });
        scopeRow->addWidget(radio);
        m_scopes[choice.scope] = radio;
    }
    scopeRow->addStretch(1);
    layout->addWidget(scope);

    auto* buttons = new QHBoxLayout;
    m_process = panelButton(QStringLiteral("Process"), "uploadProcessButton", group, [this] { m_panel.process(); });
    buttons->addWidget(m_process);
    buttons->addWidget(panelButton(QStringLiteral("Exit"), "uploadExitButton", group, context.close));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_gauge = new GaugeRow(QStringLiteral("uploadGauge"), group);
    layout->addWidget(m_gauge);
    layout->addStretch(1);
    render();
}

void UploadView::showEvent(QShowEvent* event) {
    m_panel.open();
    render();
    QWidget::showEvent(event);
}

void UploadView::render() {
    const UploadPanelState& s = m_panel.state();
    m_state->setText(s.stateCode);
    m_county->setText(s.countyCode);
    m_list->setText(s.listCode);
    for (auto& [scope, radio] : m_scopes) {
        radio->setAutoExclusive(false);
        radio->setChecked(scope == s.scope);
        radio->setAutoExclusive(true);
    }
    m_process->setEnabled(s.processEnabled);
    m_gauge->render(s.gauge, QStringLiteral("Progress..."));
}

}  // namespace vn
