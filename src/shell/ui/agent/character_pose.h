#pragma once

#include <QString>

namespace vn {

// Where a drawn character's moving parts are at one moment.
struct CharacterPose {
    qreal scale = 1.0;     // growing in when shown, shrinking away when hidden
    qreal bob = 0.0;       // up and down, in drawing units
    qreal lean = 0.0;      // degrees; a bow leans forward
    qreal armAngle = 0.0;  // degrees the free arm (or wing) is raised
    bool mouthOpen = false;
};

// How long an animation runs, in milliseconds ("Greet", "Explain", "Pleased", "Wave", "RestPose",
// "Show"); an unknown name is short.
int animationLength(const QString& animation);
// The pose of an animation at progress t (0 to 1).
CharacterPose poseAt(const QString& animation, qreal t);

}  // namespace vn
