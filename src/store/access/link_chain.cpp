// Chained key lists: a base key's entries spread over blocks keyed base key + "AA" ... "ZZ".
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

constexpr int kSuffixCount = 26 * 26;
constexpr int kCount = 1, kPosition = 2, kReading = 3, kCleared = 4, kEntries = 5;

QString suffix(int n) { return QString(QChar('A' + n / 26)) + QChar('A' + n % 26); }

int suffixNumber(const QString& s) {
    if (s.size() != 2 || s[0] < 'A' || s[0] > 'Z' || s[1] < 'A' || s[1] > 'Z') return -1;
    return (s[0].unicode() - 'A') * 26 + (s[1].unicode() - 'A');
}

}  // namespace

void RecordAccess::indexLimitError() {
    m_prompter.beep();
    m_prompter.error(QStringLiteral("Index limit for this data set has been exceeded!. Contact State Support Staff."));
}

int RecordAccess::linkEntryWidth(int slot, const QString& entry) const {
    const int width = TableCatalogue::info(slot).entryWidth;
    if (width <= 0)
        throw StoreError(QStringLiteral("Table %1 [%2] keeps no link entries.").arg(slot).arg(TableCatalogue::shortName(slot)));
    // An entry of another width would shift every later entry of the block.
    if (entry.size() != width)
        throw StoreError(QStringLiteral("The link entry \"%1\" is %2 characters long; entries of table %3 are %4 characters.")
                             .arg(entry)
                             .arg(entry.size())
                             .arg(slot)
                             .arg(width));
    return width;
}

int RecordAccess::linkCapacity(int slot, int width) { return GetFieldSize(slot, kEntries) / width; }

void RecordAccess::AppendLinkEntry(int slot, const QString& baseKey, const QString& entry) {
    const int width = linkEntryWidth(slot, entry);
    const int capacity = linkCapacity(slot, width);
    for (int n = 0; n < kSuffixCount; ++n) {
        const QString key = baseKey + suffix(n);
        if (FindRecord(slot, key)) {
            const int count = GetFieldInt(slot, kCount);
            if (count >= capacity) continue;
            SetFieldInt(slot, kCount, count + 1);
            SetFieldText(slot, kEntries, GetFieldText(slot, kEntries).left(count * width) + entry);
        } else {
            EnsureRecord(slot, key);
            SetFieldInt(slot, kCount, 1);
            SetFieldInt(slot, kPosition, 1);
            SetFieldText(slot, kEntries, entry);
        }
        return;
    }
    indexLimitError();
}

bool RecordAccess::LinkChainFull(int slot, const QString& baseKey) {
    const int width = TableCatalogue::info(slot).entryWidth;
    if (width <= 0 || !FindRecord(slot, baseKey + suffix(kSuffixCount - 1))) return false;
    return GetFieldInt(slot, kCount) >= linkCapacity(slot, width);
}

bool RecordAccess::FindLinkEntry(int slot, const QString& baseKey, const QString& entry) {
    const int width = TableCatalogue::info(slot).entryWidth;
    for (int n = 0; n < kSuffixCount; ++n) {
        if (!FindRecord(slot, baseKey + suffix(n))) return false;
        const int count = GetFieldInt(slot, kCount);
        if (count == 0) return false;
        const QString entries = GetFieldText(slot, kEntries);
        for (int i = 1; i <= count; ++i) {
            if (entries.mid((i - 1) * width, width).left(entry.size()) != entry || entry.size() > width) continue;
            SetFieldInt(slot, kPosition, i);
            return true;
        }
    }
    indexLimitError();
    return false;
}

bool RecordAccess::RewindLinkChain(int slot, const QString& baseKey) {
    bool any = false;
    for (int n = 0; n < kSuffixCount; ++n) {
        if (!FindRecord(slot, baseKey + suffix(n))) return any;
        SetFieldInt(slot, kPosition, 1);
        SetFieldText(slot, kReading, QString());
        SetFieldText(slot, kCleared, QString());
        any = true;
    }
    indexLimitError();
    return any;
}

bool RecordAccess::NextLinkEntry(int slot, const QString& baseKey, QString& entry) {
    const int width = TableCatalogue::info(slot).entryWidth;
    const QString first = baseKey + suffix(0);
    int remembered = 0;
    if (FindRecord(slot, first)) remembered = std::max(0, suffixNumber(GetFieldText(slot, kReading)));
    for (int n = remembered; n < kSuffixCount; ++n) {
        const QString key = baseKey + suffix(n);
        if (!FindRecord(slot, key)) {
            // The chain is used up: forget where reading stopped.
            if (n != 0 && FindRecord(slot, first)) SetFieldText(slot, kReading, QString());
            if (n != 0) FindRecord(slot, baseKey + suffix(n - 1));
            return false;
        }
        const int count = GetFieldInt(slot, kCount);
        const int position = std::max(1, GetFieldInt(slot, kPosition));
        if (count < position) continue;
        entry = GetFieldText(slot, kEntries).mid((position - 1) * width, width);
        SetFieldInt(slot, kPosition, position + 1);
        if (n != remembered) {
            FindRecord(slot, first);
            SetFieldText(slot, kReading, suffix(n));
            FindRecord(slot, key);
        }
        return true;
    }
    indexLimitError();
    return false;
}

}  // namespace vn
