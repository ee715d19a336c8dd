#pragma once

#include "requests/request.h"
#include "shell/core/label_setup.h"

#include <QList>
#include <QStringList>

namespace vn {

class RecordAccess;

// The lines of one label as shown, printed and written: empty lines dropped, the casing applied.
using LabelLines = QStringList;

// The label of each key that has a Head row, in the keys' order, laid out, first-lined and
// cased by the set-up. Throws StoreError when the table cannot be read.
QList<LabelLines> readLabels(RecordAccess& access, const MatchList& keys, const LabelSetup& setup);

}  // namespace vn
