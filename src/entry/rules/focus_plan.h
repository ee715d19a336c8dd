#pragma once

namespace vn {

// What the automatic focus move of a page looks at.
struct PageFocusFacts {
    int page = 1;
    int textFields = 0;   // active text fields of the page
    bool hasGrid = false;
    bool nextPageButtonUsable = false;  // visible and enabled
    bool saveUsable = false;            // "Save / Exit" visible and enabled
    bool stay = false;                  // set by "Save / Exit"
};

struct FocusMove {
    enum class Kind { TextField, GridCell, PageButton, SaveExit, None };
    Kind kind = Kind::None;
    int tabOrder = 0;    // TextField
    int page = 0;        // PageButton
    int nextTarget = 1;  // the tab order the following move aims at
};

// The move aiming at tab order target: that text field while the page has so many, else the
// grid's first cell, else the next page's button or "Save / Exit" (nothing while staying).
FocusMove planFocusMove(const PageFocusFacts& facts, int target);

// The page button offered when a required slot-1 field is left empty to pick another page.
int newPageButton(int page);

}  // namespace vn
