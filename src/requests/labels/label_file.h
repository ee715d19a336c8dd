#pragma once

#include "requests/labels/label_content.h"

#include <QByteArray>
#include <QString>

namespace vn {

class Prompter;

inline const QString kLabelFileName = QStringLiteral("SQLLabel.Txt");

// The label file: a line per label, each of its lines followed by "~", CR LF, in UTF-8. A line
// break or "~" inside a line is written as a space, so every label stays one line.
QByteArray labelFileBytes(const QList<LabelLines>& labels);

// "File": writes SQLLabel.Txt into the Files folder whole or not at all (the old file stays on
// failure) and tells the user where it is, or why it could not be written. True when written.
bool writeLabelFile(const QString& filesFolder, const QList<LabelLines>& labels, Prompter& prompter);

}  // namespace vn
