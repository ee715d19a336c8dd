#include "setup/utilities/factory.h"

#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/settings/settings_slots.h"

#include <algorithm>

namespace vn {

namespace {

const char* const kWarning = "This screen is for the system programmers use only!\r\rPlease exit now.";

int fieldsOf(RecordAccess& access, const QString& table) {
    for (int slot = TableCatalogue::kFirstDataSlot; slot <= TableCatalogue::kLastDataSlot; ++slot)
        if (TableCatalogue::tableName(slot) == table) return access.GetFieldCount(slot);
    return 0;
}

}  // namespace

QString testServerAddress() { return QStringLiteral(VARNEDO_TEST_WEB_HOST); }
QString productionServerAddress() { return QStringLiteral(VARNEDO_WEB_HOST); }

QString outcomeSummary(const TaskOutcome& outcome) {
    QStringList parts;
    for (const TaskCount& c : outcome.counts) parts << QStringLiteral("%1: %2.").arg(c.what).arg(c.number);
    return parts.join(QStringLiteral("  "));
}

Factory::Factory(RecordAccess& access, Prompter& prompter, KeyOrigin origin, FactoryHooks hooks)
    : m_access(access), m_prompter(prompter), m_origin(std::move(origin)), m_hooks(std::move(hooks)),
      m_attempts(m_hooks.today) {
    for (const MaintenanceTask& task : maintenanceTasks()) m_screen.tasks << numberedCaption(task);
}

void Factory::open() {
    const QStringList tasks = m_screen.tasks;
    m_screen = FactoryScreen{};
    m_screen.tasks = tasks;
    if (m_prompter.error(QString::fromLatin1(kWarning), Buttons::OkCancel) == Answer::Ok) return;
    m_attempts.reset();
    m_screen.open = true;
    m_screen.passwordShown = true;
}

void Factory::leavePassword(const QString& typed) {
    m_screen.focusExit = false;
    switch (m_attempts.leave(typed)) {
    case GuardAttempts::Verdict::Exhausted:
        close();
        break;
    case GuardAttempts::Verdict::Failed:
        break;
    case GuardAttempts::Verdict::Opened:
        showTasks();
        break;
    }
}

void Factory::showTasks() {
    m_screen.tasksShown = true;
    m_screen.chosen = -1;
    m_screen.processEnabled = false;
    m_screen.focusExit = true;
}

void Factory::chooseTask(int row) {
    if (!m_screen.tasksShown || row < 0 || row >= m_screen.tasks.size()) return;
    m_screen.chosen = row;
    m_screen.processEnabled = true;
}

void Factory::process(const MaintenanceStep& step) {
    if (!m_screen.processEnabled) return;
    const MaintenanceTask& task = maintenanceTasks()[std::size_t(m_screen.chosen)];
    if (task.beepFirst) m_prompter.beep();
    if (task.question && m_prompter.confirmation(QString::fromLatin1(task.question), Buttons::OkNo) != Answer::Ok)
        return;
    MaintenanceContext context{m_access, m_origin, step};
    tell(task, task.run(context));
}

void Factory::tell(const MaintenanceTask& task, const TaskOutcome& outcome) {
    if (outcome.cancelled) return;
    if (!outcome.refusal.isEmpty()) {
        m_prompter.error(outcome.refusal);
        return;
    }
    if (!outcome.closingMessage.isEmpty()) {
        m_prompter.information(outcome.closingMessage);
        exitProgram();
        return;
    }
    if (!outcome.packed.empty()) {
        m_screen.packingShown = true;
        m_screen.packing.clear();
        for (const PackedTable& t : outcome.packed)
            m_screen.packing.push_back({t.table, t.read, fieldsOf(m_access, t.table), t.kept});
    }
    const bool anything = std::any_of(outcome.counts.begin(), outcome.counts.end(),
                                      [](const TaskCount& c) { return c.number != 0; });
    // Only the clearing of the links speaks when there was nothing to do.
    if (!outcome.counts.empty() && (anything || task.question)) m_prompter.information(outcomeSummary(outcome));
}

void Factory::setWebHost(const QString& address) {
    if (!m_screen.tasksShown) return;
    m_access.EnsureRecord(kParmSlot, QStringLiteral("WebHost"));
    m_access.SetFieldText(kParmSlot, kParmValue, address);
    m_access.PostRecord(kParmSlot);
    m_screen.webHost = address;
    if (m_hooks.reloadSettings) m_hooks.reloadSettings();
}

void Factory::exitProgram() {
    if (m_hooks.orderlyExit) m_hooks.orderlyExit();
}

void Factory::close() {
    m_attempts.reset();
    const QStringList tasks = m_screen.tasks;
    m_screen = FactoryScreen{};
    m_screen.tasks = tasks;
}

}  // namespace vn
