#pragma once

#include <QMainWindow>

namespace vn {

// The hub window; its start-up work and the other windows come with their own code.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& base, QWidget* parent = nullptr);
};

}  // namespace vn
