#pragma once

#include "exchange/backup/backup_reader.h"
#include "exchange/transfer/transfer_apply.h"
#include "exchange/transfer/transfer_check.h"

#include <QByteArray>

namespace vn {

class Database;

// The lists a data set has, by folded code: a data file's lines are taken only for them.
QSet<QByteArray> listCodesHere(Database& db);

// One received exchange file, read and checked whole when it is opened; nothing changes until
// apply(). Between the two a caller asks its questions: the version, the lists already present,
// the password.
class ReceivedFile {
public:
    ReceivedFile(Database& db, const QString& path, TransferKind kind, const WorkProgress& progress = {});

    const QString& path() const { return m_path; }
    const TransferCheck& check() const { return m_check; }
    // Why nothing of the file can be merged: names the file and the line. Empty when it can.
    const QString& refusal() const { return m_check.refusal; }
    bool cancelled() const { return m_check.cancelled; }
    const QString& firstLine() const { return m_check.header.firstLine; }
    const QString& version() const { return m_check.header.version; }
    bool versionMatches(const QString& running) const { return m_check.header.version == running; }
    const QStringList& presentLists() const { return m_check.presentLists; }

    // Merges the whole file in one transaction: all of it or, when cancelled or an engine error
    // is thrown (StoreError), nothing.
    TransferApplied apply(const WorkProgress& progress = {});
    // Erases the file; the system's reason when it cannot, else empty.
    QString erase();

private:
    Database& m_db;
    QString m_path;
    QByteArray m_text;  // UTF-8
    BackupLayouts m_layouts;
    TransferCheck m_check;
};

}  // namespace vn
