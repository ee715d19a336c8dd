// Replays the inputs of the map_file fuzz target (fuzz/corpus/map_file).
#include "support/corpus_replay.h"

TEST(MapFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
