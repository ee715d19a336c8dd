#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

// The header row and the page rows 1 to highestPage of a record, created when missing.
void EnsureRecordRows(RecordAccess& access, const QString& key, int highestPage);

// The record's header and page rows and the link chains it owns; missing rows are no error.
void DeleteRecordRows(RecordAccess& access, const QString& key);

// Every record of the list (first three key characters, any case) with their link chains;
// the list's counter starts again at 1.
void DeleteListRecords(RecordAccess& access, const QString& listCode);

// The link chain blocks a record owns: its key followed by two capital letters.
QStringList OwnedLinkKeys(RecordAccess& access, const QString& key);
void DeleteOwnedLinks(RecordAccess& access, const QString& key);

}  // namespace vn
