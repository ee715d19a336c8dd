#pragma once

namespace vn {

// How one character sounds: an espeak-ng voice name and its pitch (0-100), range (0-100) and
// rate (words a minute).
struct VoiceStyle {
    const char* voiceName;
    int pitch;
    int range;
    int rate;
};

// The style of character 1 to 4 (any other number gets the first).
const VoiceStyle& voiceStyle(int speaker);

}  // namespace vn
