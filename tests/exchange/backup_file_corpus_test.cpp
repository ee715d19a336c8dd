// Replays the inputs of the backup_file fuzz target (fuzz/corpus/backup_file).
#include "support/corpus_replay.h"

TEST(BackupFileCorpusTest, EveryKeptInputPasses) { vn::test::replayCorpus(QStringLiteral(VARNEDO_FUZZ_CORPUS)); }
