#pragma once

#include "platform/voice/voice.h"

#include <QStringList>

namespace vn::test {

// A voice that keeps what it was asked to say.
class RecordingVoice final : public Voice {
public:
    bool available() const override { return soundThere; }
    void say(const QString& text, int speaker) override {
        said << text;
        speakers << speaker;
        speaking = true;
    }
    void stop() override { speaking = false; }

    bool soundThere = true;
    QStringList said;
    QList<int> speakers;
    bool speaking = false;
};

}  // namespace vn::test
