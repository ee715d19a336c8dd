#pragma once

#include "interchange/tables/foreign_opener.h"

#include <QString>

namespace vn {

// The texts of the table import views and the sibling files view.

QString tableImportCaption(TableSource kind);      // "Import Paradox Data..." ...
QString tableImportFindCaption(TableSource kind);  // "Find Paradox Import Data File" ...
QString tableImportInstructions(TableSource kind);
// The open dialog's filter, matching the extensions in any case.
QString tableImportFileFilter(TableSource kind);

QString fieldNamesInFile();   // "Field Names In Selected File..."
QString fieldNamesInTable();  // "Field Names In Selected Table..."
QString tablesInDataBase();   // "Tables found in Data Base..."
QString selectTableNote();
QString tablePageCaption(int page);  // "Fld    Page One Fields..." ...

QString tableNotReadable(const QString& message);
QString dataBaseHasNoTables(const QString& path);
QString columnNotMappable(const QString& name);
QString tableChanged(const QString& source);

// "Halvorin Grovanta! Data Tables...", "Halvorin Pavilo Data Tables...", "Halvorin KOVRA Data Tables...".
QString siblingFilesCaption(int sibling);
QString siblingFolderUnreadable(const QString& folder);

}  // namespace vn
