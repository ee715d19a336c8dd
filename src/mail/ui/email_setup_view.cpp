#include "mail/ui/email_setup_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

using F = EmailSetup::Field;

const QString kNote = QStringLiteral(
    "These values will only need to be entered one time.  Contact Head of Computer Operations if you are not sure of "
    "your settings.");
const QString kDomainNote = QStringLiteral("  The Domain Name or Number may not be required by your email provider.");

QString objectNameOf(F field) { return QString::fromLatin1(EmailSetup::key(field)) + QStringLiteral("Edit"); }

}  // namespace

EmailSetupView::EmailSetupView(EmailSetup& setup, Place place, QWidget* parent)
    : QWidget(parent), m_setup(setup), m_place(place) {
    setObjectName(QStringLiteral("emailSetupView"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildMethod());
    layout->addWidget(buildSmtp());
    auto* note = new QLabel(place == Place::Builder ? kNote + kDomainNote : kNote, this);
    note->setObjectName(QStringLiteral("emailSetupNote"));
    note->setWordWrap(true);
    layout->addWidget(note);
    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    m_exit->setObjectName(QStringLiteral("emailSetupExitButton"));
    connect(m_exit, &QPushButton::clicked, this, &EmailSetupView::exitClicked);
    layout->addWidget(m_exit, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

QWidget* EmailSetupView::buildMethod() {
    auto* group = new QGroupBox(QStringLiteral("Email access method..."), this);
    group->setObjectName(QStringLiteral("emailMethodGroup"));
    auto* form = new QFormLayout(group);
    m_dialUp = new QRadioButton(QStringLiteral("Dialup / Modem"), group);
    m_dialUp->setObjectName(QStringLiteral("dialUpRadio"));
    m_lan = new QRadioButton(QStringLiteral("LAN / DSL"), group);
    m_lan->setObjectName(QStringLiteral("lanRadio"));
    form->addRow(m_dialUp);
    form->addRow(m_lan);
    connect(m_dialUp, &QRadioButton::clicked, this, [this] {
        m_setup.chooseMethod(EmailSetup::DialUp);
        showStored();
    });
    connect(m_lan, &QRadioButton::clicked, this, [this] {
        m_setup.chooseMethod(EmailSetup::Lan);
        showStored();
    });
    addBox(F::Password, QStringLiteral("Password"), group, form)->setEchoMode(QLineEdit::Password);
    addBox(F::IspPhone, QStringLiteral("ISP Phone Number"), group, form);
    return group;
}

QWidget* EmailSetupView::buildSmtp() {
    auto* group = new QGroupBox(QStringLiteral("SMTP Parameters..."), this);
    group->setObjectName(QStringLiteral("smtpGroup"));
    auto* form = new QFormLayout(group);
    addBox(F::Sender, QStringLiteral("Sender        (Your Email Address)"), group, form);
    addBox(F::Server, QStringLiteral("Mail Server"), group, form);
    addBox(F::User, QStringLiteral("User Id"), group, form);
    addBox(F::Domain, QStringLiteral("Domain"), group, form);
    if (m_place == Place::Archive) addBox(F::SendTo, QStringLiteral("Varnedo Send To Email Address"), group, form);
    return group;
}

QLineEdit* EmailSetupView::addBox(EmailSetup::Field field, const QString& caption, QWidget* parent, QFormLayout* form) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectNameOf(field));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(edit);
    form->addRow(label, edit);
    m_boxes[field] = edit;
    connect(edit, &QLineEdit::editingFinished, this, [this, field, edit] { edit->setText(m_setup.leave(field, edit->text())); });
    connect(edit, &QLineEdit::returnPressed, this, [this, field] { returnPressed(field); });
    return edit;
}

// The builder's view moves on as a form filled in top to bottom; the archive panel stays.
void EmailSetupView::returnPressed(EmailSetup::Field field) {
    if (m_place == Place::Archive) return;
    const std::optional<F> next = nextOnReturn(field);
    if (next && m_boxes.count(*next)) m_boxes.at(*next)->setFocus();
    else m_exit->setFocus();
}

void EmailSetupView::showEvent(QShowEvent* event) {
    m_setup.refresh();
    showStored();
    QWidget::showEvent(event);
}

void EmailSetupView::showStored() {
    m_dialUp->setChecked(m_setup.method() == EmailSetup::DialUp);
    m_lan->setChecked(m_setup.method() == EmailSetup::Lan);
    for (auto& [field, edit] : m_boxes)
        if (!edit->hasFocus()) edit->setText(m_setup.value(field));
    m_boxes.at(F::Password)->setEnabled(m_setup.passwordEnabled());
    m_boxes.at(F::IspPhone)->setEnabled(m_setup.phoneEnabled());
}

}  // namespace vn
