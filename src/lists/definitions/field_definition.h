#pragma once

#include "lists/definitions/field_kind.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace vn {

// One Fdis row: a field placed on a page of a list. Every stored field is here; which of them
// mean something depends on the kind.
struct FieldDefinition {
    static constexpr int kButtons = 10;
    static constexpr int kButtonCaptionLength = 35;  // in memory; the table keeps 30

    QString key;  // empty when the row does not exist
    bool active = false;  // false for a deleted field, which keeps its number and its column
    FieldKind kind = FieldKind::None;
    int slot = 0;
    QString caption;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int tabOrder = 0;
    bool required = false;
    CharacterType characterType = CharacterType::None;
    bool hasList = false;
    int buttonCount = 0;
    std::array<QString, kButtons> buttons;  // button n at [n - 1]
    bool listLocked = false;
    int dataSet = 0;       // sibling data set a copied text field came from, 1..8
    int dataSetField = 0;  // its field number in that data set's table
    int size = 0;          // field 27, by kind: text size, check box caption length, label bold...
    bool readOnly = false;
    bool exclusive = false;
    int fontSize = 0;
    int colour = 0;        // palette index 1..16
    bool hasHelp = false;  // a Help row with text exists (shown by the entry window)

    bool exists() const { return !key.isEmpty(); }
    int page() const;    // 0 without a valid key
    int number() const;  // 0 without a valid key

    void setButton(int number, const QString& caption);  // cut to 35 characters
    // The numbers of the buttons with a caption, in order: a group with buttons 1, 2 and 4
    // shows three buttons and skips the empty third.
    QList<int> shownButtons() const;

    std::optional<int> recordColumn() const;

    // Labels and links as drawn: a stored 0 (or a colour outside the palette) takes the kind's
    // default, black at 8 points for a label, blue at 12 for a link.
    int shownFontSize() const;
    int shownColourIndex() const;
    quint32 shownColour() const;  // 0xAARRGGBB

    bool operator==(const FieldDefinition&) const = default;
};

}  // namespace vn
