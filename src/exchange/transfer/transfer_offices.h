#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

// The offices a file can be sent to, as the three senders offer them: every county ("ALB  Albany",
// key order), every district when the data flow is 2 (county, district, state), then the state
// ("WY_  Wyoming").
QStringList transferDestinations(RecordAccess& access, int dataFlow, const QString& stateCode, const QString& stateName);

// The office code of a destination entry: its first three characters.
QString destinationCode(const QString& entry);

// Who sent a received file, from the first three characters of its name: "   (from Albany)"
// for a county, the district's name for a district, else "   (from State)".
QString senderText(RecordAccess& access, const QString& fileName);

// What "Description..." shows of a data list: its description (List field 15).
QString listDescription(RecordAccess& access, const QString& listCode);

}  // namespace vn
