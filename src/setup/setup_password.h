#pragma once

#include <QDate>
#include <QString>

namespace vn {

// Whether typed text opens the guarded setup steps: the programmers' password or today's day code,
// both without regard to case.
bool opensGuardedSteps(const QString& typed, QDate today);

}  // namespace vn
