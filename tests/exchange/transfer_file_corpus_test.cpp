// Replays the inputs of the transfer_file fuzz target (fuzz/corpus/transfer_file).
#include "support/corpus_replay.h"

TEST(TransferFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
