#pragma once

#include <QWidget>

namespace vn {

// The picture shown while the tables are opened: borderless, maximised.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vn
