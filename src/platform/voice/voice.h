#pragma once

#include <QString>

namespace vn {

// The help character's voice. Speaking never makes the caller wait.
class Voice {
public:
    virtual ~Voice() = default;
    // Voice data and a sound device were found; without them the help is shown only.
    virtual bool available() const = 0;
    // Starts saying the text in the voice of character 1 to 4; whatever was being said stops.
    virtual void say(const QString& text, int speaker) = 0;
    virtual void stop() = 0;
};

// No sound: the balloon alone carries the help.
class SilentVoice final : public Voice {
public:
    bool available() const override { return false; }
    void say(const QString&, int) override {}
    void stop() override {}
};

}  // namespace vn
