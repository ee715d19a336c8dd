#include "platform/ui/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

namespace vn {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::Cancel: return QMessageBox::Cancel;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::OkNo: return QMessageBox::Ok | QMessageBox::No;
    case Buttons::CancelRetry: return QMessageBox::Cancel | QMessageBox::Retry;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Yes: return Answer::Yes;
    default: return Answer::Ok;
    }
}

// Scripts and tests run the program with VARNEDO_NONINTERACTIVE set: every message goes to
// standard error and takes its first button.
bool nonInteractive() { return qEnvironmentVariableIsSet("VARNEDO_NONINTERACTIVE"); }

Answer firstButton(Buttons buttons) {
    if (buttons == Buttons::YesNo) return Answer::Yes;
    return buttons == Buttons::Cancel || buttons == Buttons::CancelRetry ? Answer::Cancel : Answer::Ok;
}

Answer show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text, Buttons buttons) {
    if (nonInteractive()) {
        QTextStream(stderr) << title << ": " << QString(text).replace('\r', '\n') << Qt::endl;
        return firstButton(buttons);
    }
    QMessageBox box(icon, title, QString(text).replace('\r', '\n'), standardButtons(buttons), parent);
    box.setObjectName(QStringLiteral("messageBox"));
    return answerOf(box.exec());
}

}  // namespace

void MessageBoxPrompter::beep() { QApplication::beep(); }

Answer MessageBoxPrompter::information(const QString& text, Buttons buttons) {
    return show(m_parent, QMessageBox::Information, QStringLiteral("Information"), text, buttons);
}

Answer MessageBoxPrompter::warning(const QString& text, Buttons buttons) {
    return show(m_parent, QMessageBox::Warning, QStringLiteral("Warning"), text, buttons);
}

Answer MessageBoxPrompter::error(const QString& text, Buttons buttons) {
    return show(m_parent, QMessageBox::Critical, QStringLiteral("Error"), text, buttons);
}

Answer MessageBoxPrompter::confirmation(const QString& text, Buttons buttons) {
    return show(m_parent, QMessageBox::Question, QStringLiteral("Confirm"), text, buttons);
}

}  // namespace vn
