#pragma once

#include "store/files/copy_health.h"

namespace vn {

// Which copy of the tables a start runs on, and what becomes of the other one. A copy that is
// replaced while it differs is always kept aside, never erased.
struct RecoveryPlan {
    enum class Use { Live, Saved, NewShell, Nothing };
    enum class Aside { None, Damaged, Replaced };

    Use use = Use::Nothing;
    Aside liveAside = Aside::None;   // moved away before the saved copy takes its place
    Aside savedAside = Aside::None;  // moved away before a fresh saved copy is written
    bool refreshSaved = false;       // write the saved copy from the live tables once they are complete
};

// unfinished: the last run did not end in order, so its live tables hold the newest work.
// equal: the saved copy was written from the live file and neither changed since (then the
// saved copy's health is the live one's and was not looked at separately).
RecoveryPlan planRecovery(const CopyHealth& live, const CopyHealth& saved, bool unfinished, bool equal);

}  // namespace vn
