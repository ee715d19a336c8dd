#pragma once

#include "shell/core/agent/agent_stage.h"
#include "shell/ui/agent/character_pose.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

namespace vn {

class Voice;

// The help character on the desktop: a frameless, see-through window that stays on top, with
// the drawn character and a balloon holding every word it says. Requests are played one at a
// time on a timer; the left button drags it, a right click offers "Hide".
class AgentWindow final : public QWidget, public AgentStage {
    Q_OBJECT
public:
    explicit AgentWindow(Voice& voice, QWidget* parent = nullptr);
    ~AgentWindow() override;

    void setRequestDone(std::function<void()> done) { m_done = std::move(done); }
    // Asked for by "Hide"; unset, the window just hides.
    void setHideRequested(std::function<void()> hide) { m_hideRequested = std::move(hide); }

    void load(int character) override;
    void perform(const AgentRequest& request) override;
    void release() override;

    int character() const { return m_character; }
    QString balloonText() const;
    const CharacterPose& pose() const { return m_pose; }
    QWidget* canvas() const { return m_canvas; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void start(const QString& animation, int length);
    void tick();
    void finish();
    void moveTo(QPoint point);
    void keepOnScreen();
    void hideByUser();

    Voice& m_voice;
    QLabel* m_balloon = nullptr;
    QWidget* m_canvas = nullptr;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QString m_animation;  // under way; empty when idle
    int m_length = 0;
    int m_character = 0;
    CharacterPose m_pose;
    QPoint m_anchor;
    QPoint m_dragOffset;
    std::function<void()> m_done;
    std::function<void()> m_hideRequested;
};

}  // namespace vn
