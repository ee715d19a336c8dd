#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace vn {

struct ExportTable;

// The page's table: its name, column titles and row names, and a cell for each row and column
// within its counts. A chosen cell shows its order number on white, an unchosen one is empty on
// peach; clicking one switches it.
class ExportCellsGrid : public QWidget {
    Q_OBJECT
public:
    explicit ExportCellsGrid(QWidget* parent);
    void render(const ExportTable& table, const std::function<std::optional<int>(int row, int column)>& number);

signals:
    void cellClicked(int row, int column);

private:
    QLabel* m_name;
    QList<QLabel*> m_titles;      // column c at [c - 1]
    QList<QLabel*> m_rowNames;    // row r at [r - 1]
    QList<QPushButton*> m_cells;  // row r, column c at [(r - 1) * 5 + c - 1]
};

}  // namespace vn
