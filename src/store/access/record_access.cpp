#include "store/access/record_access.h"

#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <limits>

namespace vn {

namespace {

// The value of a text of digits 0 to 9 only; nothing for any other text or a value out of range.
std::optional<qint64> digitsValue(const QString& text) {
    if (text.isEmpty() || text.size() > 18) return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

}  // namespace

RecordAccess::RecordAccess(TableCatalogue& catalogue, Prompter& prompter)
    : m_catalogue(catalogue), m_prompter(prompter) {}

bool RecordAccess::OpenTable(int slot, const TableLocation& location, Database::Access access) {
    m_catalogue.open(slot, location, access);
    m_walks[slot] = {};
    return true;
}

bool RecordAccess::CloseTable(int slot) {
    m_catalogue.close(slot);
    m_walks[slot] = {};
    return true;
}

bool RecordAccess::FindRecord(int slot, const QString& key) { return table(slot).findKey(key); }

void RecordAccess::EnsureRecord(int slot, const QString& key) {
    if (!FindRecord(slot, key)) table(slot).insert(key);
}

void RecordAccess::DeleteRecord(int slot, const QString& key) {
    if (FindRecord(slot, key)) table(slot).remove();
}

void RecordAccess::DeleteAllRecords(int slot, bool count) {
    const qint64 deleted = table(slot).removeAll();
    if (count) progressCounter += deleted;
}

QStringList RecordAccess::KeysWithPrefix(int slot, const QString& prefix, int foldLength) {
    return table(slot).keysWithPrefix(prefix, foldLength);
}

qint64 RecordAccess::CountKeysWithPrefix(int slot, const QString& prefix, int foldLength) {
    return table(slot).countKeysWithPrefix(prefix, foldLength);
}

qint64 RecordAccess::DeleteKeysWithPrefix(int slot, const QString& prefix, int foldLength) {
    return table(slot).removeKeysWithPrefix(prefix, foldLength);
}

qint64 RecordAccess::CopyKeysWithPrefix(int slot, const QString& prefix, int foldLength, const QString& newPrefix,
                                        int lastField) {
    return table(slot).copyKeysWithPrefix(prefix, foldLength, newPrefix, lastField);
}

void RecordAccess::PostRecord(int slot) { table(slot).post(); }

bool RecordAccess::SetFieldText(int slot, int field, const QString& text) { return table(slot).setText(field, text); }

QString RecordAccess::GetFieldText(int slot, int field) { return table(slot).text(field); }

void RecordAccess::SetFieldInt(int slot, int field, qint64 value) { SetFieldText(slot, field, QString::number(value)); }

int RecordAccess::GetFieldInt(int slot, int field) {
    const auto value = digitsValue(GetFieldText(slot, field));
    return value && *value <= std::numeric_limits<int>::max() ? int(*value) : 0;
}

qint64 RecordAccess::RecordCount(int slot) { return table(slot).count(); }

int RecordAccess::GetFieldSize(int slot, int field) { return table(slot).fieldSize(field); }

QString RecordAccess::GetFieldName(int slot, int field) { return table(slot).fieldName(field); }

int RecordAccess::GetFieldCount(int slot) { return table(slot).fieldCount(); }

int RecordAccess::GetFieldNumber(int slot, const QString& name) {
    const int number = table(slot).fieldNumber(name);
    if (number < 0) {
        m_prompter.beep();
        m_prompter.warning(QStringLiteral("GetFieldNumber Error - The field [%1] could not be found").arg(name));
    }
    return number;
}

bool RecordAccess::IsMemoField(int slot, int field) { return table(slot).isMemo(field); }

void RecordAccess::IncrementField(int slot, int field) { stepField(slot, field, 1); }

void RecordAccess::DecrementField(int slot, int field) { stepField(slot, field, -1); }

void RecordAccess::stepField(int slot, int field, int delta) {
    QString text = GetFieldText(slot, field);
    if (text.isEmpty()) return;
    text.remove(' ');
    if (const auto value = digitsValue(text)) SetFieldInt(slot, field, *value + delta);
}

}  // namespace vn
