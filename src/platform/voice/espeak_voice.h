#pragma once

#include "platform/voice/voice.h"

#include <vector>

namespace vn {

// Speech through espeak-ng's own asynchronous playback: the engine speaks on its own thread while
// the caller goes on. The engine is set up on the first sentence, and only when a sound device is
// there. One per program: the engine is process-wide.
class EspeakVoice final : public Voice {
public:
    EspeakVoice();
    ~EspeakVoice() override;
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    bool available() const override { return m_available; }
    void say(const QString& text, int speaker) override;
    void stop() override;

private:
    bool ready();

    bool m_available = false;
    bool m_started = false;
};

// True when the desktop has somewhere to play sound (an ALSA playback device, PulseAudio or PipeWire).
bool soundDeviceFound();
// True when espeak-ng's voice data is installed.
bool voiceDataFound();

// The samples (16-bit mono) espeak-ng makes of the text in the speaker's voice, synthesised in the
// calling thread; empty when it cannot. For checks without a sound device; not to be mixed with an
// EspeakVoice in the same process.
std::vector<short> synthesizeSamples(const QString& text, int speaker);

}  // namespace vn
