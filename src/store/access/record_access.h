#pragma once

#include "store/catalogue/table_catalogue.h"

#include <QString>
#include <array>
#include <functional>

namespace vn {

class Prompter;

// The record operations every window uses, by catalogue slot. Each slot has one current record;
// fields are read and written as text, integers through their text. Engine failures throw
// StoreError with the engine's message.
class RecordAccess {
public:
    RecordAccess(TableCatalogue& catalogue, Prompter& prompter);

    // Called when a key-ordered walk fails to advance: the program closes in order.
    void setShutdownRequest(std::function<void()> request) { m_shutdown = std::move(request); }
    bool exitFlag() const { return m_exitFlag; }

    TableCatalogue& catalogue() { return m_catalogue; }
    Database& database(int slot) { return m_catalogue.table(slot).database(); }

    bool OpenTable(int slot, const TableLocation& location, Database::Access access = Database::Access::Shared);
    bool CloseTable(int slot);
    bool FindRecord(int slot, const QString& key);
    void EnsureRecord(int slot, const QString& key);
    void DeleteRecord(int slot, const QString& key);
    void DeleteAllRecords(int slot, bool count);
    // Every key beginning with the prefix (its first foldLength characters in any ASCII case),
    // in key order: how the rows of one list are found without walking the whole table.
    QStringList KeysWithPrefix(int slot, const QString& prefix, int foldLength = 0);
    qint64 CountKeysWithPrefix(int slot, const QString& prefix, int foldLength = 0);
    qint64 DeleteKeysWithPrefix(int slot, const QString& prefix, int foldLength = 0);
    // Copies those rows under a new prefix, fields 1 to lastField: how a list is cloned.
    qint64 CopyKeysWithPrefix(int slot, const QString& prefix, int foldLength, const QString& newPrefix, int lastField);
    void PostRecord(int slot);
    // Returns false when the text was cut to the field's declared size.
    bool SetFieldText(int slot, int field, const QString& text);
    QString GetFieldText(int slot, int field);
    void SetFieldInt(int slot, int field, qint64 value);
    int GetFieldInt(int slot, int field);
    qint64 RecordCount(int slot);
    int RecordIndex(int slot, const QString& key);
    int GetFieldSize(int slot, int field);
    QString GetFieldName(int slot, int field);
    int GetFieldCount(int slot);
    int GetFieldNumber(int slot, const QString& name);
    bool IsMemoField(int slot, int field);
    void IncrementField(int slot, int field);
    void DecrementField(int slot, int field);

    // Key-ordered walks: one walk state per slot.
    void BeginScan(int slot);
    bool GetNextRec(int slot);
    bool FindNearestPrefix(int slot, const QString& text, int prefixLength, bool seek);

    // Chained key lists (slot 23): blocks keyed base key + "AA" ... "ZZ".
    void AppendLinkEntry(int slot, const QString& baseKey, const QString& entry);
    bool FindLinkEntry(int slot, const QString& baseKey, const QString& entry);
    // Whether the base key's last block is full, so that AppendLinkEntry would give the
    // index-limit message instead of adding.
    bool LinkChainFull(int slot, const QString& baseKey);
    bool RewindLinkChain(int slot, const QString& baseKey);
    bool NextLinkEntry(int slot, const QString& baseKey, QString& entry);

    // Records deleted with the count flag of DeleteAllRecords; shown by backup and exchange.
    qint64 progressCounter = 0;

private:
    struct WalkState {
        bool firstCall = false;
        QString currentKey;
        QString previousKey;
    };

    Table& table(int slot) const { return m_catalogue.table(slot); }
    void stepField(int slot, int field, int delta);
    void sequenceError(int slot);
    void indexLimitError();
    int linkEntryWidth(int slot, const QString& entry) const;
    int linkCapacity(int slot, int width);

    TableCatalogue& m_catalogue;
    Prompter& m_prompter;
    std::function<void()> m_shutdown;
    bool m_exitFlag = false;
    std::array<WalkState, TableCatalogue::kSlotCount + 1> m_walks;
};

}  // namespace vn
