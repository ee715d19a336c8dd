#include "interchange/ui/target_box_grid.h"

#include "interchange/ui/numbered_box.h"

#include <QCheckBox>
#include <QGridLayout>

namespace vn {

TargetBoxGrid::TargetBoxGrid(const QString& title, const QString& name, const QStringList& stems, int rows, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(name + QStringLiteral("Group"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < stems.size(); ++i) {
        auto* box = new NumberedBox(stems[i], this);
        grid->addWidget(box, i % rows, i / rows);
        connect(box, &NumberedBox::clicked, this, [this, i] { emit clicked(i); });
        m_boxes.append(box);
    }
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(int((stems.size() + rows - 1) / rows), 1);
}

void TargetBoxGrid::render(const QList<TargetBox>& boxes) {
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const TargetBox* b = i < boxes.size() ? &boxes[i] : nullptr;
        m_boxes[i]->render(b ? b->caption : QString(), b && b->field > 0 ? std::optional<int>(b->field) : std::nullopt);
        if (b)
            m_boxes[i]->box()->setAccessibleDescription(
                b->field > 0 ? QStringLiteral("Import field %1").arg(b->field) : QStringLiteral("Not mapped"));
    }
}

}  // namespace vn
