#pragma once

#include <QList>
#include <QString>

namespace vn {

// One form control file found in the exchange folder.
struct FcfEntry {
    QString fileName;
    QString path;
    QString title;  // the List row's title; empty when the file cannot be read that far
    // The list's entry: "<name>.......<title>".
    QString text() const { return fileName + QLatin1String(".......") + title; }
};

// The form control files for a state: names matching "*<state>*.fcf" with ".fcf" at characters
// 9 to 12 (letter case aside), by name. Each file is read only as far as its title.
QList<FcfEntry> findFormControlFiles(const QString& folder, const QString& stateCode);

}  // namespace vn
