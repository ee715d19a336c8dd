#pragma once

#include "requests/builder/builder_state.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QPushButton;
class QScrollArea;

namespace vn {

class BuilderDriver;

// The page buttons and "With Field...": one tick box per field of the page shown and the
// page's table as a grid of tick boxes, one per cell.
class FieldListWidget : public QWidget {
    Q_OBJECT
public:
    FieldListWidget(BuilderDriver& drive, QWidget* parent = nullptr);
    void render(const BuilderState& state);

private:
    QWidget* buildPageButtons();
    void rebuild(const PageFields& fields);
    QWidget* buildGrid(const FieldGrid& grid, QWidget* parent);
    QCheckBox* entry(const FieldChoice& choice, const QString& caption, QWidget* parent);

    BuilderDriver& m_drive;
    QWidget* m_pages = nullptr;
    QList<QPushButton*> m_pageButtons;  // the header, then pages 1 to 6
    QWidget* m_list = nullptr;
    QScrollArea* m_scroll = nullptr;
    QList<std::pair<FieldRef, QCheckBox*>> m_entries;
    PageFields m_drawn;
    bool m_drawnOnce = false;
};

}  // namespace vn
