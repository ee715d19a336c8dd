#pragma once

#include "support/store_fixture.h"

#include <QStringList>

namespace vn::test {

// Rows of a keyed table, field 0 first; every other field as text.
inline void addRows(StoreFixture& store, int slot, const QList<QStringList>& rows) {
    for (const QStringList& row : rows) {
        store.access.EnsureRecord(slot, row.at(0));
        for (int field = 1; field < row.size(); ++field) store.access.SetFieldText(slot, field, row.at(field));
    }
}

// Three counties, two districts, cities of two counties and one stale county city.
inline void addPlaces(StoreFixture& store) {
    addRows(store, 4, {{"ADA", "1", "Adams"}, {"BEN", "2", "Benton"}, {"CLA", "3", "Clark"}});
    addRows(store, 5, {{"NOR", "1", "North", "1", "ZZZ"}, {"SOU", "2", "South", "0", ""}});
    addRows(store, 6, {{"Alpha", "11111", "ADA", "seat"}, {"Beta", "22222", "BEN", ""}, {"Gamma", "33333", "ADA", ""}});
    addRows(store, 7, {{"Stale", "99999", "OLD", ""}});
}

}  // namespace vn::test
