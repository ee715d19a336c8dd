#pragma once

#include <QString>

namespace vn {

struct FieldDefinition;

enum class Verdict {
    Accept,      // store the input
    Keep,        // a read-only field: its stored value stays, nothing is stored
    Refuse,      // warn with the message, put the replacement into the box and the focus back
    AskNewPage,  // an empty required slot-1 field: offer to select a new page
};

struct InputCheck {
    Verdict verdict = Verdict::Accept;
    QString message;
    QString replacement;  // the box's text after a refusal
};

inline const QString kNewPageQuestion = QStringLiteral("Do you want to select a new page?");

// The check made when a page text box is left. stored is the field's value before the edit: a
// read-only field keeps it whatever reaches the check.
InputCheck checkInput(const FieldDefinition& definition, const QString& input, const QString& stored = {});

// The punctuation a letters field accepts besides letters and spaces.
bool isLettersPunctuation(QChar c);

}  // namespace vn
