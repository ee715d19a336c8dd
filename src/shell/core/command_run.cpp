#include "shell/core/command_run.h"

#include "platform/drive_map.h"
#include "platform/prompter.h"
#include "shell/core/deferred_start.h"
#include "shell/core/headless_view.h"
#include "shell/core/session.h"
#include "shell/core/shutdown_sequence.h"
#include "shell/core/startup_sequence.h"
#include "shell/entry/entry_gate.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

constexpr int kFailed = 1;

}  // namespace

int runOnDataSet(Prompter& prompter, const std::function<int(Session&)>& work) {
    const DriveMap drives = DriveMap::fromEnvironment();
    EntryGate gate;
    if (const auto refused = gate.enter(drives, prompter, EntryGate::Run::Command)) return *refused;
    Session session(gate.base(), prompter);
    StartFacts facts;
    facts.drives = drives;
    if (!runStartup(session, facts)) return kFailed;
    int status = kFailed;
    try {
        resolveInstallation(session);  // backups, exchange files and new keys name it
        status = work(session);
    } catch (const StoreError& e) {
        prompter.error(e.message(), Buttons::Ok);
    }
    HeadlessView view;
    ShutdownSequence(session, view);
    return session.saveFailed ? kFailed : status;
}

}  // namespace vn
