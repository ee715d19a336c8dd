#include "platform/ui/control_help_filter.h"

#include "platform/help_agent.h"

#include <QMenu>
#include <QMouseEvent>

namespace vn {

ControlHelpFilter::ControlHelpFilter(std::function<HelpAgent&()> agent, QObject* parent)
    : QObject(parent), m_agent(std::move(agent)) {}

void ControlHelpFilter::watch(QWidget* control) { control->installEventFilter(this); }

void ControlHelpFilter::explain(QWidget* control, const QString& text) {
    m_explanations.insert(control, text);
    watch(control);
}

bool ControlHelpFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    HelpAgent& agent = m_agent();
    if (press->button() != Qt::RightButton || !agent.enabled()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint local = press->position().toPoint();
    const QPoint screen = widget->mapToGlobal(local);
    if (m_explanations.contains(widget)) {
        agent.speak(m_explanations.value(widget), screen);
        return true;
    }
    QString name = widget->objectName();
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* action = menu->actionAt(local);
        if (!action) return false;
        name = action->objectName();
    }
    agent.askControlHelp(name, screen);
    return true;
}

}  // namespace vn
