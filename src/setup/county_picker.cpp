#include "setup/county_picker.h"

#include "setup/location_lists.h"

namespace vn {

namespace {

// The list titles after each kind of step; the selected title has two dots right after a pick.
struct Titles {
    const char* available;
    const char* selected;
};

constexpr Titles kTitles[] = {
    {"Available Counties (%1)...", "Counties Selected (%1)..."},  // started
    {"Counties Available (%1)...", "Counties Selected (%1).."},   // picked
    {"Counties Available (%1)...", "Counties Selected (%1)..."},  // unpicked
};

}  // namespace

void CountyPicker::start(const QStringList& entries, int capacity) {
    clear();
    m_available = entries;
    m_capacity = capacity;
}

CountyPicker::Pick CountyPicker::pick(int availableRow) {
    if (availableRow < 0 || availableRow >= m_available.size()) return Pick::Ignored;
    if (m_selected.size() >= m_capacity) return Pick::Full;
    m_selected << m_available.takeAt(availableRow);
    m_last = Last::Picked;
    return Pick::Moved;
}

bool CountyPicker::unpick(int selectedRow) {
    if (selectedRow < 0 || selectedRow >= m_selected.size()) return false;
    m_available << m_selected.takeAt(selectedRow);
    m_last = Last::Unpicked;
    return true;
}

QStringList CountyPicker::selectedCodes() const {
    QStringList codes;
    for (const QString& entry : m_selected) codes << entryCode(entry);
    return codes;
}

QString CountyPicker::availableTitle() const {
    return QString::fromLatin1(kTitles[int(m_last)].available).arg(m_available.size());
}

QString CountyPicker::selectedTitle() const {
    return QString::fromLatin1(kTitles[int(m_last)].selected).arg(m_selected.size());
}

}  // namespace vn
