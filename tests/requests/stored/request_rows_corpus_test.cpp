// Replays the inputs of the request_rows fuzz target (fuzz/corpus/request_rows): the seeds and
// every finding kept there. The target aborts on a broken invariant, which fails this test.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(RequestRowsCorpusTest, EveryKeptInputPasses) {
    const QDir corpus(QStringLiteral(VARNEDO_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << VARNEDO_FUZZ_CORPUS;
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())), 0);
    }
}

}  // namespace
