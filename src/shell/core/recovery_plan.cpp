#include "shell/core/recovery_plan.h"

namespace vn {

namespace {

using Use = RecoveryPlan::Use;
using Aside = RecoveryPlan::Aside;

// The first copy in order of preference that is whole, else the first that lacks tables only.
Use choose(const CopyHealth& live, const CopyHealth& saved, bool unfinished) {
    const Use first = unfinished ? Use::Live : Use::Saved;
    const Use second = unfinished ? Use::Saved : Use::Live;
    const auto health = [&](Use use) -> const CopyHealth& { return use == Use::Live ? live : saved; };
    for (bool (CopyHealth::*fits)() const : {&CopyHealth::good, &CopyHealth::usable}) {
        if ((health(first).*fits)()) return first;
        if ((health(second).*fits)()) return second;
    }
    return !live.present() && !saved.present() ? Use::NewShell : Use::Nothing;
}

Aside asideFor(const CopyHealth& replaced) {
    if (!replaced.present()) return Aside::None;
    return replaced.good() ? Aside::Replaced : Aside::Damaged;
}

}  // namespace

RecoveryPlan planRecovery(const CopyHealth& live, const CopyHealth& saved, bool unfinished, bool equal) {
    RecoveryPlan plan;
    if (equal && live.good()) {
        plan.use = Use::Live;
        return plan;
    }
    plan.use = choose(live, saved, unfinished);
    if (plan.use == Use::Live && saved.present()) {
        // A whole saved copy is only an older generation of the live tables after a crash.
        if (!saved.good()) plan.savedAside = Aside::Damaged;
        plan.refreshSaved = true;
    } else if (plan.use == Use::Live && unfinished) {
        plan.refreshSaved = true;
    } else if (plan.use == Use::Saved) {
        plan.liveAside = asideFor(live);
    }
    return plan;
}

}  // namespace vn
