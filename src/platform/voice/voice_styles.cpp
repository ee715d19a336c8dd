#include "platform/voice/voice_styles.h"

namespace vn {

const VoiceStyle& voiceStyle(int speaker) {
    static const VoiceStyle styles[] = {
        {"en-us+f2", 85, 90, 190},  // a chatty bird
        {"en-us+m3", 30, 0, 150},   // a flat, even machine
        {"en-gb+m7", 20, 60, 140},  // an old man, slowly
        {"en-us+m1", 50, 70, 175},  // a lively host
    };
    return styles[(speaker >= 1 && speaker <= 4) ? speaker - 1 : 0];
}

}  // namespace vn
