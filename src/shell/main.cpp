#include "platform/drive_map.h"
#include "shell/command_line.h"
#include "shell/ui/main_window.h"
#include "store/files/installation.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const auto status = vn::runCommandLine(arguments, out, err)) return *status;
    }
    QApplication app(argc, argv);
    const auto base = vn::findBaseLocation(vn::DriveMap::fromEnvironment());
    if (!base) {
        QMessageBox::critical(nullptr, QStringLiteral("Varnedo"),
                              QStringLiteral("Application Base (or networked mapped) Drive Can Not Be Found!\n\n"
                                             "Verify that a full system installation has been done.  "
                                             "An upgrade executable will not run alone."),
                              QMessageBox::Cancel);
        return 1;
    }
    vn::MainWindow window(*base);
    window.show();
    return app.exec();
}
