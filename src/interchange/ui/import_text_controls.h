#pragma once

#include <QGroupBox>
#include <QString>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QRadioButton;

namespace vn {

// A group of radio buttons, one chosen or none; clicks are reported by number (1, 2, ...).
class ChoiceGroup : public QGroupBox {
    Q_OBJECT
public:
    ChoiceGroup(const QString& title, const char* name, std::initializer_list<std::pair<const char*, const char*>> choices,
                QWidget* parent);
    void render(int chosen, bool enabled);

signals:
    void chosen(int choice);

private:
    std::vector<QRadioButton*> m_radios;
};

// An entry box whose leaving is reported, telling the Enter key from a move of the focus. A move
// the view makes itself is not reported.
class LeavingEdit : public QObject {
    Q_OBJECT
public:
    LeavingEdit(QLineEdit* edit, QObject* parent);
    void setText(const QString& text);  // unless it is what the box shows

signals:
    void left(const QString& text, bool byEnter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
};

// Moves the focus for the view: the box left this way reports nothing.
void moveFocusQuietly(QWidget* widget);

// A line of example text under an entry box.
QWidget* exampleLine(const QString& text, const char* name, QWidget* parent);

}  // namespace vn
