// Replays the inputs of the download_file fuzz target (fuzz/corpus/download_file).
#include "support/corpus_replay.h"

TEST(DownloadFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
