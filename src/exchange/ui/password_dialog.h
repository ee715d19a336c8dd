#pragma once

#include "exchange/panels/password_prompt.h"

#include <QDialog>

class QLineEdit;

namespace vn {

class Prompter;

// "Password Reguired!": one hidden field, confirmed by Enter or by leaving it.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(PasswordPrompt::Accepts accepts, Prompter& prompter, QWidget* parent = nullptr);
    // Asks until the prompt closes; whether the password was accepted.
    bool ask();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void finish();

    PasswordPrompt m_prompt;
    Prompter& m_prompter;
    QLineEdit* m_field = nullptr;
    bool m_finished = false;
};

}  // namespace vn
