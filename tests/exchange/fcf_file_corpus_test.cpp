// Replays the inputs of the fcf_file fuzz target (fuzz/corpus/fcf_file).
#include "support/corpus_replay.h"

TEST(FcfFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
