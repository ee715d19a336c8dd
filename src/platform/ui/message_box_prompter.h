#pragma once

#include "platform/prompter.h"

class QWidget;

namespace vn {

// Messages as modal message boxes with the system's fixed button sets.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void beep() override;
    Answer information(const QString& text, Buttons buttons = Buttons::Ok) override;
    Answer warning(const QString& text, Buttons buttons = Buttons::Ok) override;
    Answer error(const QString& text, Buttons buttons = Buttons::Ok) override;
    Answer confirmation(const QString& text, Buttons buttons = Buttons::OkCancel) override;

private:
    QWidget* m_parent;
};

}  // namespace vn
