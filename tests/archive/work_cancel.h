#pragma once

#include <QPushButton>
#include <QTimer>
#include <functional>

namespace vn::test {

// Runs `work` (a click that starts a panel's long work) and presses Cancel of the work dialog
// the first time it shows; whether it showed.
inline bool cancelWhenTheDialogShows(QWidget* window, const std::function<void()>& work) {
    bool shown = false;
    QTimer cancel;  // fires whenever the work lets the window answer
    QObject::connect(&cancel, &QTimer::timeout, window, [&] {
        auto* dialog = window->findChild<QWidget*>("workDialog");
        if (!dialog || !dialog->isVisible()) return;
        shown = true;
        dialog->findChild<QPushButton*>("workCancelButton")->click();
    });
    cancel.start(0);
    work();
    return shown;
}

}  // namespace vn::test
