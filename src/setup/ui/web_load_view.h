#pragma once

#include <QWidget>

class QPushButton;

namespace vn {

class Prompter;
class WebLoad;

// "Web Load": the warning, the state and version, the five deployment steps and "Exit Now!".
class WebLoadView : public QWidget {
    Q_OBJECT
public:
    WebLoadView(WebLoad& load, Prompter& prompter, const QString& stateName, const QString& stateCode,
                QWidget* parent = nullptr);
    void open();

signals:
    void closed();

private:
    QWidget* buildFacts(const QString& stateName, const QString& stateCode);
    QWidget* buildSteps();
    void run(int step);
    void render();

    WebLoad& m_load;
    Prompter& m_prompter;
    QList<QPushButton*> m_steps;
};

}  // namespace vn
