#include "lists/siblings/linked_value_resolver.h"

#include "store/engine/store_error.h"

namespace vn {

LinkedValueResolver::LinkedValueResolver(SiblingPlaces places) : m_places(std::move(places)) {}

LinkedValueResolver::~LinkedValueResolver() = default;

SiblingTable* LinkedValueResolver::table(int source) {
    const SiblingSource* described = siblingSource(source);
    if (!described) return nullptr;
    Opened& opened = m_sources[std::size_t(source - 1)];
    if (!opened.tried) {
        opened.tried = true;
        const QString file = m_places.fileOf(*described);
        if (!file.isEmpty()) opened.table = SiblingTable::open(file, *described, opened.problem);
    }
    return opened.table.get();
}

QString LinkedValueResolver::problem(int source) const {
    return source >= 1 && source <= int(m_sources.size()) ? m_sources[std::size_t(source - 1)].problem : QString();
}

// A file that fails while it is read counts as unresolved, as an absent one does: the record's
// values stay as stored instead of the opening or the request stopping.
template <typename Read>
auto LinkedValueResolver::readOrForget(int source, Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const StoreError& e) {
        m_sources[std::size_t(source - 1)].problem = e.message();
        return std::nullopt;
    }
}

std::optional<QString> LinkedValueResolver::value(int source, const QString& key, int field) {
    SiblingTable* opened = key.isEmpty() ? nullptr : table(source);
    if (!opened) return std::nullopt;
    return readOrForget(source, [&] { return opened->field(key, field); });
}

std::optional<QList<std::pair<int, QString>>> LinkedValueResolver::header(int kind, const QString& key) {
    const QList<std::pair<int, int>> map = headerLinkMap(kind);
    SiblingTable* opened = map.isEmpty() || key.isEmpty() ? nullptr : table(kind);
    const auto fields = opened ? readOrForget(kind, [&] { return opened->record(key); }) : std::nullopt;
    if (!fields) return std::nullopt;
    QList<std::pair<int, QString>> values;
    for (const auto& [head, field] : map) values.append({head, fields->value(field)});
    return values;
}

}  // namespace vn
