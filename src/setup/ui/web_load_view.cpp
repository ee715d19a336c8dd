#include "setup/ui/web_load_view.h"

#include "platform/prompter.h"
#include "setup/utilities/web_load.h"
#include "store/program_version.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

const char* const kStepNames[] = {"copyProgramButton", "editGreetingButton", "buildArchiveButton", "publishButton",
                                  "finishedButton"};

QGroupBox* groupOf(QWidget* parent, const QString& title, const char* objectName, const QStringList& lines,
                   const QString& linePrefix) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QVBoxLayout(group);
    int n = 0;
    for (const QString& line : lines) {
        auto* label = new QLabel(line, group);
        label->setObjectName(linePrefix + QString::number(++n) + QStringLiteral("Label"));
        layout->addWidget(label);
    }
    return group;
}

}  // namespace

WebLoadView::WebLoadView(WebLoad& load, Prompter& prompter, const QString& stateName, const QString& stateCode,
                         QWidget* parent)
    : QWidget(parent), m_load(load), m_prompter(prompter) {
    setObjectName(QStringLiteral("webLoadView"));
    auto* layout = new QVBoxLayout(this);
    auto* warning = new QLabel(QStringLiteral("Warning!  This section is for the Varnedo programming staff only.  "
                                              "Press \"Exit Now!\" to leave it."),
                               this);
    warning->setObjectName(QStringLiteral("staffWarningLabel"));
    warning->setWordWrap(true);
    layout->addWidget(warning);
    layout->addWidget(buildFacts(stateName, stateCode));
    layout->addWidget(buildSteps(), 1);
    auto* exitNow = new QPushButton(QStringLiteral("Exit Now!"), this);
    exitNow->setObjectName(QStringLiteral("exitNowButton"));
    layout->addWidget(exitNow, 0, Qt::AlignRight);
    connect(exitNow, &QPushButton::clicked, this, &WebLoadView::closed);
    render();
}

void WebLoadView::open() {
    m_prompter.beep();
    m_load.open();
    render();
}

QWidget* WebLoadView::buildFacts(const QString& stateName, const QString& stateCode) {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(groupOf(box, QStringLiteral("Current State..."), "currentStateGroup", {stateName, stateCode},
                              QStringLiteral("state")));
    layout->addWidget(groupOf(box, QStringLiteral("Version"), "versionGroup",
                              {QStringLiteral("Varnedo!"), QString::fromLatin1(kProgramVersion)},
                              QStringLiteral("version")));
    return box;
}

QWidget* WebLoadView::buildSteps() {
    auto* group = new QGroupBox(QStringLiteral("Deployment process..."), this);
    group->setObjectName(QStringLiteral("deploymentGroup"));
    auto* layout = new QVBoxLayout(group);
    const QStringList captions = WebLoad::stepCaptions();
    for (int step = 0; step < captions.size(); ++step) {
        auto* button = new QPushButton(captions.at(step), group);
        button->setObjectName(QString::fromLatin1(kStepNames[step]));
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, step] { run(step); });
        m_steps << button;
    }
    return group;
}

void WebLoadView::run(int step) {
    if (step == WebLoad::Finished) {
        emit closed();
        return;
    }
    if (const QString error = m_load.run(WebLoad::Step(step)); !error.isEmpty()) m_prompter.error(error);
    render();
}

void WebLoadView::render() {
    for (int step = 0; step < m_steps.size(); ++step) m_steps[step]->setEnabled(m_load.enabled(WebLoad::Step(step)));
}

}  // namespace vn
