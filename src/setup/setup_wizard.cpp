#include "setup/setup_wizard.h"

#include "platform/prompter.h"
#include "setup/location_lists.h"
#include "store/text/guard_password.h"
#include "setup/setup_saving.h"
#include "setup/setup_texts.h"

namespace vn {

namespace {

constexpr int kCountyLevel = 1;
constexpr int kDistrictLevel = 2;
constexpr int kStateLevel = 3;

bool inRange(int value, int last) { return value >= 1 && value <= last; }

}  // namespace

SetupWizard::SetupWizard(RecordAccess& access, Prompter& prompter, const SetupChoices& current, WizardHooks hooks)
    : m_access(access), m_prompter(prompter), m_hooks(std::move(hooks)), m_choices(current) {}

void SetupWizard::open() {
    beginStep();
    forgetLocations();
    const bool setupExists = m_choices.situation != 0;
    m_screen.passwordShown = setupExists;
    m_screen.typeShown = !setupExists;
    m_screen.levelShown = m_screen.flowShown = false;
    if (setupExists) {
        m_screen.help = QString::fromLatin1(wizard_text::kSetupExists);
        m_screen.focus = WizardFocus::Exit;
    } else {
        m_screen.help = QString::fromLatin1(wizard_text::kSelectType);
    }
}

// A wrong password is not announced beyond the beep.
void SetupWizard::enterPassword(const QString& text) {
    beginStep();
    if (!m_screen.passwordShown || text.isEmpty()) return;
    m_screen.passwordEmptied = true;
    if (!opensGuardedSteps(text, m_hooks.today())) {
        m_prompter.beep();
        m_screen.focus = WizardFocus::Password;
        return;
    }
    m_screen.passwordShown = false;
    m_screen.typeShown = true;
    m_screen.help = QString::fromLatin1(wizard_text::kPasswordAccepted);
}

void SetupWizard::chooseType(int type) {
    beginStep();
    if (!m_screen.typeShown || !inRange(type, kTypeCount)) return;
    m_choices.type = type;
    m_choices.level = m_choices.flow = m_choices.situation = 0;
    forgetLocations();
    m_screen.levelShown = true;
    m_screen.flowShown = false;
    m_screen.help = typeMessage(type);
}

void SetupWizard::chooseLevel(int level) {
    beginStep();
    if (!m_screen.levelShown || !inRange(level, kLevelCount)) return;
    m_choices.level = level;
    m_choices.flow = m_choices.situation = 0;
    forgetLocations();
    m_screen.flowShown = true;
    m_screen.help = levelMessage(m_choices.type, level);
}

void SetupWizard::chooseFlow(int flow) {
    beginStep();
    if (!m_screen.flowShown || !inRange(flow, kFlowCount)) return;
    if (flow == 1 && m_choices.level == kDistrictLevel) return;  // a district always sits between two levels
    m_choices.flow = flow;
    m_choices.situation = situationFor(m_choices.level, flow);
    forgetLocations();
    m_screen.help = flowMessage(m_choices.type, m_choices.situation);
    if (m_choices.level == kCountyLevel) showList(ListMode::County);
    else if (m_choices.level == kDistrictLevel) showList(ListMode::District);
    else if (m_choices.level == kStateLevel) m_screen.saveEnabled = true;
}

void SetupWizard::chooseListEntry(int row) {
    beginStep();
    if (m_mode == ListMode::Counties) {
        pickCounty(row);
        return;
    }
    if (row < 0 || row >= m_entries.size()) return;
    if (m_mode == ListMode::County) chooseCounty(m_entries.at(row));
    else if (m_mode == ListMode::District) chooseDistrict(m_entries.at(row));
}

void SetupWizard::unselectCounty(int row) {
    beginStep();
    if (m_mode == ListMode::Counties) m_picker.unpick(row);
}

void SetupWizard::next() {
    beginStep();
    if (!m_screen.nextEnabled) return;
    m_screen.nextEnabled = false;
    if (m_mode == ListMode::County) {
        showList(ListMode::District);
        m_screen.help = QString::fromLatin1(wizard_text::kSelectExchangeDistrict);
    } else if (m_mode == ListMode::District) {
        showList(ListMode::Counties);
        m_screen.selectedShown = true;
        m_screen.saveEnabled = true;
        m_screen.help = QString::fromLatin1(wizard_text::kSelectCounties);
    }
}

void SetupWizard::save() {
    beginStep();
    if (!m_screen.saveEnabled) return;
    if (m_prompter.confirmation(QString::fromLatin1(wizard_text::kConfirmSave), Buttons::OkCancel) != Answer::Ok) {
        startOver();
        return;
    }
    m_choices.districtCounties = m_picker.selectedCodes();
    saveSetup(m_access, m_choices, m_hooks.facts);
    m_prompter.information(QString::fromLatin1(wizard_text::kSaved));
    if (m_hooks.orderlyExit) m_hooks.orderlyExit();
}

// The program cannot run without a complete setup.
void SetupWizard::exit() {
    beginStep();
    if (!m_choices.complete() && m_hooks.orderlyExit) m_hooks.orderlyExit();
}

WizardScreen SetupWizard::screen() const {
    WizardScreen s = m_screen;
    s.type = m_choices.type;
    s.level = m_choices.level;
    s.flow = m_choices.flow;
    s.levelCaptions = levelNames(m_choices.type);
    s.flowCaptions = flowNames(m_choices.type);
    s.firstFlowEnabled = m_choices.level != kDistrictLevel;
    switch (m_mode) {
    case ListMode::None: break;
    case ListMode::County:
        s.listTitle = QString::fromLatin1(wizard_text::kCountyListTitle);
        s.listEntries = m_entries;
        break;
    case ListMode::District:
        s.listTitle = knownDistrictsTitle(m_entries.size());
        s.listEntries = m_entries;
        break;
    case ListMode::Counties:
        s.listTitle = m_picker.availableTitle();
        s.listEntries = m_picker.available();
        s.selectedTitle = m_picker.selectedTitle();
        s.selectedEntries = m_picker.selected();
        break;
    }
    return s;
}

void SetupWizard::beginStep() {
    m_screen.focus = WizardFocus::Keep;
    m_screen.passwordEmptied = false;
}

void SetupWizard::forgetLocations() {
    m_choices.countyCode.clear();
    m_choices.countyName.clear();
    m_choices.districtCode.clear();
    m_choices.districtName.clear();
    m_choices.districtCounties.clear();
    m_picker.clear();
    m_entries.clear();
    m_mode = ListMode::None;
    m_screen.listShown = m_screen.selectedShown = false;
    m_screen.nextEnabled = m_screen.saveEnabled = false;
}

void SetupWizard::showList(ListMode mode) {
    m_mode = mode;
    m_screen.listShown = true;
    m_entries.clear();
    if (mode == ListMode::County) m_entries = countyEntries(m_access);
    else if (mode == ListMode::District) m_entries = districtEntries(m_access);
    else if (mode == ListMode::Counties) m_picker.start(countyEntries(m_access), countyCapacity(m_access));
}

void SetupWizard::chooseCounty(const QString& entry) {
    m_choices.countyCode = entryCode(entry);
    m_choices.countyName = entryName(entry);
    const bool needsDistrict = m_choices.situation == 2;
    m_screen.help = QString::fromLatin1(needsDistrict ? wizard_text::kCountyThenNext : wizard_text::kCountyThenSave);
    m_screen.nextEnabled = needsDistrict;
    m_screen.saveEnabled = !needsDistrict;
}

void SetupWizard::chooseDistrict(const QString& entry) {
    m_choices.districtCode = entryCode(entry);
    m_choices.districtName = entryName(entry);
    const bool needsCounties = m_choices.situation != 2;
    m_screen.help =
        QString::fromLatin1(needsCounties ? wizard_text::kDistrictThenNext : wizard_text::kDistrictThenSave);
    m_screen.nextEnabled = needsCounties;
    m_screen.saveEnabled = !needsCounties;
}

void SetupWizard::pickCounty(int row) {
    if (m_picker.pick(row) == CountyPicker::Pick::Full)
        m_prompter.warning(countyCapacityMessage(m_picker.capacity()));
}

void SetupWizard::startOver() {
    m_choices = SetupChoices();
    forgetLocations();
    m_screen.passwordShown = false;
    m_screen.typeShown = true;
    m_screen.levelShown = m_screen.flowShown = false;
    m_screen.help = QString::fromLatin1(wizard_text::kSelectType);
}

}  // namespace vn
