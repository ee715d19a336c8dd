// Replays the inputs of the dbase_table fuzz target (fuzz/corpus/dbase_table).
#include "support/corpus_replay.h"

TEST(DbaseTableCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
