#include "shell/ui/program.h"

#include "exchange/session/version_backup.h"
#include "platform/document_opener.h"
#include "platform/exit_signals.h"
#include "platform/printing/printer_list.h"
#include "platform/ui/message_box_prompter.h"
#include "shell/core/deferred_start.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/shutdown_sequence.h"
#include "shell/core/startup_sequence.h"
#include "shell/entry/entry_gate.h"
#include "platform/voice/espeak_voice.h"
#include "shell/ui/agent/agent_host.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/upgrade_offer.h"
#include "shell/ui/application_windows.h"
#include "store/engine/store_error.h"

#include <QApplication>
#include <QSessionManager>
#include <memory>
#include <QTimer>

namespace vn {

namespace {

constexpr int kFailed = 1;

StartFacts platformFacts() {
    StartFacts facts;
    facts.printerNames = installedPrinterNames();
    const PrinterChoice printer = currentPrinter();
    facts.currentPrinter = {printer.name, printer.index};
    facts.drives = DriveMap::fromEnvironment();
    return facts;
}

void raise(QWidget& window) {
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void connectExitRequests(Session& session, Navigator& navigator, ExitSignals& exitSignals) {
    const auto exitInOrder = [&session, &navigator] {
        if (!session.exitFlag) navigator.gotoExit();
    };
    QObject::connect(&exitSignals, &ExitSignals::exitRequested, qApp, exitInOrder);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [exitInOrder](QSessionManager&) { exitInOrder(); });
    // A signal that came during the start had nobody to tell yet.
    if (exitSignals.requested()) QTimer::singleShot(0, qApp, exitInOrder);
}

}  // namespace

int runProgram(QApplication& app, EntryGate& gate, MessageBoxPrompter& prompter, ExitSignals& exitSignals,
               const WindowFactories& windowFactories) {
    SplashWindow splash;
    splash.show();
    app.processEvents();
    Session session(gate.base(), prompter);
    session.openAddress = [](const QString& address) { return OpenDocument(address); };
    if (!runStartup(session, platformFacts())) return kFailed;
    Navigator navigator(session);
    ApplicationWindows windows(session, navigator, windowFactories);
    AgentHost agentHost(session, std::make_unique<EspeakVoice>());
    session.helpAgent = &agentHost.agent();
    windows.mainWindow().attachAgent(agentHost.agent(), agentHost.voice());
    navigator.setView(windows);
    prompter.setParent(&windows.mainWindow());
    QObject::connect(&gate.guard(), &FamilyGuard::raiseRequested, &windows.mainWindow(),
                     [&windows] { raise(windows.mainWindow()); });
    connectExitRequests(session, navigator, exitSignals);
    navigator.ShowPanel({});
    navigator.ShowWindow({MainWindowNo});
    UpgradeOffer upgrades(session, windows, &windows.mainWindow());
    splash.close();
    QTimer::singleShot(0, &windows.mainWindow(), [&] {
        if (session.exitFlag) return;
        try {
            DeferredHooks hooks;
            hooks.versionBackup = [&session] { return writeVersionBackup(session, DriveMap::fromEnvironment()); };
            hooks.findUpgrades = [&upgrades] { upgrades.FindNextUpgrade(); };
            DeferredStart(session, windows, navigator, hooks);
            agentHost.agent().start(session.settings.agentHelp, session.settings.agentNumber);
        } catch (const StoreError& e) {
            prompter.error(e.message());
        }
    });
    app.exec();
    // However the loop ended, the tables are saved once.
    if (!session.shutdownDone) ShutdownSequence(session, windows);
    return session.saveFailed ? kFailed : 0;
}

}  // namespace vn
