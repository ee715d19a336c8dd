#pragma once

#include <QPushButton>

namespace vn {

// A push button with its caption and object name.
inline QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace vn
