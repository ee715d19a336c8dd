#pragma once

#include <QObject>

class QWidget;

namespace vn {

class Agent;

// Right clicks on watched controls ask the agent for their help phrase; on a watched menu, the
// phrase of the item under the pointer. Other buttons pass through.
class ControlHelpFilter final : public QObject {
public:
    ControlHelpFilter(Agent& agent, QObject* parent);
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Agent& m_agent;
};

}  // namespace vn
