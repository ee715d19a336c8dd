#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// The organisation types, their level and data flow names, and the wizard's help messages.
inline constexpr int kTypeCount = 3;
inline constexpr int kLevelCount = 3;
inline constexpr int kFlowCount = 2;

QString typeName(int type);              // "Educational", ... ; empty outside 1..3
QStringList levelNames(int type);        // levels 1..3; type 0 names them as type 1
QStringList flowNames(int type);         // flows 1..2; likewise

// The user situation of a level and flow: 1, 2, 4, 5, 6; 0 when the pair is incomplete or invalid.
int situationFor(int level, int flow);

namespace wizard_text {

inline constexpr char kSelectType[] = "Please select your Organization Type.";
inline constexpr char kSetupExists[] =
    "A Setup has already been performed.  Click [Exit] to exit.  If a change in Setup is required, contact your "
    "computer or software tech for the required password.";
inline constexpr char kPasswordAccepted[] = "Please select your level of operation.";
inline constexpr char kCountyThenSave[] =
    "You have selected a county.  Please verify that this is indeed the proper county.  If not, please re-select.  "
    "Click [Save Setup] to complete the setup process.";
inline constexpr char kCountyThenNext[] =
    "You have selected a county.  Please verify that this is indeed the proper county.  If not, please re-select.  "
    "If correct, proceed (Click Next) to select the District with which you will exchange data.";
inline constexpr char kSelectExchangeDistrict[] = "Please select the District that you will be exchanging data with.";
inline constexpr char kDistrictThenSave[] =
    "You have selected a District.  Please verify that this is indeed the proper District.  If not, please "
    "re-select. Click [Save Setup] to complete the setup process";
inline constexpr char kDistrictThenNext[] =
    "You have selected a District.  Please verify that this is indeed the proper District.  If not, please "
    "re-select. Click [Next] to select all the counties from which this District will accept data.";
inline constexpr char kSelectCounties[] =
    "Please select all counties that you will be exchanging data with.  If you select a county in error, simply "
    "click on the county in the right hand box to cancel that selection.  When you have selected all counties, "
    "click [Save Setup].";
inline constexpr char kConfirmSave[] =
    "Please verify that all aspects of your setup are correct. If not, click [Cancel] and start over with the "
    "\"Select Operation Level\".  If correct then click [Ok] to save setup.";
inline constexpr char kSaved[] =
    "Varnedo will now close.  When the program is re-executed the Setup parameters will take effect.  Thank You.";
inline constexpr char kCountyListTitle[] = "Select Office/County Id...";

}  // namespace wizard_text

// The lines at the top of the wizard view.
QStringList welcomeLines();

QString typeMessage(int type);
QString levelMessage(int type, int level);
QString flowMessage(int type, int situation);
QString knownDistrictsTitle(int count);
// Refusal of one county more than the district's row can hold.
QString countyCapacityMessage(int capacity);

}  // namespace vn
