#pragma once

#include <QString>
#include <QStringList>
#include <limits>

namespace vn {

// The counties a district accepts data from: picked one by one out of the available ones, kept
// in the order picked, put back at the end of the available ones when picked again.
class CountyPicker {
public:
    enum class Pick { Moved, Full, Ignored };

    void start(const QStringList& entries, int capacity);
    void clear() { *this = CountyPicker(); }
    Pick pick(int availableRow);
    bool unpick(int selectedRow);

    const QStringList& available() const { return m_available; }
    const QStringList& selected() const { return m_selected; }
    QStringList selectedCodes() const;
    int capacity() const { return m_capacity; }
    QString availableTitle() const;
    QString selectedTitle() const;

private:
    enum class Last { Started, Picked, Unpicked };

    QStringList m_available;
    QStringList m_selected;
    int m_capacity = std::numeric_limits<int>::max();
    Last m_last = Last::Started;
};

}  // namespace vn
