#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace vn {

class RecordAccess;

// The record selection view's "Listing Method...".
enum class ListingOrder { ByName = 1, ById = 2, ByWebCreation = 3 };

// One line of the record list. The key travels with the line, so nothing has to be cut back
// out of the text (keys are 17 or 18 characters long).
struct ListingEntry {
    QString key;
    QString text;  // key + "  " + Last + ", " + First + "  " + M.I.
    QString last;
};

// The records of one data list, in a chosen order, limited to accepted office codes.
class RecordListing {
public:
    explicit RecordListing(RecordAccess& access) : m_access(access) {}

    // accepted: upper-case office codes (key characters 6 to 8); nothing accepts every office.
    QList<ListingEntry> list(const QString& listCode, ListingOrder order,
                             const std::optional<QSet<QString>>& accepted = std::nullopt);

private:
    RecordAccess& m_access;
};

QString recordEntryText(const QString& key, const QString& last, const QString& first, const QString& middle);

// The first entry whose last name begins with the typed text, without regard to case.
std::optional<int> findLastName(const QList<ListingEntry>& entries, const QString& typed);

}  // namespace vn
