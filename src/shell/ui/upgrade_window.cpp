#include "shell/ui/upgrade_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

}  // namespace

UpgradeWindow::UpgradeWindow(QWidget* mainWindow) : QDialog(nullptr), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("upgradeWindow"));
    setWindowTitle(QStringLiteral("Varnedo Table Upgrade Found!"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("changeCodeEdit"));
    m_code->setReadOnly(true);
    auto* codeLabel = label(QStringLiteral("Table Change Code:"), this);
    codeLabel->setBuddy(m_code);
    layout->addWidget(codeLabel);
    layout->addWidget(m_code);

    m_information = new QPlainTextEdit(this);
    m_information->setObjectName(QStringLiteral("changeInformationView"));
    m_information->setReadOnly(true);
    layout->addWidget(label(QStringLiteral("Table Change Information..."), this));
    layout->addWidget(m_information);

    auto* warning = label(QStringLiteral("Note:  It is imperative that this process be allowed to run to completion!  "
                                         "DO NOT interrupt this process."),
                          this);
    warning->setObjectName(QStringLiteral("upgradeWarningLabel"));
    warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    layout->addWidget(warning);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("upgradeGauge"));
    layout->addWidget(label(QStringLiteral("Table Upgrade Progress..."), this));
    layout->addWidget(m_gauge);
    layout->addWidget(label(QStringLiteral("NOTE: Pauses in the progress display are normal"), this));

    m_perform = new QPushButton(QStringLiteral("Perform Table Upgrade Now"), this);
    m_perform->setObjectName(QStringLiteral("performButton"));
    m_continue = new QPushButton(QStringLiteral("Table Upgrade Complete! Continue"), this);
    m_continue->setObjectName(QStringLiteral("continueButton"));
    m_perform->setEnabled(false);
    m_continue->setEnabled(false);
    m_perform->setAutoDefault(false);
    m_continue->setAutoDefault(false);
    layout->addWidget(m_perform);
    layout->addWidget(m_continue);

    // Disabled before anything else runs, so a second click finds nothing to press.
    connect(m_perform, &QPushButton::clicked, this, [this] {
        m_perform->setEnabled(false);
        emit performRequested();
    });
    connect(m_continue, &QPushButton::clicked, this, [this] {
        m_continue->setEnabled(false);
        emit continueRequested();
    });
}

void UpgradeWindow::showUpgrade(const QString& marker, const QString& information) {
    if (m_mainWindow) m_mainWindow->setEnabled(false);
    m_closing = false;
    m_code->setText(marker);
    m_information->setPlainText(information);
    m_gauge->setRange(0, 1);
    m_gauge->setValue(0);
    m_continue->setEnabled(false);
    m_perform->setEnabled(true);
    show();
    raise();
    activateWindow();
    m_perform->setFocus();
}

void UpgradeWindow::setProgress(qint64 done, qint64 total) {
    // The gauge counts in thousandths so tables of any size fit its int range.
    const int value = total > 0 ? int(std::min<qint64>(done, total) * 1000 / total) : 0;
    m_gauge->setRange(0, 1000);
    if (value == m_gauge->value()) return;
    m_gauge->setValue(value);
    // The copy runs on this thread: let the gauge paint, but take no clicks or keys meanwhile.
    if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void UpgradeWindow::showDone(const QString& information) {
    m_information->setPlainText(information);
    m_gauge->setRange(0, 1000);
    m_gauge->setValue(1000);
    m_continue->setEnabled(true);
    m_continue->setFocus();
}

void UpgradeWindow::hideUpgrade() {
    m_closing = true;
    m_perform->setEnabled(false);
    m_continue->setEnabled(false);
    hide();
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        if (!m_mainWindow->isHidden()) m_mainWindow->activateWindow();
    }
}

// Escape does not close the window.
void UpgradeWindow::reject() {}

void UpgradeWindow::closeEvent(QCloseEvent* event) {
    if (m_closing) event->accept();
    else event->ignore();
}

}  // namespace vn
