#include "archive/ui/archive_window.h"
#include "designer/ui/designer_window.h"
#include "interchange/tables/child/table_child.h"
#include "interchange/ui/export_data_window.h"
#include "interchange/ui/import_data_window.h"
#include "platform/drive_map.h"
#include "platform/exit_signals.h"
#include "platform/ui/message_box_prompter.h"
#include "requests/ui/list_printing.h"
#include "requests/ui/request_windows.h"
#include "shell/command_line.h"
#include "shell/entry/entry_gate.h"
#include "setup/ui/setup_window_factory.h"
#include "shell/core/navigation.h"
#include "shell/ui/program.h"

#include <QApplication>
#include <csignal>
#include <cstring>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// Without a display the offscreen platform reports every window call it cannot carry out; those
// lines say nothing to the user, so they stay off the terminal.
void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    g_defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A child started to read an outside table: frames on standard output, nothing else.
    if (argc >= 2 && std::strcmp(argv[1], vn::kReadTableOption) == 0) return vn::runTableChild(argc, argv);
    // A file-size limit makes a write fail (EFBIG) and take the failed-save path instead of
    // killing the program with half-written files.
    std::signal(SIGXFSZ, SIG_IGN);
    {
        QList<QByteArray> arguments;
        for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const auto status = vn::runCommandLine(arguments, out, err)) return *status;
    }
    vn::ExitSignals::install();  // before any flag file exists
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        g_defaultHandler = qInstallMessageHandler(quietOffscreenNoise);
    QApplication::setApplicationName(QStringLiteral("Varnedo"));
    QApplication::setQuitOnLastWindowClosed(false);
    vn::ExitSignals exitSignals;
    vn::MessageBoxPrompter prompter;
    vn::EntryGate gate;
    if (const auto status = gate.enter(vn::DriveMap::fromEnvironment(), prompter)) return *status;
    if (exitSignals.requested()) return 0;  // asked to end before any table was touched
    // The windows with views of their own; the others show their caption and menu only.
    vn::WindowFactories windows = {
        {vn::DesignerWindow, vn::makeDesignerWindow},
        {vn::SetupWindow, vn::makeSetupWindow},
        {vn::ArchiveWindow, vn::makeArchiveWindow},
        {vn::ImportWindow, vn::makeImportDataWindow},
        {vn::ExportWindow, vn::makeExportDataWindow},
    };
    windows.insert(vn::entryAndBuilderWindows(vn::printListedMatches));
    return vn::runProgram(app, gate, prompter, exitSignals, windows);
}
