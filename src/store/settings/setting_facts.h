#pragma once

#include "store/program_version.h"

#include <QString>

namespace vn {

// The platform's current printer as the caller found it; no printer installed: empty name, index 0.
struct PrinterFacts {
    QString name;
    int index = 0;
};

// What some setting defaults depend on: the running program and the current printer.
struct SettingFacts {
    PrinterFacts printer;
    QString programVersion = QString::fromLatin1(kProgramVersion);
};

}  // namespace vn
