#pragma once

#include <QString>

namespace vn {

class Prompter;
class RecordAccess;

namespace designer_messages {
inline const QString kDuplicateName =
    QStringLiteral("Duplicate Field Name Entered!  Enter a new (different) field name.");
inline const QString kPageTitleTooLong =
    QStringLiteral("Page Name can not exceed 12 Characters in Length. Please modify.");
inline const QString kTableTooWide = QStringLiteral("Total column's size exceeds page size.  Enter new sizes");
inline const QString kTooWide =
    QStringLiteral("A field can not be wider than the page: at most 81 characters.  The size has been set to 81.");
inline const QString kEraseCaution = QStringLiteral("CAUTION!  Confirm erasing all fields from current screen!");
inline const QString kPageFull =
    QStringLiteral("All 83 field numbers of this page are in use (deleted fields keep theirs).  "
                   "Add further fields on another page.");
}  // namespace designer_messages

enum class Removal { Field, Page };

// Asks before fields go: the question given, then, when the list already holds records, a second
// question naming how many (their values stay in the columns of what is removed). True on OK to
// both.
bool confirmRemoval(Prompter& prompter, RecordAccess& access, const QString& listCode, const QString& question,
                    Removal removal);

}  // namespace vn
