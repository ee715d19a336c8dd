#include "interchange/import/import_key.h"
#include "interchange/import/import_run.h"

#include "lists/records/record_tables.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const KeyOrigin kCounty{"wy", "alb"};
constexpr int kLast = 4, kFirst = 2, kCity = 13;

QString keyOf(int number) { return buildRecordKey("abc", kCounty, number); }

struct ImportRunTest : ::testing::Test {
    // Lines "Last,First,City,Page" cut at their commas.
    QList<ImportRecord> records(const QStringList& lines) {
        TextProblem problem;
        return cutImportRecords(TextFileLines{lines, TextCharset::Utf8}, {FieldMethod::Delimited, 0, QChar(), ','},
                                problem)
            .value();
    }
    ImportPlan plan(int fieldCount = 3) {
        ImportPlan p{"ABC", kCounty, 1, fieldCount, {}};
        p.mapping.map(1, {0, kLast});
        p.mapping.map(2, {0, kFirst});
        p.mapping.map(3, {0, kCity});
        return p;
    }
    int counter() {
        return access.FindRecord(kParmSlot, "abc") ? access.GetFieldInt(kParmSlot, 2) : -1;
    }
    QString value(int slot, const QString& key, int field) {
        return access.FindRecord(slot, key) ? access.GetFieldText(slot, field) : QStringLiteral("<no row>");
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(ImportRunTest, MappingTargetsTakeOneFieldAndFieldsFillMany) {
    ImportMapping mapping;
    EXPECT_TRUE(mapping.map(2, {0, kLast}));
    EXPECT_FALSE(mapping.map(3, {0, kLast}));  // the target has its field
    EXPECT_TRUE(mapping.map(2, {1, 5}));
    EXPECT_FALSE(mapping.map(0, {0, 1}));
    EXPECT_FALSE(mapping.map(ImportMapping::kMaxFields + 1, {0, 1}));
    EXPECT_TRUE(mapping.map(1, {3, 1}));
    EXPECT_EQ(mapping.targetsOf(2), QList<FieldRef>({{0, kLast}, {1, 5}}));
    EXPECT_EQ(mapping.mappedFields(), QList<int>({1, 2}));
    EXPECT_EQ(mapping.count(), 3);
    EXPECT_EQ(mapping.highestPage(), 3);
    mapping.unmap({0, kLast});
    EXPECT_EQ(mapping.fieldOf({1, 5}), 2);
    EXPECT_FALSE(mapping.fieldOf({0, kLast}).has_value());
}

TEST_F(ImportRunTest, KeyCounterIsMadeWithOneAndEmptyReadsAsOne) {
    EXPECT_EQ(ProposeImportKey(access, "ABC", kCounty).key, keyOf(1));
    EXPECT_EQ(counter(), 1);
    access.SetFieldText(kParmSlot, 2, "");
    access.EnsureRecord(kHeadSlot, keyOf(1));
    access.EnsureRecord(kHeadSlot, keyOf(2));
    const ImportKey key = ProposeImportKey(access, "ABC", kCounty);
    EXPECT_EQ(key.key, keyOf(3));
    EXPECT_EQ(key.number, 3);
    CommitImportCounter(access, "ABC", 3);
    EXPECT_EQ(counter(), 4);
}

TEST_F(ImportRunTest, TwoImportsContinueTheNumberingPastUsedKeys) {
    ImportRun first(access, plan(), records({"Smith,Ann,Casper", "Jones,Bo,Cody"}));
    ASSERT_EQ(first.importAll({}), WorkEnd::Done);
    EXPECT_EQ(first.summary().keys, QStringList({keyOf(1), keyOf(2)}));
    EXPECT_EQ(counter(), 3);
    access.EnsureRecord(kHeadSlot, keyOf(4));  // a record made elsewhere

    ImportRun second(access, plan(), records({"Lee,Cy,Lander", "Kim,Di,Laramie", "Orr,Ed,Rawlins"}));
    ASSERT_EQ(second.importAll({}), WorkEnd::Done);
    EXPECT_EQ(second.summary().keys, QStringList({keyOf(3), keyOf(5), keyOf(6)}));
    EXPECT_EQ(counter(), 7);
    EXPECT_EQ(value(kHeadSlot, keyOf(5), kLast), "Kim");
    EXPECT_EQ(value(kHeadSlot, keyOf(5), kFirst), "Di");
    EXPECT_EQ(value(kHeadSlot, keyOf(5), kCity), "Laramie");
    EXPECT_EQ(value(kPag1Slot, keyOf(5), 1), "");  // the page row is made too
    EXPECT_EQ(second.summary().message(), "3 records imported.");
}

TEST_F(ImportRunTest, LineByLineAcceptsAndSkips) {
    ImportRun run(access, plan(), records({"Smith,Ann,Casper", "heading,x,y", "Jones,Bo,Cody"}));
    run.importOne(0);
    run.skipOne(1);
    run.importOne(2);
    EXPECT_EQ(run.summary().keys, QStringList({keyOf(1), keyOf(2)}));
    EXPECT_EQ(value(kHeadSlot, keyOf(2), kLast), "Jones");
    EXPECT_EQ(counter(), 3);
    EXPECT_EQ(run.summary().message(), "2 records imported. 1 line skipped.");
}

TEST_F(ImportRunTest, PageOnlyMappingStillMakesTheHeadRow) {
    ImportPlan p{"abc", kCounty, 1, 1, {}};
    p.mapping.map(1, {2, 3});
    ImportRun run(access, p, records({"blue"}));
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(store.keys(kHeadSlot), QStringList({keyOf(1)}));
    EXPECT_EQ(value(kPag1Slot, keyOf(1), 3), "");
    EXPECT_EQ(value(kPag2Slot, keyOf(1), 3), "blue");
}

TEST_F(ImportRunTest, AFieldMappedTwiceFillsBothTargets) {
    ImportPlan p = plan();
    p.mapping.map(1, {1, 7});
    ImportRun run(access, p, records({"Smith,Ann,Casper"}));
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kLast), "Smith");
    EXPECT_EQ(value(kPag1Slot, keyOf(1), 7), "Smith");
}

