#include "support/running_program.h"

#include "shell/core/startup_sequence.h"
#include "store/files/installation.h"

namespace vn::test {

RunningProgram::RunningProgram() {
    createInstallation(tmp.file("HLV"));
    session = std::make_unique<Session>(tmp.file("HLV"), prompter);
    StartFacts facts;
    facts.drives = DriveMap(tmp.file("home"), "C=" + tmp.file("none"));
    started = runStartup(*session, facts);
}

RunningProgram::~RunningProgram() {
    windows.reset();
    navigator.reset();
    session.reset();
}

void RunningProgram::openWindows(const WindowFactories& factories) {
    navigator = std::make_unique<Navigator>(*session);
    windows = std::make_unique<ApplicationWindows>(*session, *navigator, factories);
    navigator->setView(*windows);
}

}  // namespace vn::test
