#include "requests/ui/queue_name_box.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vn {

namespace {

// Each view has its own box: the prefix names its parts apart ("reportAddNowButton").
QString prefixed(const QString& prefix, const QString& name) {
    return prefix.isEmpty() ? name : prefix + name.front().toUpper() + name.mid(1);
}

}  // namespace

QueueNameBox::QueueNameBox(const QString& prefix, Leaving leaving, QWidget* parent) : QWidget(parent), m_leaving(leaving) {
    setObjectName(prefixed(prefix, QStringLiteral("addToQueueGroup")));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_open = new QPushButton(QStringLiteral("Add to SQL Request Queue List..."), this);
    m_open->setObjectName(prefixed(prefix, QStringLiteral("addToQueueButton")));
    m_label = new QLabel(QStringLiteral("Name Request:"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(prefixed(prefix, QStringLiteral("requestNameEdit")));
    m_label->setBuddy(m_name);
    m_addNow = new QPushButton(QStringLiteral("Add Now"), this);
    m_addNow->setObjectName(prefixed(prefix, QStringLiteral("addNowButton")));
    grid->addWidget(m_open, 0, 0, 1, 2);
    grid->addWidget(m_label, 1, 0);
    grid->addWidget(m_name, 1, 1);
    grid->addWidget(m_addNow, 2, 1, Qt::AlignRight);
    m_name->installEventFilter(this);
    connect(m_open, &QPushButton::clicked, this, [this] { openName(); });
    connect(m_name, &QLineEdit::returnPressed, this, [this] { offerAddNow(); });
    connect(m_addNow, &QPushButton::clicked, this, [this] { emit addNow(m_name->text()); });
    setOffered(false);
}

bool QueueNameBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_name && event->type() == QEvent::FocusOut && m_leaving == Leaving::OffersAddNow && m_name->isVisible() &&
        !m_addNow->isVisible())
        offerAddNow();
    return QWidget::eventFilter(watched, event);
}

void QueueNameBox::setOffered(bool offered) {
    if (offered && !m_offered) {  // a new run: the button only
        m_done = false;
        m_name->clear();
        m_label->hide();
        m_name->hide();
        m_addNow->hide();
        m_open->show();
    }
    m_offered = offered;
    setVisible(offered && !m_done);
}

void QueueNameBox::openName() {
    m_label->show();
    m_name->show();
    m_name->setFocus();
}

void QueueNameBox::offerAddNow() {
    m_addNow->show();
    m_addNow->setFocus();
}

void QueueNameBox::saved() {
    m_done = true;
    hide();
}

void QueueNameBox::refused(bool emptyName) {
    m_addNow->hide();
    if (emptyName) m_name->clear();
    m_name->setFocus();
}

}  // namespace vn
