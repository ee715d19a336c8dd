#include "requests/ui/connector_panel.h"

#include "requests/builder/builder_texts.h"
#include "requests/ui/builder_driver.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

template <typename Button>
Button* button(const QString& caption, const char* name, const QString& tip, QWidget* parent) {
    auto* b = new Button(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    return b;
}

}  // namespace

ConnectorPanel::ConnectorPanel(BuilderDriver& drive, QWidget* parent) : QWidget(parent), m_drive(drive) {
    setObjectName(QStringLiteral("connectorPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildConnectors());
    layout->addWidget(buildParentheses());
    layout->addStretch(1);
}

QGroupBox* ConnectorPanel::buildConnectors() {
    m_connectors = new QGroupBox(QStringLiteral("Connector..."), this);
    m_connectors->setObjectName(QStringLiteral("connectorGroup"));
    auto* row = new QHBoxLayout(m_connectors);
    m_and = button<QRadioButton>(QStringLiteral("And"), "andRadio", builder_text::kAndTip, m_connectors);
    m_or = button<QRadioButton>(QStringLiteral("Or"), "orRadio", builder_text::kOrTip, m_connectors);
    m_process = button<QPushButton>(QStringLiteral("Process"), "processButton", builder_text::kProcessTip, m_connectors);
    for (auto [radio, connector] : {std::pair{m_and, Connector::And}, {m_or, Connector::Or}}) {
        radio->setAutoExclusive(false);  // the builder says which one is ticked
        connect(radio, &QRadioButton::toggled, this, [this, connector](bool on) {
            m_drive([connector, on](RequestBuilder& b) {
                if (on) b.clickConnector(connector);
            });
        });
        row->addWidget(radio);
    }
    row->addWidget(m_process);
    connect(m_process, &QPushButton::clicked, this, &ConnectorPanel::processClicked);
    return m_connectors;
}

QGroupBox* ConnectorPanel::buildParentheses() {
    m_parentheses = new QGroupBox(QStringLiteral("Parenthesize..."), this);
    m_parentheses->setObjectName(QStringLiteral("parenthesesGroup"));
    auto* grid = new QGridLayout(m_parentheses);
    m_addOpen = button<QPushButton>(QStringLiteral("Add  ("), "addOpenButton", {}, m_parentheses);
    m_addClose = button<QPushButton>(QStringLiteral("Add  )"), "addCloseButton", {}, m_parentheses);
    m_deleteOpen = button<QPushButton>(QStringLiteral("Delete  ("), "deleteOpenButton", {}, m_parentheses);
    m_deleteClose = button<QPushButton>(QStringLiteral("Delete  )"), "deleteCloseButton", {}, m_parentheses);
    connect(m_addOpen, &QPushButton::clicked, this, [this] { m_drive([](RequestBuilder& b) { b.addOpen(); }); });
    connect(m_addClose, &QPushButton::clicked, this, [this] { m_drive([](RequestBuilder& b) { b.addClose(); }); });
    connect(m_deleteOpen, &QPushButton::clicked, this, [this] { m_drive([](RequestBuilder& b) { b.deleteOpen(); }); });
    connect(m_deleteClose, &QPushButton::clicked, this, [this] { m_drive([](RequestBuilder& b) { b.deleteClose(); }); });
    grid->addWidget(m_addOpen, 0, 0);
    grid->addWidget(m_addClose, 0, 1);
    grid->addWidget(m_deleteOpen, 1, 0);
    grid->addWidget(m_deleteClose, 1, 1);
    auto* counts = new QFormLayout;
    m_openCount = new QLabel(m_parentheses);
    m_openCount->setObjectName(QStringLiteral("openCountLabel"));
    m_closeCount = new QLabel(m_parentheses);
    m_closeCount->setObjectName(QStringLiteral("closeCountLabel"));
    counts->addRow(QStringLiteral("Open  ("), m_openCount);
    counts->addRow(QStringLiteral("Closed  )"), m_closeCount);
    grid->addLayout(counts, 0, 2, 2, 1);
    return m_parentheses;
}

void ConnectorPanel::render(const BuilderState& state) {
    m_connectors->setVisible(state.connectorsShown);
    for (auto [radio, connector] : {std::pair{m_and, Connector::And}, {m_or, Connector::Or}}) {
        const QSignalBlocker quiet(radio);
        radio->setChecked(state.tickedConnector == connector);
    }
    m_process->setEnabled(state.processEnabled);
    m_parentheses->setVisible(state.parenthesesShown);
    m_addOpen->setEnabled(state.addOpenEnabled);
    m_addClose->setEnabled(state.addCloseEnabled);
    m_deleteOpen->setEnabled(state.deleteOpenEnabled);
    m_deleteClose->setEnabled(state.deleteCloseEnabled);
    m_openCount->setText(QString::number(state.openCount));
    m_closeCount->setText(QString::number(state.closeCount));
}

}  // namespace vn
