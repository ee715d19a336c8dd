#pragma once

#include <QString>

namespace vn {

// The screen preview of the labels, one sheet of labels a page.
class LabelPaging {
public:
    LabelPaging() = default;
    LabelPaging(qsizetype labels, int perPage);

    qsizetype labels() const { return m_labels; }
    qsizetype pages() const;
    qsizetype page() const { return m_page; }
    qsizetype first() const;  // the index of the page's first label
    qsizetype shown() const;  // how many labels the page shows

    bool priorEnabled() const { return m_page > 1; }
    bool nextEnabled() const { return first() + shown() < m_labels; }
    void prior();
    void next();

    QString labelsText() const { return QStringLiteral("Labels:  %1").arg(m_labels); }
    QString pagesText() const { return QStringLiteral("Page(s):  %1").arg(pages()); }
    QString pageText() const { return QStringLiteral("Page:  %1").arg(m_page); }

private:
    qsizetype m_labels = 0;
    int m_perPage = 1;
    qsizetype m_page = 1;
};

}  // namespace vn
