#pragma once

#include "lists/siblings/sibling_places.h"
#include "lists/siblings/sibling_table.h"

#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace vn {

// Reads linked values from the sibling sources: the entry window's header refresh and linked text
// fields, and the request evaluation, so that lists, reports, labels and mail show what the screen
// shows. Each source is opened once, on first use, for the resolver's life.
class LinkedValueResolver {
public:
    explicit LinkedValueResolver(SiblingPlaces places);
    ~LinkedValueResolver();

    const SiblingPlaces& places() const { return m_places; }

    // The open source (1..8), or null when its product is absent or its file cannot be used;
    // problem(source) then says why (empty for an absent product).
    SiblingTable* table(int source);
    QString problem(int source) const;

    // Field `field` of the record `key` of source `source`; nothing when unresolved (product, file
    // or record gone, no key, or the file failing while read), empty for a field the file lacks.
    std::optional<QString> value(int source, const QString& key, int field);

    // The Head fields a header link of `kind` (1, 2, 5, 7) takes from the record `key`, as (Head
    // field, value) pairs in map order; nothing when unresolved.
    std::optional<QList<std::pair<int, QString>>> header(int kind, const QString& key);

private:
    template <typename Read>
    auto readOrForget(int source, Read read) -> decltype(read());

    struct Opened {
        bool tried = false;
        std::unique_ptr<SiblingTable> table;
        QString problem;
    };
    SiblingPlaces m_places;
    std::array<Opened, 8> m_sources;
};

}  // namespace vn
