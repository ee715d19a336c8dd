#include "store/settings/table_date_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return {QDate(y, mo, d), QTime(h, mi, s)}; }

TEST(TableDateTime, WritesTheOneForm) {
    struct Case {
        QDateTime value;
        QString text;
    };
    const std::vector<Case> cases = {
        {at(2002, 6, 18, 14, 5, 9), "6/18/2002 2:05:09 PM"},
        {at(2003, 1, 2, 0, 0, 0), "1/2/2003 12:00:00 AM"},
        {at(2010, 12, 31, 12, 30, 0), "12/31/2010 12:30:00 PM"},
        {at(1999, 11, 5, 9, 7, 59), "11/5/1999 9:07:59 AM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTableDateTime(c.value), c.text);
        EXPECT_EQ(parseTableDateTime(c.text), c.value) << c.text.toStdString();
    }
}

TEST(TableDateTime, ReadsLegacyAndIsoForms) {
    struct Case {
        QString text;
        QDateTime expected;
    };
    const std::vector<Case> cases = {
        {"6/18/2002 2:05 PM", at(2002, 6, 18, 14, 5)},
        {"06/08/2002 02:05:09 am", at(2002, 6, 8, 2, 5, 9)},
        {"  6/18/2002   2:05:09 PM ", at(2002, 6, 18, 14, 5, 9)},
        {"6/18/2002 14:05:09", at(2002, 6, 18, 14, 5, 9)},
        {"6/18/2002 14:05", at(2002, 6, 18, 14, 5)},
        {"2002-06-18 14:05:09", at(2002, 6, 18, 14, 5, 9)},
        {"2002-06-18T14:05:09", at(2002, 6, 18, 14, 5, 9)},
        {"2002-06-18T14:05:09.250", at(2002, 6, 18, 14, 5, 9).addMSecs(250)},
        {"6/18/2002", at(2002, 6, 18)},
        {"2002-06-18", at(2002, 6, 18)},
    };
    for (const Case& c : cases) EXPECT_EQ(parseTableDateTime(c.text), c.expected) << c.text.toStdString();
}

TEST(TableDateTime, RejectsWhatIsNoDateTime) {
    for (const QString text : {"", "   ", "yesterday", "13/45/2002 1:00 PM", "6/18/2002 25:00", "6/18/2002 2:05 XM"})
        EXPECT_FALSE(parseTableDateTime(text).isValid()) << text.toStdString();
}

}  // namespace
}  // namespace vn
