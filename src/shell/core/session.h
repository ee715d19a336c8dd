#pragma once

#include "lists/definitions/definition_cache.h"
#include "lists/siblings/sibling_places.h"
#include "platform/help_agent.h"
#include "shell/core/label_setup.h"
#include "shell/core/progress_log.h"
#include "store/access/record_access.h"
#include "store/files/folder_tree.h"
#include "store/settings/settings.h"
#include "store/text/sort_buffer.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace vn {

class Prompter;

// Who this installation is, settled at start and by the deferred step.
struct InstallationIdentity {
    QString stateName;
    QString stateCode;
    QString countyCode;
    QString districtCode;
    QString installationName = QStringLiteral("?????");
    QString countyNumber;
    QString districtName;
    QString districtNumber;
    int organisationType = 0;
    int operationalLevel = 0;
    int dataFlow = 0;
    int userSituation = 0;
};

struct PrinterState {
    QString platformName;    // as the platform lists it
    QString name;            // upper case
    int index = 0;
    bool laser = false;
    QString fontName;        // from "MasterFont"
    bool pdfAvailable = true;  // PDF output never needs an installed driver here
};

// The state the windows share: tables, settings, identity and navigation. Owned by the main
// window, handed to every other window; no widgets in it.
class Session {
public:
    Session(const QString& base, Prompter& prompter);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    QString title() const;  // state, installation, product and version

    FolderTree folders;
    Prompter& prompter;
    ProgressLog log;
    TableCatalogue catalogue;
    RecordAccess access;
    Settings settings;
    SortBuffer sortBuffer;
    InstallationIdentity identity;
    PrinterState printer;
    std::array<SiblingInstallation, 3> siblings;
    // The siblings found and our state folder: where their sources are read.
    SiblingPlaces siblingPlaces() const { return {siblings, identity.stateCode}; }
    QStringList listCodes;  // record codes of all data lists, in key order
    QString currentListCode;  // the data list the designer and the entry window work on
    QString currentListTitle;
    std::shared_ptr<const DefinitionCache> definitions;  // the current list's fields, when loaded
    LabelSetup labels;

    bool started = false;  // the tables were opened; only then is there anything to save
    bool exitFlag = false;
    bool firstTime = false;
    bool openUpgradePage = false;
    bool shutdownDone = false;
    bool saveFailed = false;  // the orderly exit could not save: the program ends with a failure
    int cameFrom = 1;
    int builderReturn = 0;
    // What a window asks of the next one it shows, taken when that one shows: the request kind
    // the request builder starts (0: none), the entry window's record selection.
    int builderStart = 0;
    bool entryShowsRecords = false;
    bool listChosenInEntry = false;  // the record entry window chose a data list in this run
    QString helpContext = QStringLiteral("1");
    // The main window's help character; never null (none until one is plugged in).
    HelpAgent* helpAgent = &noHelpAgent();
    std::function<bool(const QString&)> openAddress;  // hands an address to the desktop
    // Run first by the orderly exit, while the tables are still open (a window drops an unsaved
    // new record, for example).
    std::vector<std::function<void()>> beforeShutdown;
};

// Reads the record codes of all data lists again (after a list is added, cloned or deleted).
void reloadListCodes(Session& session);

// "code  title" for every known list that has its List row.
QStringList ListEntries(Session& session);

// The background picture of menu screen n (1 to 12) when pictures are on and the file exists.
QString menuPicture(const Session& session, int screen);

// Marks a run that has not yet ended in order; its presence at start means the last run crashed.
QString runMarkerPath(const Session& session);

}  // namespace vn
