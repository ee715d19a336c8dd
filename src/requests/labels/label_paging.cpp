#include "requests/labels/label_paging.h"

#include <algorithm>

namespace vn {

LabelPaging::LabelPaging(qsizetype labels, int perPage) : m_labels(std::max<qsizetype>(labels, 0)), m_perPage(std::max(perPage, 1)) {}

qsizetype LabelPaging::pages() const { return (m_labels + m_perPage - 1) / m_perPage; }

qsizetype LabelPaging::first() const { return (m_page - 1) * m_perPage; }

qsizetype LabelPaging::shown() const { return std::clamp<qsizetype>(m_labels - first(), 0, m_perPage); }

void LabelPaging::prior() {
    if (priorEnabled()) --m_page;
}

void LabelPaging::next() {
    if (nextEnabled()) ++m_page;
}

}  // namespace vn
