#include "shell/ui/agent/control_help_filter.h"

#include "shell/core/agent/agent.h"

#include <QMenu>
#include <QMouseEvent>

namespace vn {

ControlHelpFilter::ControlHelpFilter(Agent& agent, QObject* parent) : QObject(parent), m_agent(agent) {}

void ControlHelpFilter::watch(QWidget* control) { control->installEventFilter(this); }

bool ControlHelpFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton || !m_agent.enabled()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint local = press->position().toPoint();
    QString name = widget->objectName();
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* action = menu->actionAt(local);
        if (!action) return false;
        name = action->objectName();
    }
    m_agent.askControlHelp(name, widget->mapToGlobal(local));
    return true;
}

}  // namespace vn
