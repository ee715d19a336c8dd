#pragma once

#include "designer/pages/page_geometry.h"
#include "designer/pages/page_layout.h"

#include <QFont>
#include <QWidget>

namespace vn {

// The page font ("DejaVu Sans", unshaped so letters keep their measured widths); the canvas, the
// measure and the record screen all draw with it.
QFont pageFont(int pointSize, bool bold = false, bool underline = false);

// Measures with the page font through Qt (DejaVu/Liberation as installed).
class QtTextMeasure : public TextMeasure {
public:
    int width(const QString& text, int pointSize, bool bold) const override;
};

// A list page drawn from its layout (840 x 460): the designer shows it, clicking a field selects it.
class PageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PageCanvas(QWidget* parent = nullptr);

    void setItems(const QList<LayoutItem>& items);
    const QList<LayoutItem>& items() const { return m_items; }
    // The highlight colour of the field's kind (0: none highlighted).
    void setHighlight(int definitionNumber);
    // While a field is being placed or modified no other field can be chosen.
    void setFieldsEnabled(bool enabled);
    // The definition under a point of the page, 0 for none.
    int definitionAt(QPoint point) const;

signals:
    void fieldClicked(int definitionNumber);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QList<LayoutItem> m_items;
    int m_highlight = 0;
    bool m_fieldsEnabled = true;
};

}  // namespace vn
