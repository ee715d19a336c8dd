#include "lists/definitions/default_lists.h"

namespace vn {

namespace {

constexpr const char* kNames[kDefaultListCount] = {
    "01  States",
    "02  Counties (Requires Grovanta!)",
    "03  Years  (2000 - 2010)",
    "04  Months",
    "05  Days",
    "06  Hours  (Full Day - 12 Hr System)",
    "07  Hours  (Full Day - 24 Hr System)",
    "08  Hours  (Business Day)",
    "09  1/2 Hours (Business Day)",
    "10  Education",
    "11  Income Level",
    "12  Ages",
    "13  Grades",
    "14  User Defined 1",
    "15  User Defined 2",
    "16  User Defined 3",
    "17  User Defined 4",
    "18  User Defined 5",
    "19  User Defined 6",
    "20  User Defined 7",
};

}  // namespace

QString defaultListName(int list) {
    return list >= 1 && list <= kDefaultListCount ? QString::fromLatin1(kNames[list - 1]) : QString();
}

QStringList defaultListNames() {
    QStringList names;
    for (const char* name : kNames) names << QString::fromLatin1(name);
    return names;
}

}  // namespace vn
