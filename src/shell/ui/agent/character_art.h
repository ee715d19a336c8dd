#pragma once

#include "shell/ui/agent/character_pose.h"

#include <QRectF>

class QPainter;

namespace vn {

// Draws character 1 to 4 (a parrot, a robot, a magician, a genie) in the pose, filling the area
// (drawn on a 100 x 120 grid, feet at the bottom middle).
void paintCharacter(QPainter& painter, int character, const CharacterPose& pose, const QRectF& area);

}  // namespace vn
