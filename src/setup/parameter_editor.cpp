#include "setup/parameter_editor.h"

#include "store/text/guard_password.h"

namespace vn {

namespace {

constexpr int kStateLevel = 3;

}  // namespace

bool showsOptions(const ParameterRow& row, int operationLevel, bool lockOverride) {
    if (row.options.isEmpty()) return false;
    return !row.isLocked() || operationLevel == kStateLevel || lockOverride;
}

bool showsNewSetting(const ParameterRow& row, int operationLevel, bool lockOverride) {
    if (lockOverride) return true;
    return row.options.isEmpty() && (!row.isLocked() || operationLevel == kStateLevel);
}

ParameterEditor::ParameterEditor(RecordAccess& access, ParameterHooks hooks)
    : m_access(access), m_hooks(std::move(hooks)) {}

void ParameterEditor::load() {
    m_entries = promptedParameters(m_access);
    m_current = -1;
    m_row.reset();
}

void ParameterEditor::choose(int row) {
    if (row < 0 || row >= m_entries.size()) return;
    m_current = row;
    reread();
}

void ParameterEditor::chooseOption(int index) {
    if (!m_row || !showsOptions(*m_row, level(), m_override)) return;
    if (index < 0 || index >= m_row->options.size()) return;
    write(m_row->options.at(index));
}

void ParameterEditor::leaveNewSetting(const QString& text) {
    if (!m_row || !showsNewSetting(*m_row, level(), m_override)) return;
    if (text == m_row->setting) return;
    write(text);
}

void ParameterEditor::enterOverridePassword(const QString& text) {
    if (text.isEmpty()) return;
    m_override = opensGuardedSteps(text, m_hooks.today());
}

ParameterScreen ParameterEditor::screen() const {
    ParameterScreen s;
    for (const ParameterEntry& e : m_entries) s.prompts << e.prompt;
    s.overrideOn = m_override;
    if (!m_row) return s;
    s.current = m_current;
    s.row = *m_row;
    s.optionsShown = showsOptions(*m_row, level(), m_override);
    s.newSettingShown = showsNewSetting(*m_row, level(), m_override);
    s.newSettingText = m_row->setting;
    return s;
}

void ParameterEditor::write(const QString& value) {
    writeParameterSetting(m_access, m_row->key, value);
    reread();
    if (m_hooks.reloadSettings) m_hooks.reloadSettings();
}

void ParameterEditor::reread() { m_row = readParameterRow(m_access, m_entries.at(m_current).key); }

}  // namespace vn
