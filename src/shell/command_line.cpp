#include "shell/command_line.h"

#include "platform/drive_map.h"
#include "store/engine/store_error.h"
#include "store/files/installation.h"
#include "store/program_version.h"
#include "store/schema/schema.h"

#include <QDir>

namespace vn {

std::optional<int> runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(1);
    if (command.isEmpty()) return std::nullopt;
    if (command == QLatin1String("--version")) {
        out << kProgramVersion << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("--schema-reference")) {
        out << schema::markdown();
        return 0;
    }
    if (command == QLatin1String("--find-installation")) {
        const auto base = findBaseLocation(DriveMap::fromEnvironment());
        if (!base) {
            err << "No installation was found." << Qt::endl;
            return 1;
        }
        out << *base << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("--create-installation")) {
        if (arguments.size() != 3) {
            err << "Usage: varnedo --create-installation FOLDER" << Qt::endl;
            return 2;
        }
        try {
            createInstallation(QDir::cleanPath(QDir::current().absoluteFilePath(arguments[2])));
        } catch (const StoreError& e) {
            err << e.message() << Qt::endl;
            return 1;
        }
        out << "Installation created in " << QDir::cleanPath(QDir::current().absoluteFilePath(arguments[2])) << Qt::endl;
        return 0;
    }
    err << "Unknown option " << command << Qt::endl
        << "Usage: varnedo [--version | --find-installation | --create-installation FOLDER]" << Qt::endl;
    return 2;
}

}  // namespace vn
