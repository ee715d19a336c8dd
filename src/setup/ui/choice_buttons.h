#pragma once

#include <QList>

class QButtonGroup;
class QGroupBox;

namespace vn {

// Radio buttons in the box with ids 1..n, one per object name; their captions come later.
QButtonGroup* addChoiceButtons(QGroupBox* box, const QList<const char*>& objectNames);

// Checks the button with the id; 0 or an unknown id leaves none checked.
void checkChoice(QButtonGroup* group, int id);

}  // namespace vn
