#include "shell/ui/splash_window.h"

#include "store/program_version.h"

#include <QLinearGradient>
#include <QPainter>

namespace vn {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen) {
    setObjectName(QStringLiteral("splashWindow"));
    setWindowTitle(QStringLiteral("Splash Screen"));
    setWindowState(Qt::WindowMaximized);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x1f, 0x3a, 0x5f));
    sky.setColorAt(1, QColor(0x6f, 0x9a, 0xc4));
    p.fillRect(rect(), sky);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 48, QFont::Bold);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, QStringLiteral("Varnedo"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    p.drawText(rect().adjusted(0, 80, 0, 0), Qt::AlignCenter,
               QStringLiteral("Version %1 - opening the tables...").arg(QString::fromLatin1(kProgramVersion)));
}

}  // namespace vn
