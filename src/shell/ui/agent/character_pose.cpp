#include "shell/ui/agent/character_pose.h"

#include <QtMath>

namespace vn {

int animationLength(const QString& animation) {
    if (animation == QLatin1String("Show")) return 500;
    if (animation == QLatin1String("Greet") || animation == QLatin1String("Explain")) return 900;
    if (animation == QLatin1String("Pleased")) return 700;
    if (animation == QLatin1String("Wave")) return 1200;
    return 300;
}

CharacterPose poseAt(const QString& animation, qreal t) {
    CharacterPose pose;
    const qreal swell = qSin(t * M_PI);  // 0 -> 1 -> 0
    if (animation == QLatin1String("Show")) {
        pose.scale = 0.2 + 0.8 * t;
    } else if (animation == QLatin1String("Greet")) {
        pose.lean = 20 * swell;
        pose.armAngle = 45 * swell;
    } else if (animation == QLatin1String("Explain")) {
        pose.armAngle = 70 * swell;
        pose.mouthOpen = int(t * 6) % 2 == 1;
    } else if (animation == QLatin1String("Pleased")) {
        pose.bob = -8 * qAbs(qSin(t * 2 * M_PI));
        pose.mouthOpen = true;
    } else if (animation == QLatin1String("Wave")) {
        pose.armAngle = 100 + 35 * qSin(t * 6 * M_PI);
    }
    return pose;
}

}  // namespace vn
