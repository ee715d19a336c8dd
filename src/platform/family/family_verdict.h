#pragma once

#include "platform/family/flag_files.h"

#include <QString>

namespace vn {

// Which family member the base marks as running: ProgCL 5, ProgVN 4, ProgPV 3, ProgKV 2,
// ProgGV 1, the first found in that order; 0 when none is marked.
int runningMember(const FlagFiles& base);

// This product's number among the family members.
inline constexpr int kThisProduct = 4;

// The guard's warning naming the member that runs (index 0 names the open-user flag).
QString runningCopyWarning(int member);

struct FamilyVerdict {
    bool anotherCopy = false;
    QString warning;  // empty unless another copy runs
};

// Another copy runs when the family lock is someone else's or the base holds the open-user flag.
FamilyVerdict judgeFamily(bool lockHeldElsewhere, const FlagFiles& base);

}  // namespace vn
