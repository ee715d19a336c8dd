#pragma once

#include <QString>

class QWidget;

namespace vn {

// The caption as assistive technology reads it: no "&", no colon, no trailing dots.
QString spokenCaption(const QString& caption);

// Names a control for tests and assistive technology. Inputs whose caption is a group title, not
// a buddy label, also get the caption as their accessible name.
void nameControl(QWidget* control, const char* objectName, const QString& caption = {});

}  // namespace vn
