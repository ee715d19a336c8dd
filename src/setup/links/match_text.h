#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

inline constexpr int kMatchTextLength = 110;
inline constexpr int kMatchConditionCount = 4;

// The captions of match conditions 1 to 4, in order.
QStringList matchConditionCaptions();

// The Head fields whose texts, joined in this order, form a record's match text under a
// condition (1 to 4); empty for any other number.
QList<int> matchFields(int condition);

// Spaces, casing and punctuation ignored: the punctuation dropped, a-z upper-cased, then padded
// with spaces or cut to kMatchTextLength. Commas, backslashes, vertical bars, digits, letters,
// control characters and characters above 127 stay.
QString normaliseMatchText(const QString& text);

// True when nothing but padding is left: such a text would match every nameless record.
bool isBlankMatchText(const QString& normalised);

// The normalised match text of the Head row current in access.
QString currentMatchText(RecordAccess& access, const QList<int>& fields);

}  // namespace vn
