#pragma once

#include "requests/builder/target_lists.h"
#include "requests/request.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vn {

class DefinitionCache;

// A field the user can click in the field list: what a condition records about it, its caption
// and how its target is given.
struct FieldChoice {
    FieldRef field;
    QString identifier;  // the Fdis key of a page field; empty for the header
    int definitionPosition = 0;  // the definition number, or the header field number
    QString caption;  // as listed; empty for a grid cell (the grid names it)
    QString piece;    // what the display text quotes: the caption, or "T:grid C:column R:row"
    bool gridCell = false;
    TargetInput input = TargetInput::Edit;
    int slot = 0;  // a text field's slot, which names its selection list
    QList<TargetEntry> buttons;  // a radio group's buttons with a caption, stored as their numbers

    bool operator==(const FieldChoice&) const = default;
};

// A table field drawn as a grid: its titles and one entry per cell, row by row.
struct FieldGrid {
    QString title;
    QStringList columnTitles;
    QStringList rowTitles;
    QList<FieldChoice> cells;  // row 1 columns 1..n, then row 2, ...

    const FieldChoice* cell(int row, int column) const;
    bool operator==(const FieldGrid&) const = default;
};

struct PageFields {
    bool inUse = false;
    QList<FieldChoice> fields;
    std::optional<FieldGrid> grid;

    bool operator==(const PageFields&) const = default;
};

inline constexpr int kHeaderPage = 0;
inline constexpr int kLastPage = 6;

// Every page's fields of one list: the header (page 0) and pages 1 to 6.
struct ListFields {
    std::array<PageFields, kLastPage + 1> pages;

    const FieldChoice* find(const FieldRef& field) const;
};

// The header's sixteen fields, Title and Suffix with their lists.
PageFields headerFields();

// The fields of the list's pages in definition order: active text fields (a selection list where
// the definition has one), memos, check boxes, radio groups and the table's cells. A page is in
// use when it has a definition row, deleted or not.
ListFields listFields(const DefinitionCache& definitions);

}  // namespace vn
