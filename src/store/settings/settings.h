#pragma once

#include "store/settings/setting_facts.h"

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

struct MailSettings {
    int method = 0;  // 1 dial-up, 2 LAN
    QString sender;
    QString user;
    QString server;
    QString domain;
    QString password;
    QString ispPhone;
    QString sendTo;
};

// The settings the program works with, read once at start.
struct Settings {
    int organisationType = 0;  // 0: setup not done
    int operationalLevel = 0;  // 1 county, 2 district, 3 state; 0: setup not done
    int userSituation = 0;
    int dataFlow = 0;          // 1 county to state, 2 county to district to state
    QString countyInfo;        // read at the county level only
    QString districtInfo;      // read at the county and district levels only
    QString versionNumber;
    qint64 accessCount = 0;    // this start included
    bool multimachine = false;
    bool dataReadOnly = false;
    bool menuImages = false;
    QStringList menuImageNames;  // "M1" to "M12"; empty unless menuImages
    QString zipDrive;
    QString backDrive;
    QString floppyDrive;
    QString wordProcessor;
    QString masterPrinter;
    QString masterFont;
    QString backupDate;          // as stored; parseTableDateTime reads it
    MailSettings mail;
    bool agentHelp = false;
    int agentNumber = 0;
    bool helpWrite = false;
    int institution = 0;
    QString defaultPrinter;
    int printerIndex = 0;
    QString webHost;  // the central web service, "https://..." without a trailing "/"
};

inline constexpr int kMenuImageCount = 12;
inline constexpr int kMenuImageNameLength = 23;

// Reads every start-up setting, defining the missing ones, and applies the start rules: the
// version is rewritten, the start count goes up by one, the current printer is recorded.
Settings readSettings(RecordAccess& access, const SettingFacts& facts);

}  // namespace vn
