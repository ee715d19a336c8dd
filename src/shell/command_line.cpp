#include "shell/command_line.h"

#include "exchange/session/backup_command.h"
#include "interchange/command/interchange_command.h"
#include "lists/siblings/sibling_sources.h"
#include "platform/drive_map.h"
#include "store/engine/store_error.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"
#include "store/program_version.h"
#include "store/schema/schema.h"

#include <QDir>
#include <QStringDecoder>

namespace vn {

namespace {

constexpr int kDone = 0, kFailed = 1, kUsage = 2;

const char kUsageText[] =
    "Usage: varnedo [OPTION]\n"
    "With no option, starts the program on the installation found.\n"
    "  --create-installation FOLDER  lay out a new installation in FOLDER and exit\n"
    "  --create-installation FOLDER --product Grovanta|Pavilo|KOVRA\n"
    "                                lay out that sibling product's installation in FOLDER\n"
    "                                (its empty tables of data set 1), for trying the links\n"
    "  --find-installation           print the installation's base folder (exit 1: none)\n"
    "  --version                     print the program version\n"
    "  --schema-reference            print the table reference\n"
    "  --backup FILE [--tables NAME,...]\n"
    "                                back up the tables (all, or those named by their short names,\n"
    "                                such as Head,Pag1) into FILE, or into FOLDER/vnBack.txt\n"
    "  --restore FILE [--clear] [--force]\n"
    "                                restore a backup file (or FOLDER/vnBack.txt) into the tables:\n"
    "                                merged as \"Restore Data\", or with --clear as \"Clear and\n"
    "                                Restore Data\"; an older backup, another program version or\n"
    "                                lines that cannot be restored are refused unless --force\n"
    "  --import LIST FILE --map MAPFILE\n"
    "                                import the text file into the data list LIST, cut and mapped\n"
    "                                as MAPFILE says (\"N = FIELD\" lines, method, skip, ...)\n"
    "  --export LIST FILE [--layout LAYOUTFILE] [--no-bom]\n"
    "                                export the records of LIST to FILE: CSV (.csv, without a\n"
    "                                byte-order mark with --no-bom), a workbook (.xlsx), else a text\n"
    "                                file by the layout's method; the layout's fields (\"field =\n"
    "                                FIELD\" lines), or without one every field of the list\n"
    "  --import LIST FILE --map MAPFILE [--table NAME]\n"
    "                                import an outside table (.db, .dbf; .mdb, .accdb with --table\n"
    "                                NAME): \"N = FIELD\" fills FIELD from the table's column N\n"
    "  --export LIST FILE.db|FILE.dbf --layout LAYOUTFILE [--replace]\n"
    "                                make the new table FILE of the layout's header, page text and\n"
    "                                memo fields; an existing table is refused unless --replace\n"
    "  --help                        print this text\n"
    "Exit status: 0 done, 1 refused or failed, 2 usage, 3 the program is already running.\n";

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

void reportDriveMap(QTextStream& err) {
    const DriveMap drives = DriveMap::fromEnvironment();
    for (const QString& entry : drives.malformedEntries())
        err << "VARNEDO_DRIVES: the entry \"" << entry << "\" is not LETTER=FOLDER and is ignored." << Qt::endl;
}

int usage(QTextStream& err, const QString& problem) {
    err << problem << Qt::endl << kUsageText;
    return kUsage;
}

int findInstallation(QTextStream& out, QTextStream& err) {
    const auto base = findBaseLocation(DriveMap::fromEnvironment());
    if (!base) {
        err << "No installation was found." << Qt::endl;
        return kFailed;
    }
    out << *base << Qt::endl;
    return kDone;
}

int createInstallationIn(const QString& folder, QTextStream& out, QTextStream& err) {
    const QString base = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    try {
        createInstallation(base);
    } catch (const StoreError& e) {
        err << e.message() << Qt::endl;
        return kFailed;
    }
    out << "Installation created in " << base << Qt::endl;
    return kDone;
}

// A sibling product's installation beside ours, so that its links can be tried and tested.
int createSiblingIn(const QString& folder, const QString& productName, QTextStream& out, QTextStream& err) {
    const QString base = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    for (int i = 0; i < kSiblingProductCount; ++i) {
        const auto product = SiblingProduct(i);
        if (productName.compare(QLatin1String(siblingProduct(product).folder), Qt::CaseInsensitive) != 0) continue;
        try {
            createSiblingInstallation(base, product, FolderTree::stateFolder());
        } catch (const StoreError& e) {
            err << e.message() << Qt::endl;
            return kFailed;
        }
        out << siblingProduct(product).folder << " installation created in " << base << Qt::endl;
        return kDone;
    }
    return usage(err, QStringLiteral("--product takes Grovanta, Pavilo or KOVRA."));
}

// The commands that take arguments of their own and work on the data set.
struct DataSetCommand {
    bool (*matches)(const QString& option);
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

template <auto parse, auto run>
int parsedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString problem;
    const auto parsed = parse(arguments, problem);
    return parsed ? run(*parsed, out, err) : usage(err, problem);
}

constexpr DataSetCommand kDataSetCommands[] = {
    {isBackupCommand, parsedCommand<parseBackupCommand, runBackupCommand>},
    {isInterchangeCommand, parsedCommand<parseInterchangeCommand, runInterchangeCommand>},
};

// The options that take no argument.
struct SimpleOption {
    const char* name;
    int (*run)(QTextStream& out, QTextStream& err);
};

constexpr SimpleOption kSimpleOptions[] = {
    {"--help", [](QTextStream& out, QTextStream&) { out << kUsageText; return kDone; }},
    {"--version", [](QTextStream& out, QTextStream&) { out << kProgramVersion << Qt::endl; return kDone; }},
    {"--schema-reference", [](QTextStream& out, QTextStream&) { out << schema::markdown(); return kDone; }},
    {"--find-installation", findInstallation},
};

}  // namespace

std::optional<int> runCommandLine(const QList<QByteArray>& arguments, QTextStream& out, QTextStream& err) {
    reportDriveMap(err);
    for (const QByteArray& argument : arguments.mid(1))
        if (!isUtf8(argument)) {
            err << "The argument \"" << QString::fromUtf8(argument) << "\" is not valid UTF-8; Varnedo cannot use it."
                << Qt::endl;
            return kFailed;
        }
    if (arguments.size() < 2) return std::nullopt;
    const QString command = QString::fromUtf8(arguments[1]);
    if (command == QLatin1String("--create-installation")) {
        if (arguments.size() == 5 && arguments[3] == "--product")
            return createSiblingIn(QString::fromUtf8(arguments[2]), QString::fromUtf8(arguments[4]), out, err);
        if (arguments.size() != 3)
            return usage(err, QStringLiteral("--create-installation takes one FOLDER [--product NAME]."));
        return createInstallationIn(QString::fromUtf8(arguments[2]), out, err);
    }
    for (const DataSetCommand& dataSetCommand : kDataSetCommands) {
        if (!dataSetCommand.matches(command)) continue;
        QStringList rest;
        for (const QByteArray& argument : arguments.mid(1)) rest << QString::fromUtf8(argument);
        return dataSetCommand.run(rest, out, err);
    }
    for (const SimpleOption& option : kSimpleOptions) {
        if (command != QLatin1String(option.name)) continue;
        if (arguments.size() > 2) return usage(err, command + QStringLiteral(" takes no further arguments."));
        return option.run(out, err);
    }
    return usage(err, QStringLiteral("Unknown option ") + command);
}

}  // namespace vn
