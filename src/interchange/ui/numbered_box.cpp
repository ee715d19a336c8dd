#include "interchange/ui/numbered_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace vn {

NumberedBox::NumberedBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name + QStringLiteral("Box"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_number = new QLabel(this);
    m_number->setObjectName(name + QStringLiteral("NumberLabel"));
    m_number->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_box = new QCheckBox(this);
    m_box->setObjectName(name + QStringLiteral("Check"));
    layout->addWidget(m_number);
    layout->addWidget(m_box, 1);
    connect(m_box, &QCheckBox::clicked, this, &NumberedBox::clicked);
}

void NumberedBox::render(const QString& caption, std::optional<int> number) {
    setVisible(!caption.isEmpty());
    m_box->setText(caption);
    m_box->setToolTip(caption);
    m_box->setChecked(number.has_value());
    m_number->setText(number ? QString::number(*number) : QString());
}

}  // namespace vn
