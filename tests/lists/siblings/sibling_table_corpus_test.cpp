// Replays the inputs of the sibling_table fuzz target (fuzz/corpus/sibling_table).
#include "support/corpus_replay.h"

TEST(SiblingTableCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
