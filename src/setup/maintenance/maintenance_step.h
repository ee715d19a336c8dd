#pragma once

#include "setup/maintenance/maintenance_outcome.h"

namespace vn {

// Reports a step; true to go on (always, without a callback).
inline bool keepGoing(const MaintenanceStep& step, qint64 done, qint64 total) { return !step || step(done, total); }

}  // namespace vn
