#include "requests/queue/request_queue.h"

#include "lists/definitions/definition_keys.h"
#include "requests/stored/stored_requests.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

constexpr int kRequestSlots[] = {kQueuSlot, kPinfSlot, kSinfSlot};

bool nameBreaksRows(const QString& name) {
    return name.contains(u'~') || name.contains(u'\r') || name.contains(u'\n');
}

// The name as the user typed it: the key without the list code and its two spaces.
QString nameOf(const QString& key) { return key.mid(kListCodeLength + 2); }

}  // namespace

const QString RequestQueue::kNameTaken = QStringLiteral(
    "Request Name already found.  You must change to a different name or abort Request Queue entry.");

SaveOutcome RequestQueue::save(const QString& listCode, const QString& name, const SqlRequest& request) {
    using R = SaveOutcome::Result;
    if (nameBreaksRows(name))
        return {R::Refused, QStringLiteral("A request name cannot hold \"~\" or a line break.  Please choose another "
                                           "name.")};
    const QString key = storedRequestKey(listCode, name);
    if (m_access.FindRecord(kQueuSlot, key)) return {R::NameTaken, kNameTaken};
    try {
        writeStoredRequest(m_access, key, request);
    } catch (const StoreError& e) {
        return {R::Refused, e.message()};
    }
    return {};
}

QStringList RequestQueue::keys(const QString& listCode) {
    return m_access.KeysWithPrefix(kQueuSlot, listCode.left(kListCodeLength), kListCodeLength);
}

QString RequestQueue::shownText(const QString& key) {
    if (!m_access.FindRecord(kQueuSlot, key)) return {};
    DisplayParts parts;
    for (int p = 1; p <= 3; ++p) parts[std::size_t(p - 1)] = m_access.GetFieldText(kQueuSlot, request_tables::queu::displayPart(p));
    return showDisplayText(parts);
}

std::optional<StoredRequest> RequestQueue::load(const QString& key) {
    try {
        return readStoredRequest(m_access, key);
    } catch (const StoreError& e) {
        throw StoreError(QStringLiteral("The stored request \"%1\" cannot be used:\r%2").arg(nameOf(key), e.message()));
    }
}

void RequestQueue::rewrite(const QString& key, const SqlRequest& request) { writeStoredRequest(m_access, key, request); }

void RequestQueue::remove(const QString& key) {
    Transaction tx(m_access.database(kQueuSlot));
    for (int slot : kRequestSlots) m_access.DeleteRecord(slot, key);
    tx.commit();
}

void RequestQueue::clear() {
    Transaction tx(m_access.database(kQueuSlot));
    for (int slot : kRequestSlots) m_access.DeleteAllRecords(slot, false);
    tx.commit();
}

}  // namespace vn
