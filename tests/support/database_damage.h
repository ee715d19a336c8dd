#pragma once

#include <QString>

namespace vn::test {

// The ways a database file is found damaged: by a bad disk, a cut copy, a stray program.
enum class Damage { Garbage, CutInHalf, PageZeroed, TableDropped, ColumnDropped };

inline constexpr Damage kAllDamages[] = {Damage::Garbage, Damage::CutInHalf, Damage::PageZeroed, Damage::TableDropped,
                                         Damage::ColumnDropped};

const char* damageName(Damage damage);

// Damages a closed database file. PageZeroed zeroes the first page of the Head table;
// TableDropped drops Pag3; ColumnDropped drops a column in the middle of Pag1.
void damageDatabase(const QString& path, Damage damage);

// Zeroes the first page of a table, as a failing disk would.
void zeroTablePage(const QString& path, const QString& table);

}  // namespace vn::test
