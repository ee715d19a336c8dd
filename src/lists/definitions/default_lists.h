#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// The twenty default (canned) selection lists kept in Dsli. Lists 1 to 13 ship filled (list 2
// is filled from the counties when Grovanta is present); 14 to 20 belong to the administrator.
inline constexpr int kDefaultListCount = 20;
inline constexpr int kCountiesList = 2;
inline constexpr int kFirstUserDefinedList = 14;
inline constexpr int kDefaultItemLength = 90;

// "01  States" ... "20  User Defined 7"; empty outside 1..20.
QString defaultListName(int list);
QStringList defaultListNames();
inline bool isUserDefinedList(int list) { return list >= kFirstUserDefinedList && list <= kDefaultListCount; }

}  // namespace vn
