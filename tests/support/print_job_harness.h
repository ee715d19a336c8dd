#pragma once

#include "platform/printing/print_job.h"
#include "support/gui_application.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QStringList>

namespace vn::test {

// A print destination whose printers the test decides; it records what it was asked to preview.
class RecordingDestination : public PrintDestination {
public:
    bool hasPrinter() const override { return printerInstalled; }
    void preview(const Printout& printout) override { previewed << printout.title; }

    bool printerInstalled = false;
    QStringList previewed;
};

// Everything a print job talks to: a temporary Files folder, the destination, the messages and
// the documents handed to the desktop.
struct PrintJobHarness {
    PrintJobHarness() { ensureGuiApplication(); }

    PrintJob job(const QString& filesFolder) {
        return PrintJob(destination, prompter, [this](const QString& path) { opened << path; return opens; }, filesFolder);
    }
    PrintJob job() { return job(files); }
    QString output(const QString& name) const { return temp.file(QStringLiteral("Files/") + name); }

    TempFolder temp;
    const QString files = temp.file(QStringLiteral("Files"));
    RecordingDestination destination;
    RecordingPrompter prompter;
    QStringList opened;
    bool opens = true;
};

}  // namespace vn::test
