#include "store/settings/settings_table.h"

#include <array>

namespace vn {

namespace {

struct Row {
    const char* key;
    const char* prompt;  // nullptr: the system never defines the setting
    const char* locked;
    std::array<const char*, kDefinedOptions> options;
    const char* count;
    const char* value;
    const char* use;
    DefaultFrom from = DefaultFrom::Table;
    int repeat = 0;  // > 0: key, prompt and value hold %1, one setting for each of 1 .. repeat
};

constexpr std::array<const char*, kDefinedOptions> kNone{};
constexpr std::array<const char*, kDefinedOptions> kLevels{"0", "1", "2", "3"};
constexpr std::array<const char*, kDefinedOptions> kTrueFalse{"True", "False"};

constexpr Row kRows[] = {
    {"OType", "Select Organization Type", "T", kLevels, "4", "0",
     "Organisation type; at the state level 1, 2, 3 name the installation \"State\", \"Federal\", \"Home Office\"; "
     "0 means setup not done."},
    {"OpLevel", "Select Operational Level", "T", kLevels, "4", "0",
     "Operational level: 1 county, 2 district, 3 state; 0 means setup not done."},
    {"UserSituation", "Setup Situation", "T", kNone, "0", "0",
     "Non-zero once the organisation setup has been done."},
    {"DataFlow", "Select Data Flow Method", "T", {"0", "1", "2"}, "3", "0",
     "1 county to state, 2 county to district to state; 0 means setup not done."},
    {"CountyInfo", "County Of Usage", "T", kNone, "", "", "County code of the installation (county level)."},
    {"DistrictInfo", "District Of Usage", "T", kNone, "", "", "District code of the installation."},
    {"VersionNumber", "Grovanta! current version number", "T", kNone, "0", "",
     "Rewritten with the running version at every start.", DefaultFrom::ProgramVersion},
    {"TransferDate", "Current Varnedo Transfer Date", "T", kNone, "0", "",
     "Date and time of the last data send build."},
    {"MasterPrinter", "VN Default Printer", "T", kNone, "0", "", "Printer name kept for printing.",
     DefaultFrom::PrinterName},
    {"MasterFont", "VN Default Printer Font", "T", kNone, "0", "Arial", "Font name given to the printer at start."},
    {"Multimachine", "Multiple installations on network", "F", kTrueFalse, "2", "False",
     "Kept; no other behaviour depends on it."},
    {"Datareadonly", "Member/Leader data read only", "F", kTrueFalse, "2", "False",
     "Kept; no other behaviour depends on it."},
    {"MenuImages", "Menu Image Displaying Enabled", "F", kTrueFalse, "2", "True",
     "When \"True\", windows show background pictures named by \"M1\" to \"M12\"."},
    {"M%1", "Menu %1 Image Name", "F", kNone, "0", "I%1.bmp",
     "Picture file name for menu screen N, at most 23 characters kept; read only when \"MenuImages\" is \"True\".",
     DefaultFrom::Table, 12},
    {"BackUpDate", "Date Of Last Backup", "F", kNone, "0", "",
     "Date and time of the last backup; its age is tested after start."},
    {"CurLabel", nullptr, "", kNone, "", "", "Current label layout name."},
    {"Institution", nullptr, "", kNone, "", "", "First character read as a digit; no other behaviour depends on it."},
    {"ZipDrive", "100 MB Zip drive letter (D: E: F: G: etc.)", "F", {"D:", "E:", "F:", "G:", "H:"}, "5", "D:",
     "Drive of the removable-disk backup destination."},
    {"BackDrive", "Hard disk backup drive letter (C: D: E: F: etc.)", "F", {"C:", "D:", "E:", "F:", "G:"}, "5", "C:",
     "Drive of the hard-disk backup destination."},
    {"FloppyDrive", "Floppy disk backup drive letter (A: B:)", "F", {"A:", "B:"}, "2", "A:",
     "Drive of the diskette backup destination."},
    {"AccessCount", "Program execution count", "T", kNone, "0", "0",
     "Number of starts; incremented by one at every start and shown in the main window title."},
    {"WordProcessor", "Word Processor Name and Path", "F", kNone, "0", "", "Program used to open generated documents."},
    {"AgentHelp", "Allow Microsoft Agent Help", "T", kTrueFalse, "2", "True",
     "Help agent enabled; when newly defined, the agent stays off until the next start."},
    {"AgentNumber", "Microsoft Help Agent Number", "", {"1", "2", "3", "4"}, "4", "0",
     "Help agent character 1 to 4; 0 none."},
    {"EMethod", "EMail:  Method (1 - Dialup) (2 - LAN)", "F", {"0", "1", "2"}, "3", "0", "E-mail connection method."},
    {"ESender", "EMail:  Sender (User) Email Address", "F", kNone, "0", "", "SMTP sender address."},
    {"EUser", "EMail:  User Mail Id", "F", kNone, "0", "", "SMTP user id."},
    {"EServer", "EMail:  Server (ISP) Name", "F", kNone, "0", "", "SMTP server name."},
    {"EDomain", "EMail:  Domain Name or Number", "F", kNone, "0", "", "SMTP domain sent in the greeting."},
    {"EPassword", "EMail:  User Email Password", "F", kNone, "0", "", "Mail password, stored as entered."},
    {"EISPPhone", "EMail:  Service Provider Phone Number", "F", kNone, "0", "", "Dial-up number."},
    {"ESendTo", "EMail:  Data Send To Email Address", "F", kNone, "0", "", "Address that data sends are mailed to."},
    {"HelpWrite", "Allow Help Phrase Input", "T", kTrueFalse, "2", "False",
     "When \"True\", asking for help on a control opens the help phrase editor instead of the agent."},
    {"DefaultPrinter", "Corvello Default Printer", "T", kNone, "", "",
     "Current printer: its name and index are written at every start and the index is used for printing.",
     DefaultFrom::Printer},
    {"WebHost", "Varnedo Central Web Service Host", "T", kNone, "0", VARNEDO_WEB_HOST,
     "Address of the central web service's host (scheme and name, no trailing \"/\"); its pages are opened below it."},
};

QString text(const char* s) { return QString::fromUtf8(s); }

Setting settingOf(const Row& row, const QString& number) {
    const auto fill = [&](const char* s) { return number.isEmpty() ? text(s) : text(s).arg(number); };
    Setting setting{fill(row.key), row.prompt ? fill(row.prompt) : QString(), text(row.locked), {},
                    text(row.count), fill(row.value), text(row.use), row.from, row.prompt != nullptr};
    for (const char* option : row.options)
        if (option) setting.options << text(option);
    return setting;
}

QList<Setting> expandRows() {
    QList<Setting> all;
    for (const Row& row : kRows) {
        if (row.repeat == 0) all << settingOf(row, {});
        for (int n = 1; n <= row.repeat; ++n) all << settingOf(row, QString::number(n));
    }
    return all;
}

}  // namespace

const QList<Setting>& settingsTable() {
    static const QList<Setting> all = expandRows();
    return all;
}

const Setting* findSetting(const QString& key) {
    for (const Setting& setting : settingsTable())
        if (setting.key == key) return &setting;
    return nullptr;
}

ParameterDefinition defaultDefinition(const Setting& setting, const SettingFacts& facts) {
    ParameterDefinition definition{setting.key, setting.prompt, setting.locked, setting.options, setting.count,
                                   setting.defaultValue};
    switch (setting.from) {
        case DefaultFrom::Table: break;
        case DefaultFrom::ProgramVersion: definition.value = facts.programVersion; break;
        case DefaultFrom::PrinterName: definition.value = facts.printer.name; break;
        case DefaultFrom::Printer:
            definition.value = facts.printer.name;
            definition.count = QString::number(facts.printer.index);
            break;
    }
    return definition;
}

}  // namespace vn
