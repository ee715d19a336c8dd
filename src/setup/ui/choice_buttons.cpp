#include "setup/ui/choice_buttons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

QButtonGroup* addChoiceButtons(QGroupBox* box, const QList<const char*>& objectNames) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const char* name : objectNames) {
        auto* button = new QRadioButton(box);
        button->setObjectName(QString::fromLatin1(name));
        layout->addWidget(button);
        group->addButton(button, ++id);
    }
    layout->addStretch();
    return group;
}

void checkChoice(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

}  // namespace vn
