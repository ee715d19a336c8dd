#include "entry/ui/source_list_box.h"

#include "entry/links/source_pick.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

void setBold(QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

}  // namespace

SourceListBox::SourceListBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name + QStringLiteral("Box"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption = new QLabel(this);
    m_caption->setObjectName(name + QStringLiteral("Caption"));
    m_list = new QListWidget(this);
    m_list->setObjectName(name + QStringLiteral("List"));
    m_caption->setBuddy(m_list);
    m_list->setAccessibleName(QStringLiteral("Records"));
    auto* orders = new QHBoxLayout;
    m_byId = new QPushButton(QStringLiteral("By Id"), this);
    m_byId->setObjectName(name + QStringLiteral("ByIdButton"));
    m_byName = new QPushButton(QStringLiteral("By Name"), this);
    m_byName->setObjectName(name + QStringLiteral("ByNameButton"));
    orders->addWidget(m_byId);
    orders->addWidget(m_byName);
    layout->addWidget(m_caption);
    layout->addWidget(m_list, 1);
    layout->addLayout(orders);
    connect(m_byId, &QPushButton::clicked, this, [this] { emit orderChosen(SiblingOrder::ById); });
    connect(m_byName, &QPushButton::clicked, this, [this] { emit orderChosen(SiblingOrder::ByName); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit rowChosen(m_list->row(item)); });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { emit rowChosen(m_list->row(item)); });
}

void SourceListBox::show(const SourcePick& pick) {
    m_caption->setText(pick.caption());
    m_list->clear();
    for (const SiblingEntry& entry : pick.entries()) {
        auto* item = new QListWidgetItem(entry.shown(), m_list);
        item->setData(Qt::UserRole, entry.key);
    }
    setBold(m_byId, pick.order() == SiblingOrder::ById);
    setBold(m_byName, pick.order() == SiblingOrder::ByName);
}

}  // namespace vn
