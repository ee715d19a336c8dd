#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace vn {

class PageCanvas;

// The page canvas as assistive technology meets it: a pane named "Page" with one child per
// field drawn on it (named by its caption, with the role of its kind and its place), which
// follows the keyboard and can be pressed to choose the field.
class PageCanvasAccessible : public QAccessibleWidget {
public:
    explicit PageCanvasAccessible(PageCanvas* canvas);
    ~PageCanvasAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The canvas drew other fields, or the keyboard moved to another one.
    static void fieldsChanged(PageCanvas& canvas);
    static void focusMoved(PageCanvas& canvas);

private:
    PageCanvas& canvas() const;
    QAccessibleInterface* field(int definitionNumber) const;
    void forgetFieldsGone();

    mutable QHash<int, QAccessible::Id> m_fields;  // by definition number; the cache owns them
};

QAccessibleInterface* pageCanvasAccessibleFactory(const QString& className, QObject* object);

}  // namespace vn
