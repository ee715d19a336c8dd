#pragma once

#include <QString>

namespace vn {

// Whether a workbook file written by libxlsxwriter is whole: its zip directory ends the file where
// its end record says, and the sheet's XML is well formed with the given number of rows.
// libxlsxwriter does not see every failed write (of the zip, or of its temporary sheet data), so
// a full disk can leave a file cut short or a sheet cut in the middle.
bool workbookIsWhole(const QString& path, const QString& sheetEntry, int rows);

}  // namespace vn
