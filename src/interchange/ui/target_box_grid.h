#pragma once

#include "interchange/panels/import_text_state.h"

#include <QGroupBox>

namespace vn {

class NumberedBox;

// Mapping check boxes in a group, each with the number of the import field mapped to it beside
// it. The boxes show what the rules say; a click is only reported.
class TargetBoxGrid : public QGroupBox {
    Q_OBJECT
public:
    // A box for each name stem, `rows` to a column.
    TargetBoxGrid(const QString& title, const QString& name, const QStringList& stems, int rows, QWidget* parent);
    // Boxes beyond the list are hidden.
    void render(const QList<TargetBox>& boxes);

signals:
    void clicked(int index);

private:
    QList<NumberedBox*> m_boxes;
};

}  // namespace vn
