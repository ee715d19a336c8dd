#pragma once

#include "requests/builder/builder_state.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QPushButton;
class QScrollArea;

class QLabel;

namespace vn {

// What the field list shows: the page buttons, the page's fields and which are ticked, each
// with its order number (0: none shown).
struct FieldListLook {
    QList<int> pageButtons;
    int shownPage = kHeaderPage;
    bool pagesEnabled = true;
    PageFields fields;
    bool listEnabled = true;
    QList<std::pair<FieldRef, int>> ticked;
};

// The page buttons and "With Field...": one tick box per field of the page shown and the
// page's table as a grid of tick boxes, one per cell.
class FieldListWidget : public QWidget {
    Q_OBJECT
public:
    // The prefix tells the names of its controls from another list's in the same window.
    explicit FieldListWidget(QString prefix = {}, QWidget* parent = nullptr);
    void render(const FieldListLook& look);

signals:
    void pageClicked(int page);
    void fieldClicked(const FieldRef& field);

private:
    QWidget* buildPageButtons();
    QString named(const QString& name) const;
    void rebuild(const PageFields& fields);
    QWidget* buildGrid(const FieldGrid& grid, QWidget* parent);
    // The tick box and, beside it, the order number; a grid cell is named after its place.
    QWidget* entry(const FieldChoice& choice, const QString& caption, QWidget* parent, const QString& name = {});

    struct Entry {
        FieldRef field;
        QCheckBox* box;
        QLabel* order;
    };

    QWidget* m_pages = nullptr;
    QList<QPushButton*> m_pageButtons;  // the header, then pages 1 to 6
    QWidget* m_list = nullptr;
    QScrollArea* m_scroll = nullptr;
    QString m_prefix;
    QList<Entry> m_entries;
    PageFields m_drawn;
    bool m_drawnOnce = false;
};

}  // namespace vn
