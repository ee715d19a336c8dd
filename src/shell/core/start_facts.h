#pragma once

#include "platform/drive_map.h"
#include "store/settings/setting_facts.h"

#include <QDateTime>
#include <QStringList>

namespace vn {

class Session;

// What the start-up needs of the platform, gathered by the caller (tests pass their own).
struct StartFacts {
    QStringList printerNames;       // installed printers in the platform's order
    PrinterFacts currentPrinter;    // no printer: empty name, index 0
    DriveMap drives = DriveMap(QString());
    QDateTime now = QDateTime::currentDateTime();
};

SettingFacts settingFacts(const Session& session);

}  // namespace vn
