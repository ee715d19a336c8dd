// Replays the inputs of the table_file fuzz target (fuzz/corpus/table_file).
#include "support/corpus_replay.h"

TEST(TableFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
