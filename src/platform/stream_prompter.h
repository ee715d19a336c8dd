#pragma once

#include "platform/prompter.h"

#include <QTextStream>

namespace vn {

// Messages for a run without windows: each is written to a stream, a line break for every "\r".
// Questions are answered as the command was told: going on (OK, Yes) when forced, else
// stopping (No, Cancel). A retry is never chosen.
class StreamPrompter : public Prompter {
public:
    StreamPrompter(QTextStream& out, bool goOn) : m_out(out), m_goOn(goOn) {}

    void beep() override {}
    Answer information(const QString& text, Buttons buttons) override { return say(text, buttons); }
    Answer warning(const QString& text, Buttons buttons) override { return say(text, buttons); }
    Answer error(const QString& text, Buttons buttons) override { return say(text, buttons); }
    Answer confirmation(const QString& text, Buttons buttons) override { return say(text, buttons); }

private:
    Answer say(const QString& text, Buttons buttons);

    QTextStream& m_out;
    bool m_goOn;
};

}  // namespace vn
