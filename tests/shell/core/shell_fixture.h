#pragma once

#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "support/recording_prompter.h"
#include "support/recording_view.h"
#include "support/temp_folder.h"

#include <memory>

namespace vn::test {

// A new installation in a temporary folder and one run of the program on it at a time.
class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    // Starts a run; false when the start-up refused.
    bool start();
    // Ends the run through Goto, Exit.
    void exitInOrder();
    // Ends the run as a crash would: nothing saved, nothing closed in order.
    void crash();
    QString base() const { return tmp.file("HLV"); }
    QStringList logLines() const;
    QString savedCopy() const;
    // Sets a Parm value as a previous run would have left it (live and saved).
    void setParm(const QString& key, const QString& value);

    TempFolder tmp;
    StartFacts facts;
    RecordingPrompter prompter;
    RecordingView view;
    std::unique_ptr<Session> session;
    std::unique_ptr<Navigator> navigator;
};

// A one-field record in a slot's table of the current run, and its reading.
void putRecord(Session& session, int slot, const QString& key, const QString& value);
QString readRecord(Session& session, int slot, const QString& key);

}  // namespace vn::test
