#include "requests/queue/request_queue.h"
#include "requests/stored/request_tables.h"
#include "store/engine/store_error.h"
#include "support/qt_printers.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;
using Result = SaveOutcome::Result;

namespace {

SqlRequest countRequest(const QString& target = QStringLiteral("N*")) {
    SqlRequest r;
    r.kind = RequestKind::Count;
    r.displayText = QStringLiteral("LBCount Records with \"Last\" = \"%1\" ").arg(target);
    SqlCondition c;
    c.field = {0, 5};
    c.target = target;
    r.conditions = {c};
    return r;
}

SqlRequest reportRequest() {
    SqlRequest r = countRequest();
    r.kind = RequestKind::Report;
    PrintField p;
    p.field = {0, 5};
    p.printOrder = 1;
    r.printFields = {p};
    SortField s;
    s.field = {0, 5};
    s.sortOrder = 1;
    r.sortFields = {s};
    return r;
}

struct RequestQueueTest : ::testing::Test {
    StoreFixture store;
    RecordAccess& access = store.access;
    RequestQueue queue{access};
};

TEST_F(RequestQueueTest, SavedRequestsAreListedPerListInKeyOrder) {
    for (const auto& [list, name] : {std::pair{"abc", "Zeta"}, {"abc", "alpha"}, {"ABD", "Other list"}, {"ABC", "Alpha"},
                                     {"abc", ""}})
        EXPECT_EQ(queue.save(list, name, countRequest()).result, Result::Saved) << list << " " << name;
    // The list code is compared without case; names differing only in case are two requests.
    EXPECT_EQ(queue.keys("abc"), QStringList({"ABC  Alpha", "abc  ", "abc  Zeta", "abc  alpha"}));
    EXPECT_EQ(queue.keys("abd"), QStringList({"ABD  Other list"}));
    EXPECT_EQ(queue.shownText("abc  Zeta"), "LBCount Records with \"Last\" = \"N*\"   ");
}

TEST_F(RequestQueueTest, ATakenOrUnsafeNameStoresNothing) {
    ASSERT_EQ(queue.save("abc", "Members", countRequest()).result, Result::Saved);
    const SaveOutcome taken = queue.save("abc", "Members", countRequest("X*"));
    EXPECT_EQ(taken.result, Result::NameTaken);
    EXPECT_EQ(taken.message,
              "Request Name already found.  You must change to a different name or abort Request Queue entry.");
    EXPECT_EQ(queue.load("abc  Members")->request.conditions[0].target, "N*");
    for (const QString& name : {QStringLiteral("a~b"), QStringLiteral("two\rlines"), QStringLiteral("two\nlines"),
                                QString(80, u'x')}) {
        const SaveOutcome refused = queue.save("abc", name, countRequest());
        EXPECT_EQ(refused.result, Result::Refused) << name.toStdString();
        EXPECT_FALSE(refused.message.isEmpty());
    }
    EXPECT_EQ(queue.keys("abc").size(), 1);
    EXPECT_EQ(access.RecordCount(kQueuSlot), 1);
}

TEST_F(RequestQueueTest, ReportsKeepPrintAndSortFieldsAndGoWithTheirRequest) {
    ASSERT_EQ(queue.save("abc", "Report", reportRequest()).result, Result::Saved);
    ASSERT_EQ(queue.save("xyz", "Report", reportRequest()).result, Result::Saved);
    const std::optional<StoredRequest> loaded = queue.load("abc  Report");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->request.printFields.size(), 1);
    EXPECT_EQ(loaded->request.sortFields.size(), 1);

    queue.remove("abc  Report");
    EXPECT_FALSE(queue.load("abc  Report"));
    EXPECT_EQ(queue.shownText("abc  Report"), "");
    EXPECT_EQ(access.RecordCount(kPinfSlot), 1);
    EXPECT_EQ(access.RecordCount(kSinfSlot), 1);

    queue.clear();  // every list's
    for (int slot : {kQueuSlot, kPinfSlot, kSinfSlot}) EXPECT_EQ(access.RecordCount(slot), 0) << slot;
}

// A row from another office that the codec refuses stays listed and shown, can be deleted, and
// names the request when it is loaded.
TEST_F(RequestQueueTest, ARefusedRowIsListedButNotLoaded) {
    ASSERT_EQ(queue.save("abc", "Damaged", countRequest()).result, Result::Saved);
    access.FindRecord(kQueuSlot, "abc  Damaged");
    access.SetFieldText(kQueuSlot, request_tables::queu::compareOp(1), "9");
    EXPECT_EQ(queue.keys("abc"), QStringList({"abc  Damaged"}));
    EXPECT_TRUE(queue.shownText("abc  Damaged").startsWith("LBCount"));
    try {
        queue.load("abc  Damaged");
        FAIL() << "loaded";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains("\"Damaged\"")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("operator")) << e.message().toStdString();
    }
    queue.remove("abc  Damaged");
    EXPECT_TRUE(queue.keys("abc").isEmpty());
}

}  // namespace
