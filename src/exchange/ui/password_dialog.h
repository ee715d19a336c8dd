#pragma once

#include "exchange/transfer/transfer_password.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace vn {

class Prompter;

// "Password Reguired!": one hidden field, confirmed by Enter or by leaving it.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(QDate today, Prompter& prompter, QWidget* parent = nullptr);
    // Asks until the prompt closes; whether the password was accepted.
    bool ask();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void finish(bool accepted);

    QDate m_today;
    std::optional<PasswordAttempts> m_attempts;
    Prompter& m_prompter;
    QLineEdit* m_field = nullptr;
    bool m_finished = false;
    bool m_accepted = false;
};

}  // namespace vn
