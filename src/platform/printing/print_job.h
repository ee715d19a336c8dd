#pragma once

#include "platform/printing/print_destination.h"
#include "platform/printing/printout.h"

#include <QString>
#include <functional>

namespace vn {

class Prompter;

// Prints any printout of the program. With a printer installed it goes to the destination
// (the preview and the print dialog); with none, it is written as a PDF into the Files folder,
// opened on the desktop, and a message names the file.
class PrintJob {
public:
    using Opener = std::function<bool(const QString& path)>;  // true when the desktop opened it

    PrintJob(PrintDestination& destination, Prompter& prompter, Opener open, QString filesFolder);

    void print(const Printout& printout);

private:
    void printToPdf(const Printout& printout);

    PrintDestination& m_destination;
    Prompter& m_prompter;
    Opener m_open;
    QString m_filesFolder;
};

}  // namespace vn
