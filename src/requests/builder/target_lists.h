#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;

// How the target of a field is given: typed into the edit box, or picked from a list.
enum class TargetInput { Edit, TitleList, SuffixList, SelectionList, CheckBoxList, RadioList };

// One entry of a target list: what it shows and what a condition stores when it is picked (the
// same text, "0"/"1" for a check box, the button's number for a radio group).
struct TargetEntry {
    QString shown;
    QString stored;

    bool operator==(const TargetEntry&) const = default;
};

// Whether the list takes several picks (title, suffix, selection list) or one.
bool takesSeveralPicks(TargetInput input);

// The fixed lists: title, suffix and check box. Empty for the other inputs.
QList<TargetEntry> fixedTargets(TargetInput input);

// A selection list's entries as offered: an empty entry, then the items in byte order of their
// first 90 characters; items equal there come in the reverse of their order in `items`.
QList<TargetEntry> selectionTargets(const QStringList& items);

// The texts of a page text field's selection items, in key order of their rows.
QStringList selectionItemTexts(RecordAccess& access, const QString& listCode, int page, int slot);

}  // namespace vn
