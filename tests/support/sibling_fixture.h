#pragma once

// A sibling product's installation made as a user would (the --create-installation --product
// layout), its records written through the store as the sibling itself would write them.
#include "lists/siblings/sibling_places.h"

#include <QMap>
#include <QString>

namespace vn::test {

// Lays out the product in base for our state folder and returns what the start would find.
SiblingInstallation makeSibling(const QString& base, SiblingProduct product);

// Writes (or rewrites) one record of source `source` (1..8), data set 1: fields by number.
void putSiblingRecord(const QString& base, int source, const QString& key, const QMap<int, QString>& fields);

// The places for the given products in base (others absent), with our state folder.
SiblingPlaces siblingPlaces(const QString& base, std::initializer_list<SiblingProduct> present);

}  // namespace vn::test
