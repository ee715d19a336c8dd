#pragma once

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/field_kind.h"
#include "designer/page_designer/field_inputs.h"

#include <QString>
#include <array>

namespace vn {

// The view shown beside the page, one at a time.
enum class DesignerPanel {
    None,     // the page designer has been left
    Options,  // "Available Options..."
    Palette,  // "Add...  "
    Add,      // the add view of `kind`
    Modify,   // the modify view of `kind`
    PageTitle,
    DataNote,  // the form holds data and should not be changed
    HeaderVisibility,  // the header fields the web form shows
    FieldHelp,      // the help text of the field in the add or modify view
    SiblingFields,  // fields copied from the sibling products' data sets
    HeaderLink,     // the sibling data set a new record's header comes from
};

// Where the window should put the focus.
enum class DesignerFocus { None, Name, PageTitle };

struct PageButton {
    QString caption;  // the page's title
    bool bold = false;  // the current page
};

struct DesignerButton {
    QString caption;
    bool enabled = false;
};

struct CopyButton {
    int page = 0;  // the page it copies from
    QString caption;
    bool enabled = false;
};

// What the page designer shows.
struct PageDesignerView {
    int page = 1;
    std::array<PageButton, kPagesPerList> pageButtons;
    std::array<CopyButton, kPagesPerList - 1> copyButtons;
    QString recordCodeSample;  // the header block's "Record Code"

    DesignerPanel panel = DesignerPanel::None;
    FieldKind kind = FieldKind::None;  // of the add or modify view
    std::array<DesignerButton, kFieldKindCount> palette;  // kind k at [k - 1]

    FieldInputs inputs;  // of the add or modify view
    int labelCharactersRemaining = 0;
    bool placeEnabled = false;
    bool cancelEnabled = false;    // a placed field awaits confirmation
    bool moveEnabled = false;
    bool resizeEnabled = false;    // the memo's "Resize" buttons
    bool selectionListEnabled = false;  // "Build/Edit Selection List"
    bool helpEnabled = false;  // "Enter Agent Help Text" / "Edit Agent Help Text"
    int x = 0;  // left of the field being placed or selected, 0 otherwise
    int y = 0;  // its top

    QString pageTitleName;  // "Page n"
    QString pageTitleText;

    // Locks while a field is added or modified.
    bool pageButtonsEnabled = true;
    bool headerEnabled = true;
    bool menuEnabled = true;  // "Goto", "Enter List Information", "Add/Modify Fields", "Build Web Based Form File"
    bool fieldsEnabled = true;  // other fields of the page can be chosen

    bool displayDeletedEnabled = false;
    int currentDefinition = 0;  // being added or modified, 0 for none
    int highlighted = 0;        // the selected field's definition number, 0 for none
};

}  // namespace vn
