#include "setup/utilities/data_file_viewer.h"
#include "setup/utilities/guard_attempts.h"
#include "setup/utilities/table_viewer_model.h"
#include "store/catalogue/slots.h"
#include "store/engine/table.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kRows = 100000;
const QDate kToday(2024, 3, 5);

QString keyOf(int n) { return QStringLiteral("k%1").arg(n, 6, 10, QLatin1Char('0')); }

// A Head table of 100,000 records, keys k000000 ... k099999, seen through the viewer.
class ViewerModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = new test::StoreFixture;
        QStringList keys;
        for (int n = 0; n < kRows; ++n) keys << keyOf(n);
        store->addRecords(kHeadSlot, keys);
    }
    static void TearDownTestSuite() { delete store; }
    void SetUp() override { ASSERT_TRUE(viewer.choose(QStringLiteral("head1.DB"))); }
    TableViewerModel& model() { return *viewer.model(); }

    static test::StoreFixture* store;
    DataFileViewer viewer{store->access, [] { return kToday; }};
};

test::StoreFixture* ViewerModelTest::store = nullptr;

TEST_F(ViewerModelTest, readsTheTableAPageAtATime) {
    EXPECT_EQ(model().recordCount(), kRows);
    ASSERT_EQ(model().rowCount(), 200);
    EXPECT_FALSE(model().hasRowsBefore());
    ASSERT_TRUE(model().canFetchMore({}));
    model().fetchMore({});
    ASSERT_EQ(model().rowCount(), 400);
    EXPECT_EQ(model().keyAt(399), keyOf(399));
    EXPECT_EQ(model().data(model().index(5, 1)).toString(), "v" + keyOf(5));

    const int last = model().startAtLast();
    EXPECT_EQ(model().keyAt(last), keyOf(kRows - 1));
    EXPECT_FALSE(model().canFetchMore({}));
    model().fetchBefore();
    EXPECT_EQ(model().rowCount(), 400);
    EXPECT_EQ(model().keyAt(0), keyOf(kRows - 400));
}

TEST_F(ViewerModelTest, findsTheFirstKeyAtOrAfterTheText) {
    struct Case {
        const char* text;
        QString key;  // empty: none
    };
    for (const Case& c : {Case{"k05", keyOf(50000)}, Case{"k0777775", keyOf(77778)}, Case{"k012345", keyOf(12345)},
                          Case{"a", keyOf(0)}, Case{"k1", QString()}}) {
        const int row = viewer.findFirst(QString::fromLatin1(c.text));
        EXPECT_EQ(row < 0 ? QString() : model().keyAt(row), c.key) << c.text;
        EXPECT_LE(model().rowCount(), 200) << c.text;
    }
    viewer.findFirst(QStringLiteral("k05"));
    EXPECT_TRUE(model().hasRowsBefore());
    model().fetchBefore();
    EXPECT_EQ(model().keyAt(0), keyOf(49800));
}

TEST_F(ViewerModelTest, writesOnlyOnceUnlockedAndRefusesKeyClashes) {
    const QModelIndex name = model().index(3, 1);
    EXPECT_FALSE(model().setData(name, "changed"));
    EXPECT_FALSE(model().flags(name) & Qt::ItemIsEditable);

    EXPECT_FALSE(viewer.leavePassword(QStringLiteral("wrong")));
    EXPECT_TRUE(viewer.leavePassword(QStringLiteral("TARNWISPLE")));
    ASSERT_TRUE(model().setData(name, "changed"));
    EXPECT_EQ(model().post(), "");
    Table head(store->access.database(kHeadSlot).shared_from_this(), QStringLiteral("Head"));
    ASSERT_TRUE(head.findKey(keyOf(3)));
    EXPECT_EQ(head.text(1), "changed");

    for (const QString& clash : {keyOf(4), QString()}) {
        ASSERT_TRUE(model().setData(model().index(3, 0), clash));
        EXPECT_FALSE(model().post().isEmpty()) << clash.toStdString();
        model().cancel();
    }
    EXPECT_TRUE(head.findKey(keyOf(3)));
    ASSERT_TRUE(model().setData(model().index(3, 0), "k003a"));
    EXPECT_EQ(model().post(), "");
    EXPECT_FALSE(head.findKey(keyOf(3)));
    ASSERT_TRUE(head.findKey("k003a"));
    EXPECT_EQ(head.text(1), "changed");

    model().deleteRow(3);
    EXPECT_EQ(model().recordCount(), kRows - 1);
    EXPECT_EQ(model().keyAt(3), keyOf(4));
}

TEST(GuardAttempts, threeFailuresThenTheNextLeaveCloses) {
    GuardAttempts attempts([] { return kToday; });
    for (int n = 0; n < 3; ++n) EXPECT_EQ(attempts.leave(QStringLiteral("nope")), GuardAttempts::Verdict::Failed);
    EXPECT_EQ(attempts.leave(QStringLiteral("tarnwisple")), GuardAttempts::Verdict::Exhausted);
    EXPECT_EQ(attempts.leave(QStringLiteral("nope")), GuardAttempts::Verdict::Failed);
    EXPECT_EQ(attempts.leave(QStringLiteral("TarnWisple")), GuardAttempts::Verdict::Opened);
    EXPECT_EQ(attempts.failures(), 0);
}

TEST(DataFileViewer, mapsFileNamesToTheirSlots) {
    const QStringList names = DataFileViewer::fileNames();
    ASSERT_EQ(names.size(), 27);
    EXPECT_EQ(names.first(), "System.db");
    EXPECT_EQ(names.last(), "Pag61.db");
    EXPECT_EQ(DataFileViewer::slotOfFile(QStringLiteral("Pag41.db")), kPag4Slot);
    EXPECT_EQ(DataFileViewer::slotOfFile(QStringLiteral("System.db")), TableCatalogue::kSystemSlot);
    EXPECT_EQ(DataFileViewer::slotOfFile(QStringLiteral("nothing.db")), 0);
}

}  // namespace
