// Composing a message with a 20 MB attachment into a file, against `base64 -w 76` of the same
// file in the same run. The counter rss_growth_mb is how much the composing raised the peak
// memory of the process.
#include "platform/mail/mail_composer.h"
#include "ratio_reporter.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

using namespace vn;

constexpr qint64 kAttachmentBytes = 20 * 1024 * 1024;
constexpr qint64 kPiece = 1024 * 1024;

struct Files {
    QTemporaryDir dir;
    QString attachment = dir.filePath("attachment.bin");
    QString ours = dir.filePath("ours.eml");
    QString plain = dir.filePath("plain.b64");

    Files() {
        QFile file(attachment);
        file.open(QIODevice::WriteOnly);
        QByteArray piece(kPiece, '\0');
        for (qint64 written = 0; written < kAttachmentBytes; written += kPiece) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(piece.data()), kPiece / 4);
            file.write(piece);
        }
    }
};

Files& files() {
    static auto* f = new Files;
    return *f;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Compose_ours(benchmark::State& state) {
    Files& f = files();
    const long before = peakKilobytes();
    const MailMessage message{"office@example.org", "member@example.net", "Exchange", "The file is attached.", f.attachment};
    for (auto _ : state) {
        QFile out(f.ours);
        out.open(QIODevice::WriteOnly);
        out.write(composeHeaders(message, freshMailStamp(message.from)));
        if (!composeBody(message, freshMailStamp(message.from), out).isEmpty()) state.SkipWithError("compose failed");
    }
    state.counters["rss_growth_mb"] = double(peakKilobytes() - before) / 1024;
}

void Compose_plain(benchmark::State& state) {
    Files& f = files();
    for (auto _ : state) {
        QProcess base64;
        base64.setStandardOutputFile(f.plain);
        base64.start("base64", {"-w", "76", f.attachment});
        if (!base64.waitForFinished(-1) || base64.exitCode() != 0) state.SkipWithError("base64 failed");
    }
}

}  // namespace

BENCHMARK(Compose_ours)->Name("Compose20MB/ours")->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
BENCHMARK(Compose_plain)->Name("Compose20MB/plain")->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
