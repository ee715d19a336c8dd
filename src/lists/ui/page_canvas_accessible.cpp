#include "lists/ui/page_canvas_accessible.h"

#include "lists/pages/field_order.h"
#include "lists/ui/page_canvas.h"

#include <QPointer>
#include <QWindow>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

QAccessible::Role roleOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::Memo: return QAccessible::EditableText;
    case FieldKind::CheckBox: return QAccessible::CheckBox;
    case FieldKind::RadioGroup: return QAccessible::Grouping;
    case FieldKind::Label: return QAccessible::StaticText;
    case FieldKind::Link: return QAccessible::Link;
    case FieldKind::Table: return QAccessible::Table;
    case FieldKind::None: break;
    }
    return QAccessible::Client;
}

// One field drawn on the canvas. It holds only the canvas and the field's number and reads
// everything else from the canvas when asked.
class CanvasFieldAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CanvasFieldAccessible(PageCanvas* canvas, int number) : m_canvas(canvas), m_number(number) {}

    bool isValid() const override { return m_canvas && m_canvas->fields().contains(m_number); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_canvas ? m_canvas->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_canvas.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        const LayoutItem* item = origin();
        if (!item) return {};
        if (t == QAccessible::Name) return item->name;
        if (t == QAccessible::Description)
            return QStringLiteral("%1, X = %2, Y = %3")
                .arg(QString::fromLatin1(fieldKindName(item->fieldKind)))
                .arg(item->rect.left())
                .arg(item->rect.top());
        return {};
    }

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect bounds = fieldBounds(m_canvas->items(), m_number);
        return QRect(m_canvas->mapToGlobal(bounds.topLeft()), bounds.size());
    }

    QAccessible::Role role() const override {
        const LayoutItem* item = origin();
        return item ? roleOf(item->fieldKind) : QAccessible::NoRole;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.readOnly = true;  // a drawing of the field, not the field itself
        s.focused = m_canvas->hasFocus() && m_canvas->focusField() == m_number;
        s.selected = m_canvas->highlight() == m_number;
        s.disabled = !m_canvas->fieldsEnabled();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (name == setFocusAction()) {
            m_canvas->setFocus(Qt::OtherFocusReason);
            m_canvas->setFocusField(m_number);
        } else if (name == pressAction()) {
            m_canvas->chooseField(m_number);
        }
    }

private:
    // The part the field is placed by: its box, check mark, group or grid, not the caption above.
    const LayoutItem* origin() const {
        if (!m_canvas) return nullptr;
        for (const LayoutItem& item : m_canvas->items())
            if (item.definitionNumber == m_number && item.kind != Kind::Caption) return &item;
        return nullptr;
    }

    QPointer<PageCanvas> m_canvas;
    int m_number;
};

}  // namespace

PageCanvasAccessible::PageCanvasAccessible(PageCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}

PageCanvasAccessible::~PageCanvasAccessible() {
    for (QAccessible::Id id : std::as_const(m_fields)) QAccessible::deleteAccessibleInterface(id);
}

PageCanvas& PageCanvasAccessible::canvas() const { return *static_cast<PageCanvas*>(widget()); }

QAccessibleInterface* PageCanvasAccessible::field(int definitionNumber) const {
    if (!canvas().fields().contains(definitionNumber)) return nullptr;
    if (const QAccessible::Id id = m_fields.value(definitionNumber)) return QAccessible::accessibleInterface(id);
    auto* made = new CanvasFieldAccessible(&canvas(), definitionNumber);
    m_fields.insert(definitionNumber, QAccessible::registerAccessibleInterface(made));
    return made;
}

int PageCanvasAccessible::childCount() const { return int(canvas().fields().size()); }

QAccessibleInterface* PageCanvasAccessible::child(int index) const { return field(canvas().fields().value(index)); }

int PageCanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child) return int(canvas().fields().indexOf(it.key()));
    return -1;
}

QAccessibleInterface* PageCanvasAccessible::childAt(int x, int y) const {
    return field(canvas().definitionAt(canvas().mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* PageCanvasAccessible::focusChild() const {
    return canvas().hasFocus() ? field(canvas().focusField()) : nullptr;
}

void PageCanvasAccessible::forgetFieldsGone() {
    for (auto it = m_fields.begin(); it != m_fields.end();) {
        if (canvas().fields().contains(it.key())) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it.value());
        it = m_fields.erase(it);
    }
}

void PageCanvasAccessible::fieldsChanged(PageCanvas& canvas) {
    if (auto* self = dynamic_cast<PageCanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas)))
        self->forgetFieldsGone();
    QAccessibleEvent reordered(&canvas, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

void PageCanvasAccessible::focusMoved(PageCanvas& canvas) {
    auto* self = dynamic_cast<PageCanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas));
    QAccessibleInterface* focused = self ? self->focusChild() : nullptr;
    if (!focused) return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* pageCanvasAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(PageCanvas::staticMetaObject.className()) || !object || !object->isWidgetType())
        return nullptr;
    return new PageCanvasAccessible(static_cast<PageCanvas*>(object));
}

}  // namespace vn
