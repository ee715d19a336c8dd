#pragma once

#include "platform/prompter.h"

namespace vn {

// Answers every message with OK and says nothing: for work no one watches (benchmarks, fuzz
// targets), which must never wait for an answer.
struct SilentPrompter : Prompter {
    void beep() override {}
    Answer information(const QString&, Buttons) override { return Answer::Ok; }
    Answer warning(const QString&, Buttons) override { return Answer::Ok; }
    Answer error(const QString&, Buttons) override { return Answer::Ok; }
    Answer confirmation(const QString&, Buttons) override { return Answer::Ok; }
};

}  // namespace vn
