#pragma once

#include "store/engine/table_def.h"

#include <QList>

namespace vn::schema {

// The layout of every table of a data set, in catalogue order (Temp, System, then slots 3 to 28).
// Field order and the place of Delta are part of the exchange formats: never change them silently.
const QList<TableDef>& allTables();
const TableDef& table(const QString& name);  // throws for an unknown name
int deltaField(const QString& name);         // -1 for a table without Delta
QString markdown();                          // the reference in docs/schema.md

}  // namespace vn::schema
