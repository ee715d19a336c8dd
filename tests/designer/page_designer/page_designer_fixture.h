#pragma once

#include "lists/definitions/definition_rows.h"
#include "lists/definitions/definition_tables.h"
#include "designer/page_designer/page_designer.h"
#include "fixed_measure.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace vn::test {

// A list "abc" with an empty design and a page designer opened on it.
class PageDesignerFixture : public ::testing::Test {
protected:
    PageDesignerFixture() { putRow(store.access, kListSlot, "abc", {{1, "Members"}}); }

    void openDesigner(bool listHasRecords = false) {
        designer = std::make_unique<PageDesigner>(store.access, store.prompter, "abc", "mi_023", measure, listHasRecords);
        designer->open();
    }

    // Inputs that enable the kind's place button.
    static FieldInputs filled(FieldKind kind, const QString& name) {
        FieldInputs in = newFieldInputs(kind);
        in.name = name;
        in.size = 10;
        in.characterType = CharacterType::Both;
        in.buttons[0] = "One";
        in.buttons[1] = "Two";
        in.labelWidth = 10;
        in.table.columnCount = 1;
        in.table.rowCount = 1;
        in.table.columns[1] = {5, "Col"};
        in.table.rowNames[0] = "Row";
        return in;
    }

    // Adds and places a field; returns its definition number.
    int placeField(FieldKind kind, const QString& name) {
        EXPECT_TRUE(designer->add(kind));
        const int number = designer->view().currentDefinition;
        designer->editInputs(filled(kind, name));
        designer->place();
        return number;
    }

    int addField(FieldKind kind, const QString& name) {
        const int number = placeField(kind, name);
        designer->continueAdd();
        return number;
    }

    QString stored(int slot, const QString& key, int field) {
        return store.access.FindRecord(slot, key) ? store.access.GetFieldText(slot, field) : QStringLiteral("<no row>");
    }
    QString fdis(const QString& key, int field) { return stored(kFdisSlot, key, field); }
    bool exists(int slot, const QString& key) { return store.access.FindRecord(slot, key); }

    const PageDesignerView& view() const { return designer->view(); }
    const FieldDefinition& definition(int number) const {
        return designer->definitions().definition(view().page, number);
    }

    StoreFixture store;
    FixedMeasure measure;
    std::unique_ptr<PageDesigner> designer;
};

}  // namespace vn::test
