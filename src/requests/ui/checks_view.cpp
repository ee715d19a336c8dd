#include "requests/ui/checks_view.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

ChecksView::ChecksView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("checksView"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("SQL Checks..."), this);
    group->setObjectName(QStringLiteral("checksGroup"));
    auto* inner = new QVBoxLayout(group);
    auto* back = new QPushButton(QStringLiteral("Return"), group);
    back->setObjectName(QStringLiteral("returnButton"));
    inner->addWidget(back, 0, Qt::AlignLeft);
    inner->addStretch(1);
    layout->addWidget(group, 1);
    connect(back, &QPushButton::clicked, this, &ChecksView::returnClicked);
}

}  // namespace vn
