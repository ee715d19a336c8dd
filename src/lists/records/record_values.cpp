#include "lists/records/record_values.h"

#include "lists/records/record_rows.h"
#include "store/access/record_access.h"
#include "store/engine/store_error.h"

namespace vn {

void RecordValues::checkHeader(int field) {
    if (field < 1 || field > kHeadContentFields)
        throw StoreError(QStringLiteral("Header field %1 does not exist (1 to %2).").arg(field).arg(kHeadContentFields));
}

void RecordValues::checkPage(int page, int column) {
    if (page < 1 || page > kPageCount || column < 1 || column > kPageColumns)
        throw StoreError(QStringLiteral("Page %1, column %2 does not exist.").arg(page).arg(column));
}

QString RecordValues::header(int field) const {
    checkHeader(field);
    return m_header[field].text;
}

void RecordValues::setHeader(int field, const QString& value) {
    checkHeader(field);
    if (m_header[field].text != value) m_header[field] = {value, true};
}

QString RecordValues::page(int page, int column) const {
    checkPage(page, column);
    return m_pages[page - 1][column].text;
}

void RecordValues::setPage(int page, int column, const QString& value) {
    checkPage(page, column);
    Value& v = m_pages[page - 1][column];
    if (v.text != value) v = {value, true};
}

bool RecordValues::isChanged() const {
    for (const Value& v : m_header)
        if (v.changed) return true;
    for (const auto& page : m_pages)
        for (const Value& v : page)
            if (v.changed) return true;
    return false;
}

void RecordValues::clearChanges() {
    for (Value& v : m_header) v.changed = false;
    for (auto& page : m_pages)
        for (Value& v : page) v.changed = false;
}

void RecordValues::load(RecordAccess& access, const QString& key) {
    m_key = key;
    const bool hasHeader = access.FindRecord(kHeadSlot, key);
    for (int f = 1; f <= kHeadContentFields; ++f) m_header[f] = {hasHeader ? access.GetFieldText(kHeadSlot, f) : QString(), false};
    for (int p = 1; p <= kPageCount; ++p) {
        const bool hasPage = access.FindRecord(pageSlot(p), key);
        for (int c = 1; c <= kPageColumns; ++c)
            m_pages[p - 1][c] = {hasPage ? access.GetFieldText(pageSlot(p), c) : QString(), false};
    }
}

void RecordValues::save(RecordAccess& access, int highestPage) {
    if (m_key.isEmpty()) throw StoreError(QStringLiteral("A record without a key cannot be saved."));
    Transaction tx(access.database(kHeadSlot));
    EnsureRecordRows(access, m_key, highestPage);
    access.FindRecord(kHeadSlot, m_key);
    for (int f = 1; f <= kHeadContentFields; ++f)
        if (m_header[f].changed) access.SetFieldText(kHeadSlot, f, m_header[f].text);
    for (int p = 1; p <= std::min(highestPage, kPageCount); ++p) {
        access.FindRecord(pageSlot(p), m_key);
        for (int c = 1; c <= kPageColumns; ++c)
            if (m_pages[p - 1][c].changed) access.SetFieldText(pageSlot(p), c, m_pages[p - 1][c].text);
    }
    tx.commit();
    clearChanges();
}

}  // namespace vn
