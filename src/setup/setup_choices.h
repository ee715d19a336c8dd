#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// What the wizard has chosen so far; 0 and empty mean nothing chosen.
struct SetupChoices {
    int type = 0;
    int level = 0;
    int flow = 0;
    int situation = 0;
    QString countyCode;
    QString countyName;
    QString districtCode;
    QString districtName;
    QStringList districtCounties;  // county codes in the order picked

    // Without all four the program cannot run.
    bool complete() const { return type != 0 && level != 0 && flow != 0 && situation != 0; }
};

}  // namespace vn
