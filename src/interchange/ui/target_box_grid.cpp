#include "interchange/ui/target_box_grid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace vn {

TargetBoxGrid::TargetBoxGrid(const QString& title, const QString& name, int capacity, int rows, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(name + QStringLiteral("Group"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    QStringList stems;
    for (int i = 0; i < capacity; ++i) {
        auto* box = new QCheckBox(this);
        auto* number = new QLabel(this);
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, i % rows, 2 * (i / rows));
        grid->addWidget(box, i % rows, 2 * (i / rows) + 1);
        connect(box, &QCheckBox::clicked, this, [this, i] { emit clicked(i); });
        m_rows.push_back({box, number});
        stems << name + QString::number(i + 1);
    }
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(2 * ((capacity + rows - 1) / rows), 1);
    setNames(stems);
}

void TargetBoxGrid::setNames(const QStringList& stems) {
    for (std::size_t i = 0; i < m_rows.size() && qsizetype(i) < stems.size(); ++i) {
        m_rows[i].box->setObjectName(stems[qsizetype(i)] + QStringLiteral("Check"));
        m_rows[i].number->setObjectName(stems[qsizetype(i)] + QStringLiteral("NumberLabel"));
    }
}

void TargetBoxGrid::render(const QList<TargetBox>& boxes) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const bool shown = qsizetype(i) < boxes.size();
        m_rows[i].box->setVisible(shown);
        m_rows[i].number->setVisible(shown);
        if (!shown) continue;
        const TargetBox& b = boxes[qsizetype(i)];
        m_rows[i].box->setText(b.caption);
        m_rows[i].box->setChecked(b.field > 0);
        m_rows[i].number->setText(b.field > 0 ? QString::number(b.field) : QString());
        m_rows[i].box->setAccessibleDescription(
            b.field > 0 ? QStringLiteral("Import field %1").arg(b.field) : QStringLiteral("Not mapped"));
    }
}

}  // namespace vn
