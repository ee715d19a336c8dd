#include "entry/links/source_pick.h"

#include "entry/links/head_link_fields.h"

namespace vn {

SourcePick::SourcePick(SiblingPlaces places) : m_resolver(std::move(places)) {}

bool SourcePick::open(int source) {
    m_source = siblingSource(source) ? source : 0;
    list();
    return m_resolver.table(m_source) != nullptr;
}

void SourcePick::setOrder(SiblingOrder order) {
    m_order = order;
    list();
}

void SourcePick::clear() {
    m_source = 0;
    m_entries.clear();
}

void SourcePick::list() {
    SiblingTable* table = m_resolver.table(m_source);
    m_entries = table ? table->list(m_order) : QList<SiblingEntry>();
}

QString SourcePick::problem() const { return m_resolver.problem(m_source); }

QString SourcePick::caption() const {
    const SiblingSource* source = siblingSource(m_source);
    return source ? QString::fromLatin1(source->recordsCaption) : QString();
}

std::optional<SiblingEntry> SourcePick::entryAt(int row, QString& refusal) const {
    refusal.clear();
    if (row < 0 || row >= m_entries.size()) return std::nullopt;
    const SiblingEntry& entry = m_entries[row];
    if (entry.key.size() > head_link::kKeyWidth) {
        refusal = QStringLiteral("The record key [%1] is longer than %2 characters and cannot be linked to this record.")
                      .arg(entry.key)
                      .arg(head_link::kKeyWidth);
        return std::nullopt;
    }
    return entry;
}

}  // namespace vn
