// Replays the inputs of the paradox_table fuzz target (fuzz/corpus/paradox_table).
#include "support/corpus_replay.h"

TEST(ParadoxTableCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
