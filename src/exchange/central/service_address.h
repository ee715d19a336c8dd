#pragma once

#include <QString>

namespace vn {

// The pages of the central web service the program opens in the browser.
enum class ServicePage {
    FormUp,      // upload the form control file
    Exclist,     // maintain exclusive selection lists
    Direct,      // direct form access
    DataDown,    // data download logon
    FormDown,    // form download logon
    DataAccess,  // state supporter access
};

// Whose page: the installation's state and office (or county) codes and the list, as the
// caller holds them.
struct ServiceTarget {
    QString state;
    QString office;
    QString list;
};

// <host>/cgi-bin/VNQ.dll?Param1=<page>&Param2=<state>&Param3=<office>&Param4=<list>, every value
// percent-encoded. `host` is the "WebHost" setting (a trailing "/" is dropped).
QString serviceAddress(const QString& host, ServicePage page, const ServiceTarget& target);
// <host>/
QString serviceHomePage(const QString& host);

}  // namespace vn
