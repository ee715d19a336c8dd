#include "interchange/ui/import_text_controls.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

bool g_viewMovesFocus = false;

}  // namespace

ChoiceGroup::ChoiceGroup(const QString& title, const char* name,
                         std::initializer_list<std::pair<const char*, const char*>> choices, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    int number = 0;
    for (const auto& [caption, radioName] : choices) {
        auto* radio = new QRadioButton(QString::fromLatin1(caption), this);
        radio->setObjectName(QString::fromLatin1(radioName));
        connect(radio, &QRadioButton::clicked, this, [this, choice = ++number] { emit chosen(choice); });
        layout->addWidget(radio);
        m_radios.push_back(radio);
    }
}

void ChoiceGroup::render(int chosen, bool enabled) {
    for (std::size_t i = 0; i < m_radios.size(); ++i) {
        QRadioButton* radio = m_radios[i];
        radio->setEnabled(enabled);
        // With no choice made, none shows checked.
        radio->setAutoExclusive(false);
        radio->setChecked(int(i) + 1 == chosen);
        radio->setAutoExclusive(true);
    }
}

LeavingEdit::LeavingEdit(QLineEdit* edit, QObject* parent) : QObject(parent), m_edit(edit) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::returnPressed, this, [this] { emit left(m_edit->text(), true); });
}

void LeavingEdit::setText(const QString& text) {
    if (m_edit->text() != text) m_edit->setText(text);
}

void moveFocusQuietly(QWidget* widget) {
    g_viewMovesFocus = true;
    widget->setFocus(Qt::OtherFocusReason);
    g_viewMovesFocus = false;
}

bool LeavingEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::FocusOut && !g_viewMovesFocus && m_edit->isVisible())
        emit left(m_edit->text(), false);
    return QObject::eventFilter(watched, event);
}

QWidget* exampleLine(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

}  // namespace vn
