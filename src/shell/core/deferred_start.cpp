#include "shell/core/deferred_start.h"

#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/start_facts.h"
#include "store/settings/county_tables.h"
#include "store/settings/parameter_reading.h"
#include "store/program_version.h"
#include "store/settings/table_date_time.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kParm = 3, kCounties = 4, kDistricts = 5, kSystem = 2;

void resolveCounty(Session& session) {
    InstallationIdentity& id = session.identity;
    RecordAccess& a = session.access;
    id.countyCode = readParameter(a, QStringLiteral("CountyInfo"), settingFacts(session)).value;
    if (a.FindRecord(kCounties, id.countyCode)) {
        id.installationName = a.GetFieldText(kCounties, 2);
        id.countyNumber = a.GetFieldText(kCounties, 1);
        if (id.countyNumber.isEmpty()) {
            NumberCounties(a);
            if (a.FindRecord(kCounties, id.countyCode)) id.countyNumber = a.GetFieldText(kCounties, 1);
        }
    }
}

void resolveDistrict(Session& session, bool nameTheInstallation) {
    InstallationIdentity& id = session.identity;
    RecordAccess& a = session.access;
    id.districtCode = readParameter(a, QStringLiteral("DistrictInfo"), settingFacts(session)).value;
    if (!a.FindRecord(kDistricts, id.districtCode)) return;
    id.districtName = a.GetFieldText(kDistricts, 2);
    id.districtNumber = a.GetFieldText(kDistricts, 1);
    if (nameTheInstallation) id.installationName = id.districtName;
}

void resolveState(Session& session) {
    static const char* const kNames[] = {"", "State", "Federal", "Home Office"};
    InstallationIdentity& id = session.identity;
    id.countyNumber = QStringLiteral("0");
    if (id.organisationType >= 1 && id.organisationType <= 3) id.installationName = QString::fromLatin1(kNames[id.organisationType]);
    id.countyCode = id.stateCode + '_';
}

void firstTimeSetup(Session& session, Navigator& navigator) {
    session.firstTime = true;
    navigator.ShowWindow({SetupWindow});
    session.identity.countyCode = readParameter(session.access, QStringLiteral("CountyInfo")).value;
    session.identity.districtCode = readParameter(session.access, QStringLiteral("DistrictInfo")).value;
}

// A missing date row never warns; an empty one always does.
void checkBackupAge(Session& session, const QDate& today) {
    if (!session.access.FindRecord(kParm, QStringLiteral("BackUpDate"))) return;
    if (!backupTooOld(session.access.GetFieldText(kParm, 2), today)) return;
    session.prompter.warning(QStringLiteral("The Last Backup Of This Data Set Has Exceeded Seven Days!"));
}

// The new version is recorded once its backup exists: a failed backup is tried again at the
// next start.
void checkVersion(Session& session, const DeferredHooks& hooks) {
    RecordAccess& a = session.access;
    const QString version = QString::fromLatin1(kProgramVersion);
    a.EnsureRecord(kSystem, QStringLiteral("Version"));
    if (a.GetFieldText(kSystem, 1) == version) return;
    VersionBackup backup;
    if (hooks.versionBackup) {
        session.prompter.beep();
        backup = hooks.versionBackup();
        if (!backup.written) return;
    }
    a.EnsureRecord(kSystem, QStringLiteral("Version"));
    a.SetFieldText(kSystem, 1, version);
    if (!backup.written) return;
    session.prompter.information(
        QStringLiteral("Varnedo has detected a version change!\r\rA data backup file [%1] for this version has "
                       "been made! Backup's made prior to this version are no longer valid.  You are advised to make a "
                       "second backup on one of your removable media drives. As always, it is best if the date and "
                       "version number used to make the backup are written on the data backup diskette.\r\rThank You, "
                       "Halvorin").arg(backup.path));
}

}  // namespace

void resolveInstallation(Session& session) {
    const int level = session.identity.operationalLevel;
    if (level == 1) {
        resolveCounty(session);
        resolveDistrict(session, false);
    } else if (level == 2) {
        resolveDistrict(session, true);
    } else if (level == 3) {
        resolveState(session);
    }
}

bool backupTooOld(const QString& backupDate, const QDate& today) {
    if (backupDate.trimmed().isEmpty()) return true;
    const QDateTime when = parseTableDateTime(backupDate);
    return !when.isValid() || when.date().daysTo(today) > 7;
}

void DeferredStart(Session& session, ShellView& view, Navigator& navigator, const DeferredHooks& hooks) {
    view.setMainMenusEnabled(true);
    const InstallationIdentity& id = session.identity;
    if (id.organisationType == 0 || id.operationalLevel == 0 || session.settings.dataFlow == 0) firstTimeSetup(session, navigator);
    resolveInstallation(session);
    checkBackupAge(session, hooks.today);
    checkVersion(session, hooks);
    showWhatsNew(session, view, navigator, false);
    reloadListCodes(session);
    view.setTitle(session.title() + QStringLiteral("  ") + QString::number(std::max<qint64>(0, session.settings.accessCount - 1)));
    if (!session.firstTime && hooks.findUpgrades) hooks.findUpgrades();
}

}  // namespace vn
