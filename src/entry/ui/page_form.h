#pragma once

#include "designer/pages/page_layout.h"

#include <QMap>
#include <QWidget>
#include <functional>

class QAbstractButton;

namespace vn {

// One page of the record screen: live controls placed by the page layout, each bound to the
// page column that holds its value.
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
    // The text box with tab order 1, or nothing.
    QWidget* firstInTabOrder() const;

private:
    void addItem(const LayoutItem& item);
    QWidget* addTextBox(const LayoutItem& item);
    QWidget* addMemo(const LayoutItem& item);
    QWidget* addCheckBox(const LayoutItem& item);
    QWidget* addRadioGroup(const LayoutItem& item);
    void addRadioButton(const LayoutItem& item);
    void addText(const LayoutItem& item);
    void addLine(const LayoutItem& item);
    void report(int column, const QString& value);

    ValueChanged m_changed;
    QMap<int, QWidget*> m_controls;                 // value controls by column
    QMap<int, QList<QAbstractButton*>> m_radios;    // radio buttons by column, button n at [n - 1]
    QMap<int, QWidget*> m_groups;                   // radio group frames by column
    QMap<int, int> m_tabOrder;                      // text boxes: tab order -> column
    bool m_showing = false;
};

}  // namespace vn
