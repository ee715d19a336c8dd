#pragma once

#include <QString>

namespace vn {

class Prompter;
class RecordAccess;
struct FcfName;

// "Build Web Based Form Control File (FCF) now" once confirmed: the tab order of pages 1 to 6
// written, the file built in the exchange folder and copied into `copyFolder` (drive C's root),
// and the outcome told: the file, the values cut to fit, or what failed and why. Returns the
// built file's path, empty when none was built.
QString buildWebFormFile(RecordAccess& access, Prompter& prompter, const QString& exchangeFolder, const FcfName& name,
                         const QString& copyFolder);

}  // namespace vn
