#pragma once

#include <QList>
#include <QString>

namespace vn {

// The numbered application windows and the function each shows in its caption.
struct WindowCaption {
    int number;
    const char* objectName;
    const char* function;
};

const QList<WindowCaption>& applicationWindows();  // every window but the main window
QString windowCaption(const QString& stateName, const QString& officeName, const char* function);

}  // namespace vn
