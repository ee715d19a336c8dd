#pragma once

#include "interchange/tables/new_table_writer.h"

#include <QString>
#include <QStringList>

namespace vn {

class FolderTree;

// The folder new tables are made in, checked for and filled in: the installation's "vn" folder.
QString newTableFolder(const FolderTree& folders);

// The files a table of the format consists of: ".db" and ".px", or ".dbf" and ".mdx".
QStringList tableMemberSuffixes(TableFormat format);
// The table's main member: folder + "/" + name + ".db" or ".dbf".
QString newTablePath(const QString& folder, const QString& name, TableFormat format);
// Another member beside the main one: the same name with the suffix.
QString tableMemberPath(const QString& mainMember, const QString& suffix);

// The table's files in the folder, their names matched without regard to case (NAME.DB, name.Px).
QStringList existingTableMembers(const QString& folder, const QString& name, TableFormat format);
// Deletes them; throws StoreError naming a file that cannot be deleted.
void deleteTableMembers(const QString& folder, const QString& name, TableFormat format);

}  // namespace vn
