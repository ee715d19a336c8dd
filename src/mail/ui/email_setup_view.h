#pragma once

#include "mail/email_setup.h"

#include <QWidget>
#include <map>

class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vn {

// The e-mail set-up: the access method and the SMTP settings, each stored as soon as it is
// chosen or its box is left. The request builder's view moves on with Return; the archive
// window's panel also holds the address data is sent to, and Return stays in the box.
class EmailSetupView : public QWidget {
    Q_OBJECT
public:
    enum class Place { Builder, Archive };
    EmailSetupView(EmailSetup& setup, Place place, QWidget* parent = nullptr);

    QLineEdit* box(EmailSetup::Field field) const { return m_boxes.at(field); }

signals:
    void exitClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildMethod();
    QWidget* buildSmtp();
    QLineEdit* addBox(EmailSetup::Field field, const QString& caption, QWidget* parent, QFormLayout* form);
    void returnPressed(EmailSetup::Field field);
    void showStored();

    EmailSetup& m_setup;
    Place m_place;
    std::map<EmailSetup::Field, QLineEdit*> m_boxes;
    QRadioButton* m_dialUp = nullptr;
    QRadioButton* m_lan = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace vn
