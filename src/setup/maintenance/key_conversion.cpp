#include "setup/maintenance/key_conversion.h"

#include "lists/records/record_rows.h"
#include "lists/records/record_tables.h"
#include "setup/maintenance/maintenance_step.h"
#include "setup/maintenance/row_copy.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

#include <QStringList>

namespace vn {

namespace {

constexpr int kKeyLength = 17;
constexpr int kListCodeLength = 3;
constexpr int kNumberStart = 8;  // list code, state code and office code come first

bool allDigits(const QString& text) {
    for (QChar c : text)
        if (!c.isDigit()) return false;
    return !text.isEmpty();
}

// From sequence number 10000 on a key of the current form is longer than 17 characters.
bool isCurrentForm(const QString& key) {
    if (key.size() == kKeyLength) return true;
    return key.size() > kKeyLength && allDigits(key.mid(kNumberStart)) && key.endsWith(QStringLiteral("00000"));
}

QStringList keysToConvert(RecordAccess& access) {
    QStringList keys;
    for (const QString& key : access.KeysWithPrefix(kHeadSlot, QString()))
        if (!isCurrentForm(key)) keys << key;
    return keys;
}

bool keyInUse(RecordAccess& access, const QString& key) {
    if (access.FindRecord(kHeadSlot, key)) return true;
    for (int slot : kPageSlots)
        if (access.FindRecord(slot, key)) return true;
    return !OwnedLinkKeys(access, key).isEmpty();
}

// Copies first, then deletes: the old rows go only once the new ones exist.
void moveRecord(RecordAccess& access, const QString& from, const QString& to) {
    copyRow(access, kHeadSlot, from, to);
    for (int slot : kPageSlots) copyRow(access, slot, from, to);
    for (const QString& linkKey : OwnedLinkKeys(access, from))
        copyRow(access, kLinkSlot, linkKey, to + linkKey.mid(from.size()));
    DeleteRecordRows(access, from);
}

}  // namespace

QString convertedRecordKey(const QString& oldKey, const KeyOrigin& origin, int number) {
    // n in three digits + six zeros is sequence 10n in four digits + five zeros.
    return buildRecordKey(oldKey.left(kListCodeLength), origin, number * 10);
}

KeyConversion convertRecordKeys(RecordAccess& access, const KeyOrigin& origin, const MaintenanceStep& step,
                                int firstNumber) {
    Transaction transaction(access.database(kHeadSlot));
    const QStringList keys = keysToConvert(access);
    KeyConversion done;
    int number = firstNumber;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        while (number <= kLastConversionNumber && keyInUse(access, convertedRecordKey(keys[i], origin, number))) {
            ++number;
            ++done.numbersSkipped;
        }
        if (number > kLastConversionNumber) {
            done.left = keys.size() - i;
            break;
        }
        moveRecord(access, keys[i], convertedRecordKey(keys[i], origin, number++));
        ++done.converted;
        if (!keepGoing(step, i + 1, keys.size())) return KeyConversion{0, 0, 0, true};
    }
    transaction.commit();
    return done;
}

}  // namespace vn
