#include "requests/evaluation/record_reader.h"

#include "store/access/record_access.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kFirstSourceKeyColumn = 17;  // + source number: the record's key in that source

}  // namespace

RecordReader::RecordReader(RecordAccess& access, const PreparedRequest& prepared, const LinkedFieldReader& linked)
    : m_access(access),
      m_prepared(prepared),
      m_linked(linked),
      m_values(prepared.sources.size()),
      m_read(prepared.sources.size()) {
    for (int page = 1; page <= kPageCount; ++page)
        if (prepared.pagesRead[page]) m_pages[page].emplace(access.catalogue().table(pageSlot(page)));
}

void RecordReader::start(const QString& key) {
    m_key = key;
    std::fill(m_read.begin(), m_read.end(), 0);
    m_rows.fill(Row::Unknown);
}

const QString& RecordReader::value(qsizetype source) {
    if (!m_read[source]) {
        m_values[source] = read(m_prepared.sources[source]);
        m_read[source] = 1;
    }
    return m_values[source];
}

QString RecordReader::read(const ValueSource& source) {
    if (source.linkSource > 0 && m_linked) {
        const QString sourceKey = m_access.GetFieldText(kHeadSlot, kFirstSourceKeyColumn + source.linkSource);
        if (auto linked = m_linked(source.linkSource, source.linkField, sourceKey)) return *linked;
    }
    if (source.page == 0) return m_access.GetFieldText(kHeadSlot, source.column);
    // A record without a page row reads that page empty, never another row.
    return hasPageRow(source.page) ? m_access.GetFieldText(pageSlot(source.page), source.column) : QString();
}

bool RecordReader::hasPageRow(int page) {
    if (m_rows[page] == Row::Unknown) m_rows[page] = m_pages[page]->find(m_key) ? Row::Found : Row::Missing;
    return m_rows[page] == Row::Found;
}

}  // namespace vn
