#pragma once

#include "interchange/fields/field_ref.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace vn {

class DefinitionCache;

// One box of the export view's page group: the field it stands for and what it shows.
struct ExportBox {
    QString caption;
    FieldRef field;
    bool hasList = false;  // a text field with a selection list
};

// The page's table as the view draws it: its name, column titles and row names within its counts.
struct ExportTable {
    QString name;
    int rows = 0;
    int columns = 0;
    QStringList columnTitles;  // column c at [c - 1]
    QStringList rowNames;      // row r at [r - 1]

    bool shown() const { return rows > 0 && columns > 0; }
};

// The boxes of one page, filled from its active definitions in definition-number order: box k of
// a kind shows the k-th active definition of that kind and exports that definition's column, so a
// deleted field leaves no gap in the boxes yet moves no value.
struct ExportPageBoxes {
    static constexpr int kTextBoxes = 20;
    static constexpr int kCheckBoxes = 40;
    static constexpr int kRadioBoxes = 10;

    int page = 1;
    QList<ExportBox> texts;
    QList<ExportBox> checks;
    QList<ExportBox> radios;
    std::optional<ExportBox> memo;
    ExportTable table;

    // The shown box of the field; nothing for a field the page does not show.
    const ExportBox* find(FieldRef field) const;
};

ExportPageBoxes exportPageBoxes(const DefinitionCache& definitions, int page);

// The field of a table cell on the page.
FieldRef exportCellField(int page, int row, int column);

}  // namespace vn
