#include "lists/records/list_code.h"

#include "store/text/case_conversion.h"

namespace vn {

namespace {

bool isAsciiLetter(QChar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

ListCodeCheck checkListCode(const QString& typed) {
    if (typed.size() != 3)
        return {{}, QStringLiteral("The Data List record code must be exactly three characters in length.  Please enter a new (correct) record code")};
    bool letter = false;
    for (QChar c : typed) {
        // Spaces are allowed inside a code, but a code of spaces only names nothing.
        if (!isAsciiLetter(c) && c != ' ')
            return {{}, QStringLiteral("The Data List record code can only contain letters. Please enter a new (correct) record code")};
        letter = letter || isAsciiLetter(c);
    }
    if (!letter)
        return {{}, QStringLiteral("The Data List record code can only contain letters. Please enter a new (correct) record code")};
    return {LowerCaseText(typed), {}};
}

}  // namespace vn
