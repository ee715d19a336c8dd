#pragma once

#include <QString>
#include <QStringList>

namespace vn {

enum class WizardFocus { Keep, Password, Exit };

// Everything the wizard view shows after a step; the view only copies it onto its widgets.
struct WizardScreen {
    bool passwordShown = false;
    bool passwordEmptied = false;  // the step emptied the password box
    bool typeShown = false;
    bool levelShown = false;
    bool flowShown = false;
    bool listShown = false;
    bool selectedShown = false;
    QString help;
    int type = 0;   // the checked choice of each group, 0: none
    int level = 0;
    int flow = 0;
    QStringList levelCaptions;
    QStringList flowCaptions;
    bool firstFlowEnabled = true;
    QString listTitle;
    QStringList listEntries;
    QString selectedTitle;
    QStringList selectedEntries;
    bool nextEnabled = false;
    bool saveEnabled = false;
    WizardFocus focus = WizardFocus::Keep;
};

}  // namespace vn
