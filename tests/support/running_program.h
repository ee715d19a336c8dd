#pragma once

#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/application_windows.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <memory>

namespace vn::test {

// A new installation started the way the program starts it, its windows made on demand (offscreen
// in the tests); messages are recorded and answered by the recording prompter.
class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();

    void openWindows(const WindowFactories& factories = {});

    TempFolder tmp;
    RecordingPrompter prompter;
    std::unique_ptr<Session> session;
    std::unique_ptr<Navigator> navigator;
    std::unique_ptr<ApplicationWindows> windows;
    bool started = false;
};

}  // namespace vn::test
