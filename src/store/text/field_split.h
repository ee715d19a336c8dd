#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace vn {

// Cuts the text before the first delimiter off the front of the line, delimiter included,
// and returns it. A line without the delimiter gives an empty field and stays as it is, so
// a loop waiting for the line to empty never ends on one; use the Split functions to walk
// a whole line.
QString NextDelimitedField(QString& line, QChar delimiter);
QString NextTildeField(QString& line);

// Every field that is closed by a delimiter; text after the last delimiter is ignored.
QStringList SplitDelimitedFields(const QString& line, QChar delimiter);
QStringList SplitTildeFields(const QString& line);

}  // namespace vn
