#include "interchange/ui/export_cells_grid.h"

#include "interchange/panels/export_page_boxes.h"
#include "lists/definitions/column_map.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vn {

namespace {

constexpr int kRows = ColumnMap::kTableRows;
constexpr int kColumns = ColumnMap::kTableColumns;
const QString kChosen = QStringLiteral("background-color: rgb(255, 255, 255); border: 1px solid gray;");
const QString kUnchosen = QStringLiteral("background-color: rgb(253, 209, 170); border: 1px solid gray;");

QLabel* gridLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

ExportCellsGrid::ExportCellsGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("exportTable"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    m_name = gridLabel(QStringLiteral("tableNameLabel"), this);
    grid->addWidget(m_name, 0, 0);
    for (int c = 1; c <= kColumns; ++c) {
        m_titles << gridLabel(QStringLiteral("columnTitle%1Label").arg(c), this);
        grid->addWidget(m_titles.back(), 0, c);
    }
    for (int r = 1; r <= kRows; ++r) {
        m_rowNames << gridLabel(QStringLiteral("rowName%1Label").arg(r), this);
        grid->addWidget(m_rowNames.back(), r, 0);
        for (int c = 1; c <= kColumns; ++c) {
            auto* cell = new QPushButton(this);
            cell->setObjectName(QStringLiteral("cellR%1C%2Button").arg(r).arg(c));
            cell->setAccessibleName(QStringLiteral("Row %1 Column %2").arg(r).arg(c));
            cell->setFlat(true);
            cell->setAutoFillBackground(true);
            cell->setFixedSize(44, 18);
            connect(cell, &QPushButton::clicked, this, [this, r, c] { emit cellClicked(r, c); });
            grid->addWidget(cell, r, c);
            m_cells << cell;
        }
    }
    grid->setRowStretch(kRows + 1, 1);
    grid->setColumnStretch(kColumns + 1, 1);
}

void ExportCellsGrid::render(const ExportTable& table, const std::function<std::optional<int>(int, int)>& number) {
    setVisible(table.shown());
    m_name->setText(table.name);
    for (int c = 1; c <= kColumns; ++c) {
        m_titles[c - 1]->setText(table.columnTitles.value(c - 1));
        m_titles[c - 1]->setVisible(c <= table.columns);
    }
    for (int r = 1; r <= kRows; ++r) {
        m_rowNames[r - 1]->setText(table.rowNames.value(r - 1));
        m_rowNames[r - 1]->setVisible(r <= table.rows);
        for (int c = 1; c <= kColumns; ++c) {
            QPushButton* cell = m_cells[(r - 1) * kColumns + c - 1];
            cell->setVisible(r <= table.rows && c <= table.columns);
            const std::optional<int> chosen = cell->isVisibleTo(this) ? number(r, c) : std::nullopt;
            cell->setText(chosen ? QString::number(*chosen) : QString());
            cell->setStyleSheet(chosen ? kChosen : kUnchosen);
        }
    }
}

}  // namespace vn
