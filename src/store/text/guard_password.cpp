#include "store/text/guard_password.h"

#include "store/text/day_code.h"

namespace vn {

namespace {

constexpr char kProgrammersPassword[] = "tarnwisple";

}  // namespace

bool opensGuardedSteps(const QString& typed, QDate today) {
    if (typed.isEmpty()) return false;
    return typed.compare(QLatin1String(kProgrammersPassword), Qt::CaseInsensitive) == 0 || MatchesDayCode(typed, today);
}

}  // namespace vn
