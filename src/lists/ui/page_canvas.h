#pragma once

#include "lists/pages/page_geometry.h"
#include "lists/pages/page_layout.h"

#include <QFont>
#include <QPainter>
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

// A list page drawn from its layout (840 x 460): the designer shows it. A field is chosen by a
// click on it, or by walking the fields with Tab or the arrow keys and pressing Enter; assistive
// technology sees each field as a child of the page.
class PageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PageCanvas(QWidget* parent = nullptr);

    void setItems(const QList<LayoutItem>& items);
    const QList<LayoutItem>& items() const { return m_items; }
    // The highlight colour of the field's kind (0: none highlighted).
    void setHighlight(int definitionNumber);
    int highlight() const { return m_highlight; }
    // While a field is being placed or modified no other field can be chosen.
    void setFieldsEnabled(bool enabled);
    bool fieldsEnabled() const { return m_fieldsEnabled; }
    // The definition under a point of the page, 0 for none.
    int definitionAt(QPoint point) const;

    // The fields drawn, as the page reads; the one the keyboard is on (0: none).
    const QList<int>& fields() const { return m_fields; }
    int focusField() const { return m_focusField; }
    void setFocusField(int definitionNumber);
    // Chooses a field as a click on it does.
    void chooseField(int definitionNumber);

signals:
    void fieldChosen(int definitionNumber);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool stepFocus(int by);
    void drawFocus(QPainter& painter) const;

    QList<LayoutItem> m_items;
    QList<int> m_fields;
    int m_focusField = 0;
    int m_highlight = 0;
    bool m_fieldsEnabled = true;
};

}  // namespace vn
