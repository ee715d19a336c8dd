#pragma once

#include "shell/core/deferred_start.h"

#include <QDateTime>

namespace vn {

class DriveMap;
class Session;

// The backup a version change calls for: System to List Help into the folder of drive C:. An
// existing vnBack.txt, perhaps the user's full backup, is kept first as vnBack-<date-time>.txt
// (and put back when the new one cannot be written). Failures are told through the prompter.
VersionBackup writeVersionBackup(Session& session, const DriveMap& drives, const QDateTime& now = QDateTime::currentDateTime());

}  // namespace vn
