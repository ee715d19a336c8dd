#pragma once

#include <QDate>
#include <QString>

namespace vn {

// Whether typed text opens guarded work (setup steps, a data file of another version): the
// programmers' password or today's day code, both without regard to case.
bool opensGuardedSteps(const QString& typed, QDate today);

}  // namespace vn
