#include "setup/ui/factory_view.h"

#include "platform/ui/busy_cursor.h"
#include "setup/ui/choice_list.h"
#include "setup/ui/control_names.h"
#include "setup/ui/guarded_step.h"
#include "setup/ui/password_box.h"
#include "setup/utilities/factory.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <climits>

namespace vn {

namespace {

const QStringList kPackingColumns = {QStringLiteral("Data Table:"), QStringLiteral("Reading Record:"),
                                     QStringLiteral("Reading Field:"), QStringLiteral("Writing Record:"),
                                     QStringLiteral("Writing Field:")};

int gaugeNumber(qint64 n) { return int(qMin<qint64>(n, INT_MAX)); }

QLineEdit* unusedBox(QWidget* parent, const char* objectName, const QString& caption) {
    auto* box = new QLineEdit(parent);
    nameControl(box, objectName, caption);
    box->hide();
    return box;
}

}  // namespace

FactoryView::FactoryView(Factory& factory, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_factory(factory), m_prompter(prompter) {
    setObjectName(QStringLiteral("factoryView"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPassword());
    layout->addWidget(buildTasks(), 1);
    layout->addWidget(buildPacking(), 1);
    connectSteps();
    render();
}

bool FactoryView::open() {
    act([this] { m_factory.open(); });
    if (m_factory.screen().open) m_password->setFocus();
    return m_factory.screen().open;
}

QPushButton* FactoryView::addButton(const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QWidget* FactoryView::buildPassword() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    m_passwordCaption = new QLabel(QStringLiteral("Password..."), box);
    m_passwordCaption->setObjectName(QStringLiteral("factoryPasswordCaptionLabel"));
    m_password = new PasswordBox(box);
    nameControl(m_password, "factoryPasswordEdit", m_passwordCaption->text());
    m_passwordCaption->setBuddy(m_password);
    m_input1 = unusedBox(box, "input1Edit", QStringLiteral("Input 1"));
    m_input2 = unusedBox(box, "input2Edit", QStringLiteral("Input 2"));
    m_exit = addButton(QStringLiteral("Exit"), "factoryExitButton");
    m_exitProgram = addButton(QStringLiteral("Exit Program"), "exitProgramButton");
    for (QWidget* w : {static_cast<QWidget*>(m_passwordCaption), static_cast<QWidget*>(m_password),
                       static_cast<QWidget*>(m_input1), static_cast<QWidget*>(m_input2)})
        layout->addWidget(w);
    layout->addStretch(1);
    layout->addWidget(m_exit);
    layout->addWidget(m_exitProgram);
    return box;
}

QWidget* FactoryView::buildTasks() {
    m_taskGroup = new QGroupBox(QStringLiteral("Execute Task..."), this);
    m_taskGroup->setObjectName(QStringLiteral("taskGroup"));
    auto* layout = new QVBoxLayout(m_taskGroup);
    m_tasks = new ChoiceList(m_taskGroup);
    nameControl(m_tasks, "taskList", m_taskGroup->title());
    layout->addWidget(m_tasks);
    auto* actions = new QHBoxLayout;
    m_process = addButton(QStringLiteral("Process"), "taskProcessButton");
    auto* gaugeCaption = new QLabel(QStringLiteral("Task Progress..."), m_taskGroup);
    gaugeCaption->setObjectName(QStringLiteral("taskProgressCaptionLabel"));
    m_gauge = new QProgressBar(m_taskGroup);
    nameControl(m_gauge, "taskProgressGauge", gaugeCaption->text());
    gaugeCaption->setBuddy(m_gauge);
    m_testServer = addButton(QStringLiteral("Use Test Server"), "testServerButton");
    m_productionServer = addButton(QStringLiteral("Use Production Server"), "productionServerButton");
    m_webHost = new QLabel(m_taskGroup);
    m_webHost->setObjectName(QStringLiteral("webHostLabel"));
    for (QWidget* w : {static_cast<QWidget*>(m_process), static_cast<QWidget*>(gaugeCaption),
                       static_cast<QWidget*>(m_gauge), static_cast<QWidget*>(m_testServer),
                       static_cast<QWidget*>(m_productionServer), static_cast<QWidget*>(m_webHost)})
        actions->addWidget(w);
    layout->addLayout(actions);
    return m_taskGroup;
}

QWidget* FactoryView::buildPacking() {
    m_packingGroup = new QGroupBox(QStringLiteral("Data Table Packing Display Area:"), this);
    m_packingGroup->setObjectName(QStringLiteral("packingGroup"));
    m_packing = new QTableWidget(0, int(kPackingColumns.size()), m_packingGroup);
    nameControl(m_packing, "packingTable", m_packingGroup->title());
    m_packing->setHorizontalHeaderLabels(kPackingColumns);
    m_packing->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_packing->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    (new QVBoxLayout(m_packingGroup))->addWidget(m_packing);
    return m_packingGroup;
}

void FactoryView::connectSteps() {
    connect(m_password, &PasswordBox::left, this, [this](const QString& text) {
        act([this, text] { m_factory.leavePassword(text); });
        m_password->clear();
        if (!m_factory.screen().open) emit closed();
        else if (m_factory.screen().focusExit) m_exit->setFocus();
    });
    connect(m_tasks, &ChoiceList::chosen, this, [this](int row) { act([this, row] { m_factory.chooseTask(row); }); });
    connect(m_process, &QPushButton::clicked, this, &FactoryView::process);
    connect(m_testServer, &QPushButton::clicked, this,
            [this] { act([this] { m_factory.setWebHost(testServerAddress()); }); });
    connect(m_productionServer, &QPushButton::clicked, this,
            [this] { act([this] { m_factory.setWebHost(productionServerAddress()); }); });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        m_factory.close();
        render();
        emit closed();
    });
    connect(m_exitProgram, &QPushButton::clicked, this, &FactoryView::exitProgram);
}

template <typename Step>
void FactoryView::act(Step&& step) {
    runGuarded(m_prompter, std::forward<Step>(step));
    render();
}

// The gauge moves while the window keeps painting; clicks wait for the end.
void FactoryView::process() {
    BusyCursor busy;
    m_gauge->setValue(0);
    const auto step = [this](qint64 done, qint64 total) {
        m_gauge->setMaximum(gaugeNumber(qMax<qint64>(1, total)));
        m_gauge->setValue(gaugeNumber(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    act([this, &step] { m_factory.process(step); });
}

void FactoryView::render() {
    const FactoryScreen& s = m_factory.screen();
    m_password->setVisible(s.passwordShown);
    m_passwordCaption->setVisible(s.passwordShown);
    m_exit->setVisible(s.passwordShown);
    m_taskGroup->setVisible(s.tasksShown);
    m_exitProgram->setVisible(s.tasksShown);
    m_tasks->setEntries(s.tasks);
    if (s.chosen < 0) m_tasks->clearSelection();
    m_process->setEnabled(s.processEnabled);
    m_webHost->setText(s.webHost);
    m_packingGroup->setVisible(s.packingShown);
    m_packing->setRowCount(int(s.packing.size()));
    for (int row = 0; row < int(s.packing.size()); ++row) {
        const PackingLine& line = s.packing[std::size_t(row)];
        const QStringList cells = {line.table, QString::number(line.readRecords), QString::number(line.fields),
                                   QString::number(line.writtenRecords), QString::number(line.fields)};
        for (int column = 0; column < cells.size(); ++column)
            m_packing->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

}  // namespace vn
