#pragma once

#include "lists/pages/page_layout.h"

#include <QMap>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QLabel;

namespace vn {

class EditingColour;

// One page of the record screen: live controls placed by the page layout, each bound to the
// page column that holds its value. Page text boxes are not reported as typed: their input is
// checked when they are left (FieldChecker) and stored only when accepted.
class PageForm : public QWidget {
    Q_OBJECT
public:
    using ValueChanged = std::function<void(int column, const QString& value)>;

    explicit PageForm(QWidget* parent = nullptr);

    // Builds the page's controls from its layout; every edit reports its column and value.
    void build(const QList<LayoutItem>& items, ValueChanged changed);
    // Shows the values: column -> text ("1" ticks a check box, a number chooses a radio button).
    void showValues(const std::function<QString(int column)>& valueOf);
    // The control of a column, for focus and tests.
    QWidget* control(int column) const { return m_controls.value(column); }
    // The text box with the lowest tab order, or nothing.
    QWidget* firstInTabOrder() const { return m_tabOrder.isEmpty() ? nullptr : textBoxAt(m_tabOrder.firstKey()); }
    QWidget* textBoxAt(int tabOrder) const;
    // Page text boxes: column -> definition number.
    const QMap<int, int>& textFields() const { return m_textFields; }
    QWidget* firstGridCell() const { return m_firstCell; }
    // Where Enter in the last grid cell goes ("Save / Exit").
    void setGridEnd(std::function<void()> gridEnd) { m_gridEnd = std::move(gridEnd); }
    // Enter in a grid cell: the next cell of the row, else the first of the next row, else the end.
    void enterInCell(int column);
    // Marks the captions, check boxes and radio groups of the definitions that have help text;
    // a right click on one of them asks for its help (helpAsked).
    void markHelp(const std::function<bool(int definitionNumber)>& hasHelp);

signals:
    void helpAsked(int definitionNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* addItem(const LayoutItem& item);
    QWidget* addTextBox(const LayoutItem& item);
    QWidget* addMemo(const LayoutItem& item);
    QWidget* addCheckBox(const LayoutItem& item);
    QWidget* addRadioGroup(const LayoutItem& item);
    QWidget* addRadioButton(const LayoutItem& item);
    QWidget* addText(const LayoutItem& item);
    QWidget* addLine(const LayoutItem& item);
    void nameAfterCaption(QWidget* control, const LayoutItem& item);
    void chainFocus(const QList<LayoutItem>& items, const QList<QWidget*>& made);
    void report(int column, const QString& value);

    ValueChanged m_changed;
    QMap<int, QWidget*> m_controls;                 // value controls by column
    QMap<int, QList<QAbstractButton*>> m_radios;    // radio buttons by column, button n at [n - 1]
    QMap<int, QWidget*> m_groups;                   // radio group frames by column
    QMap<int, int> m_tabOrder;                      // text boxes: tab order -> column
    QMap<int, int> m_textFields;                    // text boxes: column -> definition number
    QMap<int, QLabel*> m_captions;                  // captions drawn apart from their box, by definition
    QList<QPair<QWidget*, int>> m_helpTargets;      // what a right click asks help for: control, definition
    QWidget* m_firstCell = nullptr;
    std::function<void()> m_gridEnd;
    EditingColour* m_colour = nullptr;
    bool m_showing = false;
};

}  // namespace vn
