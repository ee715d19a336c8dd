#pragma once

#include "shell/core/start_facts.h"

namespace vn {

class Session;

// The main window's start-up work: restore or keep the tables, replace missing ones, open
// everything, read the settings, log every step. False when the start must stop (the user has
// been told why).
bool runStartup(Session& session, const StartFacts& facts);

}  // namespace vn
