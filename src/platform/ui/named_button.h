#pragma once

#include <QLabel>
#include <QPushButton>

namespace vn {

// A push button with its caption and object name.
inline QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A label that names the control it stands before (its mnemonic and accessible name).
inline QLabel* captionFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace vn
