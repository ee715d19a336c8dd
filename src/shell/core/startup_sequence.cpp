#include "shell/core/startup_sequence.h"

#include "platform/prompter.h"
#include "shell/core/session.h"
#include "shell/core/sibling_search.h"
#include "shell/core/table_recovery.h"
#include "shell/core/table_saving.h"
#include "store/engine/store_error.h"
#include "store/settings/parameter_reading.h"
#include "store/settings/table_date_time.h"
#include "store/text/case_conversion.h"
#include "store/upgrades/factory_tables.h"

#include <QFile>

namespace vn {

namespace {

constexpr int kParmSlot = 3;
constexpr int kValueField = 2;
constexpr int kCountyLevel = 1;

void noteThePrinter(Session& session, const StartFacts& facts) {
    session.printer.platformName = facts.currentPrinter.name;
    session.printer.index = facts.currentPrinter.index;
    session.printer.name = UpperCaseText(facts.currentPrinter.name);
    session.printer.laser = session.printer.name.contains(QLatin1String("LASER"));
}

// A factory file that is missing or refused is logged and tried again at the next start.
void addNewFactoryTables(Session& session) {
    const FactoryOutcome outcome = addFactoryTables(session.access.database(TableCatalogue::kSystemSlot),
                                                    session.folders.newTablesFolder(), QDateTime::currentDateTime());
    for (const QString& problem : outcome.problems) session.log.append(QString(problem).replace('\r', ' '));
    for (const QString& table : outcome.loaded) {
        session.prompter.beep();
        session.prompter.information(QStringLiteral("Varnedo has loaded a new Factory Table [%1]").arg(table));
    }
}

void prepareTables(Session& session) {
    session.log.append(QStringLiteral("Copy system file from saves folder..."));
    const bool refreshSaved = recoverLiveDatabase(session);
    replaceMissingDatabase(session);
    replaceMissingTables(session, 1, TableCatalogue::kSystemSlot);
    session.log.append(QStringLiteral("Open system file..."));
    session.access.OpenTable(TableCatalogue::kSystemSlot,
                             TableLocation::dataTable(session.folders.dataFolder(), TableCatalogue::kSystemSlot));
    session.log.append(QStringLiteral("Processing New Table Additions..."));
    addNewFactoryTables(session);
    session.log.append(QStringLiteral("Check for all data files..."));
    replaceMissingTables(session, TableCatalogue::kFirstDataSlot, TableCatalogue::kLastDataSlot);
    session.log.append(QStringLiteral("Remove all file hidden and readonly flags..."));
    session.log.append(QStringLiteral("Copy all files from saves folder..."));
    if (refreshSaved) refreshSavedCopy(session);
}

void readOrganisation(Session& session) {
    session.log.append(QStringLiteral("Open parameter file..."));
    session.access.OpenTable(kParmSlot, TableLocation::dataTable(session.folders.dataFolder(), kParmSlot));
    const SettingFacts facts = settingFacts(session);
    InstallationIdentity& id = session.identity;
    id.organisationType = readParameterInt(session.access, QStringLiteral("OType"), facts);
    id.operationalLevel = readParameterInt(session.access, QStringLiteral("OpLevel"), facts);
    id.userSituation = readParameterInt(session.access, QStringLiteral("UserSituation"), facts);
    if (id.operationalLevel == kCountyLevel && session.access.FindRecord(kParmSlot, QStringLiteral("CountyInfo")))
        id.countyCode = session.access.GetFieldText(kParmSlot, kValueField);
    session.log.append(QStringLiteral("Close parameter file..."));
    session.access.CloseTable(kParmSlot);
}

void openEverything(Session& session, const StartFacts& facts) {
    noteThePrinter(session, facts);
    session.catalogue.ReopenDataTables(session.folders.dataFolder(),
                                       [&session](const QString& line) { session.log.append(line); });
    session.log.append(QStringLiteral("Get system parameters..."));
    session.settings = readSettings(session.access, settingFacts(session));
    session.identity.dataFlow = session.settings.dataFlow;
    session.log.append(QStringLiteral("Opening dynamic memory arrays..."));
    session.sortBuffer.ClearSortBuffer();
    session.identity.installationName = QStringLiteral("?????");
    session.log.append(QStringLiteral("Setting up bar code data arrays..."));
    session.printer.fontName = session.settings.masterFont;
    session.log.append(QStringLiteral("All files and arrays open - Varnedo is running..."));
    findSiblings(session, facts.drives);
}

void markRunning(Session& session) {
    QFile marker(runMarkerPath(session));
    if (!marker.open(QIODevice::WriteOnly))
        throw StoreError(QStringLiteral("Cannot create %1: %2").arg(marker.fileName(), marker.errorString()));
}

}  // namespace

bool runStartup(Session& session, const StartFacts& facts) {
    session.log.recreate(QStringLiteral("Starting Varnedo at ") + formatTableDateTime(facts.now));
    try {
        prepareTables(session);
        markRunning(session);
        readOrganisation(session);
        openEverything(session, facts);
    } catch (const StoreError& e) {
        try {
            session.log.append(QStringLiteral("Varnedo cannot start: ") + QString(e.message()).replace('\r', ' '));
        } catch (const StoreError&) {
            // The message below says it all the same.
        }
        session.prompter.beep();
        session.prompter.error(e.message() + QStringLiteral("\r\rVarnedo cannot start."));
        session.catalogue.closeAll();
        return false;
    }
    session.started = true;
    return true;
}

}  // namespace vn
