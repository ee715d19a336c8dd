// Replays the inputs of the import_text fuzz target (fuzz/corpus/import_text).
#include "support/corpus_replay.h"

TEST(ImportTextCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
