#include "designer/web/header_visibility.h"

#include "lists/definitions/list_fields.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

constexpr int kFirst = 1, kLast = 3;

}  // namespace

const std::array<const char*, HeaderVisibility::kFields> HeaderVisibility::kCaptions = {
    "Title",  "First",   "M.I.",     "Last",      "Suffix",    "Phone", "Work Phone", "Email Address",
    "Position / Title", "Company", "Address 1", "Address 2", "City", "State", "Zip"};

HeaderVisibility::HeaderVisibility(RecordAccess& access, QString listCode)
    : m_access(access), m_listCode(std::move(listCode)) {
    m_flags.fill(true);
}

bool HeaderVisibility::fixed(int field) { return field == kFirst || field == kLast; }

void HeaderVisibility::read() {
    m_flags.fill(true);
    if (!m_access.FindRecord(kListSlot, m_listCode)) return;
    const QString stored = m_access.GetFieldText(kListSlot, list_field::kHeaderVisibility);
    if (stored.size() < kFields) return;
    for (int i = 0; i < kFields; ++i) m_flags[std::size_t(i)] = fixed(i) || stored[i] == u'T';
}

void HeaderVisibility::set(int field, bool shown) {
    if (field < 0 || field >= kFields || fixed(field)) return;
    m_flags[std::size_t(field)] = shown;
    write();
}

void HeaderVisibility::all() {
    m_flags.fill(true);
    write();
}

void HeaderVisibility::none() {
    for (int i = 0; i < kFields; ++i) m_flags[std::size_t(i)] = fixed(i);
    write();
}

QString HeaderVisibility::text() const {
    QString flags;
    for (bool shown : m_flags) flags += shown ? u'T' : u'F';
    return flags;
}

void HeaderVisibility::write() {
    m_access.EnsureRecord(kListSlot, m_listCode);
    m_access.SetFieldText(kListSlot, list_field::kHeaderVisibility, text());
}

}  // namespace vn
