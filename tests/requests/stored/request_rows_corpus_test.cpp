// Replays the inputs of the request_rows fuzz target (fuzz/corpus/request_rows): the seeds and
// every finding kept there.
#include "support/corpus_replay.h"

TEST(RequestRowsCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
