#pragma once

#include "requests/stored/request_rows.h"

#include <QStringList>
#include <optional>

namespace vn {

class RecordAccess;

// What became of a request the user named.
struct SaveOutcome {
    enum class Result { Saved, NameTaken, Refused };
    Result result = Result::Saved;
    QString message;  // the warning for NameTaken and Refused
};

// The stored requests of every list, each under list code + two spaces + name in Queu (and
// Pinf, Sinf for reports and mail merges). Without a window; every change is one transaction.
class RequestQueue {
public:
    static const QString kNameTaken;

    explicit RequestQueue(RecordAccess& access) : m_access(access) {}

    // Stores the request under the list and the name. Nothing is stored when the key is taken,
    // when the name holds "~", CR or LF (the rows travel in exchange files), or when the rows
    // cannot hold the request.
    SaveOutcome save(const QString& listCode, const QString& name, const SqlRequest& request);
    // The keys of the list's stored requests in key order, the list code compared without case.
    QStringList keys(const QString& listCode);
    // The stored display text as the queue view shows it: read as stored, so a row the codec
    // refuses is still listed and can be deleted. Empty when the key is gone.
    QString shownText(const QString& key);
    // The stored request; nullopt when the key is gone. A row that cannot be read throws
    // StoreError with a message naming the request.
    std::optional<StoredRequest> load(const QString& key);
    // Writes the request over the stored one (a target replaced).
    void rewrite(const QString& key, const SqlRequest& request);
    void remove(const QString& key);
    void clear();  // the stored requests of every list

private:
    RecordAccess& m_access;
};

}  // namespace vn
