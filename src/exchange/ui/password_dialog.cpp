#include "exchange/ui/password_dialog.h"

#include "platform/prompter.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vn {

PasswordDialog::PasswordDialog(QDate today, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_today(today), m_prompter(prompter) {
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(QStringLiteral("Password Reguired!"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("The process you have requested requires a password to continue! "), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("passwordEdit"));
    m_field->setEchoMode(QLineEdit::Password);
    text->setBuddy(m_field);
    layout->addWidget(text);
    layout->addWidget(m_field);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::returnPressed, this, [this] { confirm(); });
}

bool PasswordDialog::ask() {
    m_prompter.beep();
    m_attempts.emplace(m_today);
    m_finished = false;
    m_field->clear();
    m_field->setFocus();
    m_accepted = false;
    exec();
    return m_accepted;
}

// Leaving the field confirms it, as Enter does, unless the dialog is closing anyway.
bool PasswordDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::FocusOut && isVisible() && !m_finished &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
        confirm();
    return QDialog::eventFilter(watched, event);
}

void PasswordDialog::confirm() {
    if (m_finished) return;
    if (m_attempts->confirm(m_field->text()) != PasswordAttempts::Outcome::TryAgain) {
        m_field->clear();
        finish(m_attempts->accepted());
        return;
    }
    m_field->clear();
    m_field->setFocus();
}

void PasswordDialog::finish(bool accepted) {
    m_finished = true;
    m_accepted = accepted;
    done(accepted ? Accepted : Rejected);
}

// The title bar's close and Escape: the field as it stands gets its last look.
void PasswordDialog::reject() {
    if (m_finished) return QDialog::reject();
    finish(m_attempts->acceptedOnClose(m_field->text()));
}

}  // namespace vn
