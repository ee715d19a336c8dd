#pragma once

#include <QString>

#include <functional>

namespace vn {

class RecordAccess;

struct LinkedUpdateCount {
    int updated = 0;
    int skipped = 0;  // keys of the chain without a Head row
};

// Whether the record `key` owns a link chain; rewinds it for reading.
bool hasLinkChain(RecordAccess& access, const QString& key);

// Writes the header values First to Zip (Title and Suffix excepted) that `header` gives by Head
// field into every record the chain of `key` lists, in one transaction: all of them or none
// (StoreError). The record itself and the linked records' pages are not touched.
LinkedUpdateCount updateLinkedRecords(RecordAccess& access, const QString& key,
                                      const std::function<QString(int field)>& header);

}  // namespace vn
