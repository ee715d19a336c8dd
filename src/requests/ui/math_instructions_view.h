#pragma once

#include <QWidget>

namespace vn {

class Session;

// "Math Operations Instructions...": how math operations work, "Print Instructions" and "Return".
class MathInstructionsView : public QWidget {
    Q_OBJECT
public:
    explicit MathInstructionsView(QWidget* parent = nullptr);

signals:
    void printClicked();
    void returnClicked();
};

// The instructions on the print job under their title: the preview over the installed printers,
// or a PDF in the Files folder when there is none.
void printMathInstructions(Session& session);

}  // namespace vn
