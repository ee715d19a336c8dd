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
// The record entry window's caption while a list is open: the list's title takes the function's place.
QString openListCaption(const QString& stateName, const QString& officeName, const QString& listTitle);

}  // namespace vn
