#include "entry/rules/input_check.h"

#include "lists/definitions/field_definition.h"

#include <algorithm>

namespace vn {

namespace {

const QString kRequired = QStringLiteral("Error!  This is a required field.  Please make a valid entry.");
const QString kReadOnly = QStringLiteral("Error!  This is a read only field.  No input is allowed.");
const QString kYesNo = QStringLiteral("Error!  This text field will only accept a 'Y' or 'N' entry.  Please re-enter.");
const QString kLetters = QStringLiteral(
    "Error!  This text field will only accept Letters, Puncuation and Spaces.  (No numbers) Please re-enter.");
const QString kNumbers = QStringLiteral("Error!  This text field will only accept Numbers and - + signs. Please re-enter.");

bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool allOf(const QString& input, bool (*allowed)(QChar)) { return std::all_of(input.begin(), input.end(), allowed); }

bool isLettersChar(QChar c) { return isAsciiLetter(c) || c == u' ' || isLettersPunctuation(c); }
bool isNumbersChar(QChar c) { return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+'; }

bool typeAccepts(CharacterType type, const QString& input) {
    switch (type) {
    case CharacterType::YesNo:
        return input == u"Y" || input == u"N" || input == u"y" || input == u"n";
    case CharacterType::Letters: return allOf(input, isLettersChar);
    case CharacterType::Digits: return allOf(input, isNumbersChar);
    default: return true;
    }
}

QString typeMessage(CharacterType type) {
    switch (type) {
    case CharacterType::YesNo: return kYesNo;
    case CharacterType::Letters: return kLetters;
    default: return kNumbers;
    }
}

}  // namespace

bool isLettersPunctuation(QChar c) {
    static const QString marks = QStringLiteral(".,'-&/()!?;:\"#");
    return marks.contains(c);
}

InputCheck checkInput(const FieldDefinition& definition, const QString& input, const QString& stored) {
    // The box of a read-only field takes no typing; a value that still differs goes back to the
    // stored one instead of being emptied. Required does not apply: nobody could satisfy it.
    if (definition.readOnly)
        return input == stored ? InputCheck{Verdict::Keep, {}, {}} : InputCheck{Verdict::Refuse, kReadOnly, stored};
    if (definition.required && input.isEmpty())
        return definition.slot == 1 ? InputCheck{Verdict::AskNewPage, kNewPageQuestion, {}}
                                    : InputCheck{Verdict::Refuse, kRequired, {}};
    const CharacterType type = definition.characterType;
    const bool checked = type == CharacterType::YesNo || !input.isEmpty();
    if (checked && !typeAccepts(type, input)) return {Verdict::Refuse, typeMessage(type), {}};
    return {};
}

}  // namespace vn
