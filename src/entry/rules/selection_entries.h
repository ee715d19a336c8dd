#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class RecordAccess;
struct FieldDefinition;

inline const QString kSelectNewPage = QStringLiteral(">> Select New Page <<");
inline const QString kLearnQuestion = QStringLiteral("Add current input to selection list for future use?");
inline const QString kLockedListNote =
    QStringLiteral("Note: This text field has a locked selection list.  You must select from the above listings.");

// A text field's selection list: standard or exclusive (which behaves the same at entry).
bool hasSelectionList(const FieldDefinition& definition);

// The entries offered for a field in the order shown; a slot-1 field starts with
// ">> Select New Page <<". Every item is offered, however many.
QStringList selectionEntries(RecordAccess& access, const QString& listCode, const FieldDefinition& definition);

// Whether an accepted input should be offered for the field's list: an open list with entries
// of which none is the input (exact comparison).
bool offersToLearn(const FieldDefinition& definition, const QStringList& entries, const QString& input);

// Adds the input to the field's list; false when the item was already there (nothing is made).
bool learnSelectionItem(RecordAccess& access, const QString& listCode, const FieldDefinition& definition,
                        const QString& input);

}  // namespace vn
