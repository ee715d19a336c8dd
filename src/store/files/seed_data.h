#pragma once

class QString;

namespace vn {

class Database;

// Fills a new database with the rows every installation ships with: one tab-separated UTF-8
// file per table in data/seed (built into the program), one row per line, fields in field
// order from field 0; missing trailing fields stay empty. Lines starting with "#" are notes.
// The System table records the program version.
void loadSeedData(Database& db);

// The rows of one seed file; the file's name is the table's name + ".tsv".
void loadSeedTable(Database& db, const QString& table, const QString& text);

}  // namespace vn
