#include "platform/voice/espeak_voice.h"

#include "platform/voice/voice_styles.h"

#include <espeak-ng/speak_lib.h>

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

void applyStyle(int speaker) {
    const VoiceStyle& style = voiceStyle(speaker);
    espeak_SetVoiceByName(style.voiceName);
    espeak_SetParameter(espeakPITCH, style.pitch, 0);
    espeak_SetParameter(espeakRANGE, style.range, 0);
    espeak_SetParameter(espeakRATE, style.rate, 0);
}

espeak_ERROR synth(const QString& text, void* userData = nullptr) {
    const QByteArray utf8 = text.toUtf8();
    return espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                        userData);
}

int collectSamples(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events->user_data);
    if (samples && out) out->insert(out->end(), samples, samples + count);
    return 0;
}

}  // namespace

bool soundDeviceFound() {
    if (!QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*D*p")}, QDir::System).isEmpty()) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return false;
    return QFileInfo::exists(runtime + QStringLiteral("/pulse/native")) ||
           QFileInfo::exists(runtime + QStringLiteral("/pipewire-0"));
}

bool voiceDataFound() {
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu/espeak-ng-data", "/usr/share/espeak-ng-data",
                            "/usr/lib/espeak-ng-data"})
        if (QFileInfo::exists(QString::fromLatin1(dir) + QStringLiteral("/phontab"))) return true;
    return false;
}

EspeakVoice::EspeakVoice() : m_available(voiceDataFound() && soundDeviceFound()) {}

EspeakVoice::~EspeakVoice() {
    if (m_started) {
        espeak_Cancel();
        espeak_Terminate();
    }
}

bool EspeakVoice::ready() {
    if (!m_available) return false;
    if (!m_started) {
        m_started = espeak_Initialize(AUDIO_OUTPUT_PLAYBACK, 0, nullptr, 0) > 0;
        m_available = m_started;
    }
    return m_started;
}

void EspeakVoice::say(const QString& text, int speaker) {
    if (!ready()) return;
    espeak_Cancel();
    applyStyle(speaker);
    if (synth(text) != EE_OK) espeak_Cancel();  // a full buffer: the balloon still shows the text
}

void EspeakVoice::stop() {
    if (m_started) espeak_Cancel();
}

std::vector<short> synthesizeSamples(const QString& text, int speaker) {
    std::vector<short> samples;
    // The engine hangs when set up again after espeak_Terminate, so it is set up once and kept.
    static const bool ready = voiceDataFound() && espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) > 0;
    if (!ready) return samples;
    espeak_SetSynthCallback(collectSamples);
    applyStyle(speaker);
    synth(text, &samples);
    return samples;
}

}  // namespace vn
