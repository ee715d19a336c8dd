#pragma once

#include "interchange/panels/import_text_state.h"

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLabel;

namespace vn {

// Mapping check boxes in a group, each with the number of the import field mapped to it beside
// it. The boxes show what the rules say; a click is only reported.
class TargetBoxGrid : public QGroupBox {
    Q_OBJECT
public:
    // `capacity` boxes in `rows` rows a column; `names` gives each box's object name stem.
    TargetBoxGrid(const QString& title, const QString& name, int capacity, int rows, QWidget* parent);
    void setNames(const QStringList& stems);
    // Boxes beyond the list are hidden.
    void render(const QList<TargetBox>& boxes);

signals:
    void clicked(int index);

private:
    struct Row {
        QCheckBox* box;
        QLabel* number;
    };
    std::vector<Row> m_rows;
};

}  // namespace vn