TEST_F(ImportRunTest, SurplusMissingAndCutValuesAreCounted) {
    const int size = access.GetFieldSize(kHeadSlot, kCity);
    const QString tooLong(size + 5, 'x');
    ImportRun run(access, plan(),
                  records({"Smith", "Jones,Bo,Cody,extra,more", "Lee,Cy," + tooLong, "Kim,Di,Laramie,x"}));
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kFirst), "");  // missing fields are empty
    EXPECT_EQ(value(kHeadSlot, keyOf(3), kCity), QString(size, 'x'));
    const ImportSummary& s = run.summary();
    EXPECT_EQ(s.droppedFields, 3);
    EXPECT_EQ(s.firstDroppedLine, 2);
    EXPECT_EQ(s.cutValues, 1);
    EXPECT_EQ(s.firstCutLine, 3);
    EXPECT_EQ(s.message(), "4 records imported. 3 fields beyond the split text fields were left out (first on line 2). "
                           "1 value was cut to the size of its field (first on line 3).");
}

TEST_F(ImportRunTest, FixedLengthTailsAreCounted) {
    TextProblem problem;
    const auto cut = cutImportRecords(TextFileLines{{"abcdef", "abcdefgh", "abcdefg"}, TextCharset::Utf8},
                                      {FieldMethod::FixedLength, 3, QChar(), QChar()}, problem);
    ImportPlan p{"abc", kCounty, 1, 2, {}};
    p.mapping.map(2, {0, kLast});
    ImportRun run(access, p, cut.value());
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(run.summary().droppedTails, 2);
    EXPECT_EQ(run.summary().firstTailLine, 2);
    EXPECT_TRUE(run.summary().message().contains("On 2 lines")) << run.summary().message().toStdString();
}

TEST_F(ImportRunTest, CancelAtAStepRollsEverythingBack) {
    for (int cancelAt : {0, 1, 2}) {
        ImportRun run(access, plan(), records({"Smith,Ann,Casper", "Jones,Bo,Cody", "Lee,Cy,Lander"}));
        WorkProgress progress;
        progress.step = [cancelAt](qint64 done, qint64 total) {
            EXPECT_EQ(total, 3);
            return done < cancelAt;
        };
        EXPECT_EQ(run.importAll(progress), WorkEnd::Cancelled) << cancelAt;
        EXPECT_TRUE(store.keys(kHeadSlot).isEmpty()) << cancelAt;
        EXPECT_TRUE(store.keys(kPag1Slot).isEmpty()) << cancelAt;
        EXPECT_EQ(counter(), -1) << cancelAt;  // not even made
        EXPECT_EQ(run.summary().imported, 0);
        EXPECT_TRUE(run.summary().keys.isEmpty());
    }
    // The tables are usable after the rollbacks.
    ImportRun run(access, plan(), records({"Smith,Ann,Casper"}));
    ASSERT_EQ(run.importAll({}), WorkEnd::Done);
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kLast), "Smith");
}

TEST_F(ImportRunTest, ImportAllFromALaterRecord) {
    ImportRun run(access, plan(), records({"Last,First,City", "Smith,Ann,Casper"}));
    ASSERT_EQ(run.importAll({}, 1), WorkEnd::Done);
    EXPECT_EQ(store.keys(kHeadSlot), QStringList({keyOf(1)}));
    EXPECT_EQ(value(kHeadSlot, keyOf(1), kLast), "Smith");
}

TEST_F(ImportRunTest, AStoreFailureRollsBackAndIsReported) {
    ImportPlan p = plan();
    p.mapping.map(1, {0, 999});  // no such field
    ImportRun run(access, p, records({"Smith,Ann,Casper", "Jones,Bo,Cody"}));
    EXPECT_EQ(run.importAll({}), WorkEnd::Failed);
    EXPECT_FALSE(run.failure().isEmpty());
    EXPECT_TRUE(store.keys(kHeadSlot).isEmpty());
    EXPECT_EQ(counter(), -1);
}

TEST_F(ImportRunTest, AFileWithANulLineChangesNothing) {
    TextProblem problem;
    const auto file = decodeImportText(QByteArray("Smith,Ann,Casper\nJo\0nes,Bo,Cody\n", 31), std::nullopt, problem);
    EXPECT_FALSE(file.has_value());
    EXPECT_EQ(problem.line, 2);
    // The caller stops here: no run is made, so no record and no counter.
    EXPECT_TRUE(store.keys(kHeadSlot).isEmpty());
    EXPECT_EQ(counter(), -1);
}

}  // namespace
