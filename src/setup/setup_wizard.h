#pragma once

#include "setup/county_picker.h"
#include "setup/setup_choices.h"
#include "setup/wizard_screen.h"
#include "store/settings/setting_facts.h"

#include <QDate>
#include <functional>

namespace vn {

class Prompter;
class RecordAccess;

struct WizardHooks {
    std::function<void()> orderlyExit;  // ends the program, saving its tables
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    SettingFacts facts;
};

// The organisation setup: type, level, data flow and the office's place, step by step, and the
// save that ends the program. Nothing reaches the tables before the save.
class SetupWizard {
public:
    SetupWizard(RecordAccess& access, Prompter& prompter, const SetupChoices& current, WizardHooks hooks);

    void open();
    void enterPassword(const QString& text);
    void chooseType(int type);
    void chooseLevel(int level);
    void chooseFlow(int flow);
    void chooseListEntry(int row);
    void unselectCounty(int row);
    void next();
    void save();
    void exit();

    WizardScreen screen() const;
    const SetupChoices& choices() const { return m_choices; }

private:
    enum class ListMode { None, County, District, Counties };

    void beginStep();
    void forgetLocations();
    void showList(ListMode mode);
    void chooseCounty(const QString& entry);
    void chooseDistrict(const QString& entry);
    void pickCounty(int row);
    void startOver();

    RecordAccess& m_access;
    Prompter& m_prompter;
    WizardHooks m_hooks;
    SetupChoices m_choices;
    WizardScreen m_screen;
    ListMode m_mode = ListMode::None;
    QStringList m_entries;  // the single-choice list
    CountyPicker m_picker;
};

}  // namespace vn
