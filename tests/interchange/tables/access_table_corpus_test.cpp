// Replays the inputs of the access_table fuzz target (fuzz/corpus/access_table). Only inputs that
// mdbtools survives are kept there: this replay runs the library in the test's own process.
#include "support/corpus_replay.h"

TEST(AccessTableCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
