#include "shell/ui/agent/agent_window.h"

#include "platform/voice/voice.h"
#include "shell/ui/agent/character_art.h"
#include "shell/ui/agent/desktop_compositing.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace vn {

namespace {

const QString kSpeak = QStringLiteral("Speak");
constexpr int kTick = 50;
constexpr int kMouthBeat = 130;

// Long enough to read the balloon or hear the text.
int speakingLength(const QString& text) { return qMax(1500, int(text.size()) * 60); }

class CharacterCanvas final : public QWidget {
public:
    CharacterCanvas(const AgentWindow& window, QWidget* parent) : QWidget(parent), m_window(window) {
        setObjectName(QStringLiteral("agentCharacter"));
        setFixedSize(110, 132);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintCharacter(painter, m_window.character(), m_window.pose(), QRectF(rect()).adjusted(2, 2, -2, -2));
    }

private:
    const AgentWindow& m_window;
};

}  // namespace

AgentWindow::AgentWindow(Voice& voice, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_voice(voice) {
    setObjectName(QStringLiteral("agentWindow"));
    // Without a compositing manager a translucent window is black where nothing is painted: the
    // character then stands on a plain pale ground.
    if (desktopComposites()) setAttribute(Qt::WA_TranslucentBackground);
    else {
        QPalette ground = palette();
        ground.setColor(QPalette::Window, QColor(0xf4, 0xf4, 0xf4));
        setPalette(ground);
        setAutoFillBackground(true);
    }
    setAccessibleName(QStringLiteral("Help Character"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(0, 0, 0, 0);
    m_balloon = new QLabel(this);
    m_balloon->setObjectName(QStringLiteral("agentBalloon"));
    m_balloon->setAccessibleName(QStringLiteral("Agent Help"));
    m_balloon->setWordWrap(true);
    m_balloon->setTextFormat(Qt::PlainText);
    m_balloon->setFixedWidth(260);
    m_balloon->setStyleSheet(QStringLiteral(
        "QLabel { background: #fffbe0; color: black; border: 1px solid #505050; border-radius: 8px; padding: 6px; }"));
    m_balloon->hide();
    m_canvas = new CharacterCanvas(*this, this);
    layout->addWidget(m_balloon);
    layout->addWidget(m_canvas, 0, Qt::AlignLeft);
    m_timer.setInterval(kTick);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

AgentWindow::~AgentWindow() { m_voice.stop(); }

void AgentWindow::load(int character) {
    m_character = character;
    m_pose = CharacterPose();
}

void AgentWindow::perform(const AgentRequest& request) {
    using Kind = AgentRequest::Kind;
    switch (request.kind) {
    case Kind::MoveTo:
        moveTo(request.point);
        finish();
        return;
    case Kind::Show:
        if (isVisible()) return finish();
        show();
        keepOnScreen();
        return start(QStringLiteral("Show"), animationLength(QStringLiteral("Show")));
    case Kind::Play:
        return start(request.text, animationLength(request.text));
    case Kind::Speak:
        m_balloon->setText(request.text);
        m_balloon->show();
        keepOnScreen();
        m_voice.say(request.text, m_character);  // returns at once; a missing voice leaves the balloon
        return start(kSpeak, speakingLength(request.text));
    }
}

void AgentWindow::release() {
    m_timer.stop();
    m_animation.clear();
    m_voice.stop();
    m_balloon->clear();
    m_balloon->hide();
    hide();
    m_character = 0;
}

QString AgentWindow::balloonText() const { return m_balloon->isVisible() ? m_balloon->text() : QString(); }

void AgentWindow::start(const QString& animation, int length) {
    m_animation = animation;
    m_length = length;
    m_clock.start();
    m_timer.start();
    tick();
}

void AgentWindow::tick() {
    if (m_animation.isEmpty()) return;
    const qint64 elapsed = m_clock.elapsed();
    if (m_animation == kSpeak) {
        m_pose = CharacterPose();
        m_pose.mouthOpen = (elapsed / kMouthBeat) % 2 == 0;
    } else {
        m_pose = poseAt(m_animation, qMin<qreal>(1.0, qreal(elapsed) / m_length));
    }
    m_canvas->update();
    if (elapsed >= m_length) finish();
}

void AgentWindow::finish() {
    m_timer.stop();
    m_animation.clear();
    m_pose = CharacterPose();
    m_canvas->update();
    if (m_done) m_done();
}

void AgentWindow::moveTo(QPoint point) {
    m_anchor = point;
    keepOnScreen();
}

void AgentWindow::keepOnScreen() {
    adjustSize();
    QScreen* screen = QGuiApplication::screenAt(m_anchor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    QPoint at = m_anchor;
    if (screen) {
        const QRect area = screen->availableGeometry();
        at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - width())));
        at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - height())));
    }
    move(at);
}

void AgentWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragOffset = event->globalPosition().toPoint() - pos();
    QWidget::mousePressEvent(event);
}

void AgentWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        m_anchor = event->globalPosition().toPoint() - m_dragOffset;
        keepOnScreen();
    }
    QWidget::mouseMoveEvent(event);
}

void AgentWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("agentMenu"));
    QAction* hideAction = menu.addAction(QStringLiteral("Hide"));
    hideAction->setObjectName(QStringLiteral("actionHideAgent"));
    connect(hideAction, &QAction::triggered, this, [this] { hideByUser(); });
    menu.exec(event->globalPos());
}

void AgentWindow::hideByUser() {
    if (m_hideRequested) m_hideRequested();
    else release();
}

}  // namespace vn
