#include "setup/maintenance/maintenance_tasks.h"

#include "setup/maintenance/key_conversion.h"
#include "setup/maintenance/record_cleanup.h"
#include "setup/maintenance/selection_key_repair.h"
#include "setup/maintenance/table_clearing.h"
#include "setup/maintenance/table_packing.h"

#include <array>

namespace vn {

namespace {

TaskOutcome counted(std::initializer_list<TaskCount> counts) {
    TaskOutcome outcome;
    outcome.counts = counts;
    return outcome;
}

TaskOutcome cancelled() {
    TaskOutcome outcome;
    outcome.cancelled = true;
    return outcome;
}

TaskOutcome installLevelClear(MaintenanceContext& c) {
    const InstallationClearing done = clearInstallation(c.access);
    TaskOutcome outcome = counted({{QStringLiteral("Rows deleted"), done.rowsDeleted},
                                   {QStringLiteral("Settings reset"), done.settingsReset}});
    outcome.closingMessage = QStringLiteral("Varnedo will now close.");
    return outcome;
}

TaskOutcome clearLinksFile(MaintenanceContext& c) {
    return counted({{QStringLiteral("Link rows deleted"), clearLinks(c.access)}});
}

TaskOutcome convertKeys(MaintenanceContext& c) {
    const KeyConversion done = convertRecordKeys(c.access, c.origin, c.step);
    if (done.cancelled) return cancelled();
    return counted({{QStringLiteral("Records converted"), done.converted},
                    {QStringLiteral("Numbers in use passed over"), done.numbersSkipped},
                    {QStringLiteral("Records left under their old keys"), done.left}});
}

TaskOutcome fixSelectionItems(MaintenanceContext& c) {
    const SelectionKeyRepair done = repairSelectionKeys(c.access);
    return counted({{QStringLiteral("Items given five-character keys"), done.widened},
                    {QStringLiteral("Items already present under the new key"), done.merged},
                    {QStringLiteral("Items with unusable keys deleted"), done.deleted}});
}

TaskOutcome removeComponents(MaintenanceContext& c) {
    const ComponentRemoval done = removeTableComponents(c.access);
    return counted({{QStringLiteral("Table field definitions deleted"), done.definitions},
                    {QStringLiteral("Table constructions deleted"), done.constructions}});
}

TaskOutcome removeNulls(MaintenanceContext& c) {
    return counted({{QStringLiteral("Records deleted"), removeNullRecords(c.access)}});
}

TaskOutcome packTables(MaintenanceContext& c) {
    TablePacking done = packDataTables(c.access, c.step);
    TaskOutcome outcome = done.cancelled ? cancelled() : TaskOutcome{};
    outcome.refusal = done.refusal;
    outcome.packed = std::move(done.tables);
    return outcome;
}

const std::array kTasks = {
    MaintenanceTask{1, "Install Level Clear  (Caution!)",
                    "Continuation will clear all data files!\r\r[List, Head, Help, Fdis, Selc, Coci, Pag1, Pag2, Pag3,  "
                    "Pag4, Pag5, Pag6, Queu, Sinf, Pinf, Phra, Chec, Dele, Link, Tdat]\r\rContinue??",
                    false, installLevelClear},
    MaintenanceTask{2, "Clear Links Data File", "Continuation will clear links data file!\r\rContinue??", false,
                    clearLinksFile},
    MaintenanceTask{3, "Convert Record Keys", nullptr, false, convertKeys},
    MaintenanceTask{4, "Fix Canned Selection List Items", nullptr, false, fixSelectionItems},
    MaintenanceTask{5, "Remove All Table Components", nullptr, false, removeComponents},
    MaintenanceTask{6, "Remove All Null Records", nullptr, false, removeNulls},
    MaintenanceTask{7, "Pack Data Tables (CAUTION!!!)",
                    "Please note: The Data Table Packing routine is a very time extensive process and MUST NOT be "
                    "interrupted!\r\rDo you wish to continue?",
                    true, packTables},
};

}  // namespace

std::span<const MaintenanceTask> maintenanceTasks() { return kTasks; }

QString numberedCaption(const MaintenanceTask& task) {
    return QStringLiteral("%1)   %2").arg(task.number).arg(QString::fromLatin1(task.caption));
}

}  // namespace vn
