#pragma once

#include "lists/definitions/definition_cache.h"
#include "designer/page_designer/movement.h"
#include "designer/page_designer/page_designer_view.h"

#include <optional>
#include <utility>

namespace vn {

class Prompter;
class RecordAccess;
class TextMeasure;

// The rules of the page designer ("Add/Modify Fields") for one list: adding, placing, moving,
// modifying and deleting fields, titling, copying and erasing pages. Every change is written at
// once and the definitions reloaded. The window shows view(), draws the current page from
// definitions() and repeats move() while a move button is held.
class PageDesigner {
public:
    PageDesigner(RecordAccess& access, Prompter& prompter, const QString& listCode, const QString& officeCode,
                 const TextMeasure& measure, bool listHasRecords);

    const PageDesignerView& view() const { return m_view; }
    const DefinitionCache& definitions() const { return m_cache; }
    // Where the focus should go now; asked once per change.
    DesignerFocus takeFocus() { return std::exchange(m_focus, DesignerFocus::None); }

    // Opening and switching pages.
    void open();
    void switchPage(int page);

    // The add palette.
    void showPalette();  // "Add Screen Components"
    void closePalette();  // its "Cancel"
    // Takes the next number and slot and shows the kind's add view; false when refused.
    bool add(FieldKind kind);
    // A text field copied from a sibling product's data set: added as from the palette, filled in.
    bool addSiblingTextField(int dataSet, int dataSetField, const QString& name, int size);

    // The add and modify views.
    void editInputs(const FieldInputs& inputs);
    void place();
    // Creates the row of the field being added as placing would, without placing it: help texts
    // and selection lists need its key and slot. False for a duplicate name.
    bool ensureRow();
    void continueAdd();  // "Continue / Exit"

    // The help view of the field in the add or modify view; from an add view the field's row is
    // created first, so that it has its key. False when refused.
    bool openFieldHelp();
    void closeFieldHelp();  // back to the view it was opened from
    // The key of the field in the add or modify view; empty before its row exists.
    QString editedKey() const { return editedRow().key; }
    void cancelAdd();

    // Moving and resizing the field being placed or modified, one step at a time.
    void move(MoveDirection direction);
    void resizeMemo(MemoResize step);

    // Selecting and modifying.
    void select(int definitionNumber);
    void leaveNameOrSize();  // a text field's "New Name" or "New Size" was left
    void confirmModify();    // "Continue"
    void deleteField();
    void displayDeletedFields();

    // Page operations.
    void openPageTitle();  // right button on the current page's button
    // False, with a warning and the edit emptied, for a title over 12 characters.
    bool leavePageTitle(const QString& text);
    void confirmPageTitle(const QString& text);
    void closeDataNote();
    // "Set Header Field Visibility": its view, or the data note when the list holds records.
    void openHeaderVisibility();
    void closeHeaderVisibility();  // its "Return"
    // The views that copy sibling fields and link the header: reached from the options view and
    // left back to it.
    void openOptionView(DesignerPanel panel);
    void closeOptionView();
    void copyPage(int fromPage);
    void erasePage();
    void exit();
    // The current page's tab order stored, as before the web form file is built.
    void writeTabOrder();

private:
    // The field in the add or modify view.
    struct FieldEdit {
        bool adding = false;
        FieldKind kind = FieldKind::None;
        int number = 0;
        int slot = 0;
        bool placed = false;
        int dataSet = 0;
        int dataSetField = 0;
    };

    // page_designer.cpp
    void load();
    void reloadTabOrder();
    void showOptions();
    void refreshView();
    void refreshPageButtons();
    void refreshEditState();
    const FieldDefinition& editedRow() const;  // no key before the field's row exists
    FieldDefinition composeDefinition() const;  // the row as the view's inputs make it
    TableConstruction composeTable() const;
    // False, with a warning, for a duplicate name or a table wider than the page.
    bool acceptable(const FieldDefinition& definition);
    void warn(const QString& text);
    void endEdit();

    // page_designer_palette.cpp
    int usedNumbers() const;
    int usedSlots(FieldKind kind) const;
    int remaining(FieldKind kind) const;
    void refreshPalette();
    void refreshCopyButtons();

    // page_designer_placing.cpp
    void createRow(const FieldDefinition& definition);

    // page_designer_modifying.cpp
    bool modifying() const;
    bool writeModified();

    RecordAccess& m_access;
    Prompter& m_prompter;
    const TextMeasure& m_measure;
    QString m_listCode;
    bool m_listHasRecords;
    DefinitionCache m_cache;
    PageDesignerView m_view;
    std::optional<FieldEdit> m_edit;
    DesignerFocus m_focus = DesignerFocus::None;
};

}  // namespace vn
