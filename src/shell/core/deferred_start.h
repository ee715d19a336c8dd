#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace vn {

class Navigator;
class Session;
class ShellView;

// The backup a version change made: where, or nothing when it failed (the user was told why).
struct VersionBackup {
    bool written = false;
    QString path;
};

struct DeferredHooks {
    QDate today = QDate::currentDate();
    // Writes the backup a version change calls for. Unset, the version is recorded without one.
    std::function<VersionBackup()> versionBackup;
    // Looks for pending table layout changes; not run on a first-time start.
    std::function<void()> findUpgrades;
};

// The one-shot step once the main window is up: menus, first-time setup, the installation's
// county or district, backup age, version, What's New, the title with the start count.
void DeferredStart(Session& session, ShellView& view, Navigator& navigator, const DeferredHooks& hooks = {});

// The installation's name, county and district as its operational level gives them.
void resolveInstallation(Session& session);

// The What's New notes not dismissed yet (all of them when forced).
void showWhatsNew(Session& session, ShellView& view, Navigator& navigator, bool force);

// True when the backup date calls for the seven-day warning.
bool backupTooOld(const QString& backupDate, const QDate& today);

}  // namespace vn
