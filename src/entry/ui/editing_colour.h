#pragma once

#include <QObject>

class QWidget;

namespace vn {

// Text boxes and grid cells of the record screen: white while edited, light otherwise.
class EditingColour : public QObject {
public:
    explicit EditingColour(QObject* parent) : QObject(parent) {}
    // Gives the box the light colour and follows its focus from now on.
    void watch(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

void paintEditing(QWidget* box, bool editing);

}  // namespace vn
