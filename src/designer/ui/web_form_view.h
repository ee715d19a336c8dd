#pragma once

#include "designer/web/web_form.h"

#include <QWidget>
#include <array>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class Prompter;

// "Web based form file generation...": the list's web settings, each checked as it is left, and
// the button that builds the form control file.
class WebFormView : public QWidget {
    Q_OBJECT
public:
    WebFormView(Prompter& prompter, QWidget* parent = nullptr);
    ~WebFormView() override;

    void open(std::unique_ptr<WebForm> rules);
    WebForm* rules() const { return m_rules.get(); }

signals:
    void buildConfirmed();
    void exitClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildInstructions();
    QWidget* buildEdits();
    void leave(WebFormInput input);
    void render();
    QWidget* inputWidget(WebFormInput input) const;

    Prompter& m_prompter;
    std::unique_ptr<WebForm> m_rules;
    QPlainTextEdit* m_instructions = nullptr;
    std::array<QLineEdit*, 4> m_edits{};
    QPushButton* m_build = nullptr;
    bool m_rendering = false;
};

}  // namespace vn
