#include "platform/voice/espeak_voice.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vn {
namespace {

TEST(EspeakVoiceTest, EachCharactersVoiceMakesSound) {
    ASSERT_TRUE(voiceDataFound());
    for (int speaker = 1; speaker <= 4; ++speaker) {
        const std::vector<short> samples = synthesizeSamples(QStringLiteral("Hello, I can help you."), speaker);
        ASSERT_GT(samples.size(), 10000u) << speaker;  // about half a second at 22 kHz at least
        const short loudest = *std::max_element(samples.begin(), samples.end());
        EXPECT_GT(loudest, 1000) << speaker;  // sound, not silence
    }
}

TEST(EspeakVoiceTest, WithoutSoundTheVoiceStaysQuietAndNeverFails) {
    if (soundDeviceFound()) GTEST_SKIP() << "a sound device is present";
    EspeakVoice voice;
    EXPECT_FALSE(voice.available());
    voice.say(QStringLiteral("Nobody hears this."), 2);
    voice.stop();
}

}  // namespace
}  // namespace vn
