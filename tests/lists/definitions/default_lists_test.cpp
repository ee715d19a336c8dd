#include "lists/definitions/default_lists.h"

#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"
#include "store/catalogue/table_catalogue.h"
#include "store/files/installation.h"
#include "store/engine/table.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>

using namespace vn;
using namespace vn::definition_tables;

namespace {

// Every row of a slot as key -> the field's text, in key order.
QMap<QString, QString> rows(Table& table, int field) {
    QMap<QString, QString> all;
    for (bool more = table.first(); more; more = table.next()) all.insert(table.text(0), table.text(field));
    return all;
}

struct NewInstallation : ::testing::Test {
    NewInstallation() {
        createDatabase(QDir(folder.path()).filePath(TableLocation::databaseFileName()), true);
        catalogue.ReopenDataTables(folder.path(), {});
    }
    // The items of one default list in key order; fails when the numbers do not run 001, 002, ...
    QStringList items(int list) {
        QStringList texts;
        const QMap<QString, QString> all = rows(catalogue.table(kDsliSlot), dsli::kItem);
        for (auto it = all.begin(); it != all.end(); ++it) {
            if (!it.key().startsWith(defaultListPrefix(list))) continue;
            EXPECT_EQ(it.key(), defaultListItemKey(list, int(texts.size()) + 1));
            texts << it.value();
        }
        return texts;
    }
    test::TempFolder folder;
    TableCatalogue catalogue;
};

TEST_F(NewInstallation, ShipsTheFilledDefaultListsAndLeavesTheOthersEmpty) {
    struct Case {
        int list;
        int count;
        QString first;
        QString last;
    };
    const Case cases[] = {
        {1, 51, "Alabama", "Wyoming"},
        {3, 11, "2000", "2010"},
        {4, 12, "January", "December"},
        {5, 7, "Monday", "Sunday"},
        {6, 24, "12:00 AM", "11:00 PM"},
        {7, 24, "00:00", "23:00"},
        {8, 10, "8:00 AM", "5:00 PM"},
        {9, 19, "8:00 AM", "5:00 PM"},
        {10, 10, "Less than High School", "Doctorate"},
        {11, 11, "Under $10,000", "$200,000 and over"},
        {12, 8, "Under 18", "75 and over"},
        {13, 14, "Pre-K", "12"},
    };
    for (const Case& c : cases) {
        const QStringList texts = items(c.list);
        ASSERT_EQ(texts.size(), c.count) << "list " << c.list;
        EXPECT_EQ(texts.first(), c.first) << "list " << c.list;
        EXPECT_EQ(texts.last(), c.last) << "list " << c.list;
    }
    EXPECT_EQ(items(6).at(12), "12:00 PM");
    EXPECT_TRUE(items(1).contains("District of Columbia"));
    EXPECT_EQ(items(kCountiesList), QStringList{});
    for (int list = kFirstUserDefinedList; list <= kDefaultListCount; ++list)
        EXPECT_EQ(items(list), QStringList{}) << "list " << list;
}

TEST_F(NewInstallation, ShipsTheMainWindowsHelpPhrases) {
    const QMap<QString, QString> phrases = rows(catalogue.table(kPhraSlot), phra::kPhrase);
    ASSERT_TRUE(phrases.contains("1actionGotoExit"));
    for (auto it = phrases.begin(); it != phrases.end(); ++it) {
        EXPECT_TRUE(it.key().startsWith('1')) << it.key().toStdString();
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
    }
}

TEST(DefaultListNames, StartWithTheirNumberAndEndWithTheUserLists) {
    const QStringList names = defaultListNames();
    ASSERT_EQ(names.size(), kDefaultListCount);
    for (int list = 1; list <= kDefaultListCount; ++list) {
        EXPECT_EQ(defaultListName(list), names.at(list - 1));
        EXPECT_TRUE(names.at(list - 1).startsWith(defaultListPrefix(list) + "  ")) << list;
        EXPECT_EQ(isUserDefinedList(list), names.at(list - 1).contains("User Defined")) << list;
    }
    EXPECT_EQ(defaultListName(3), "03  Years  (2000 - 2010)");
    EXPECT_EQ(defaultListName(0), "");
    EXPECT_EQ(defaultListName(21), "");
}

}  // namespace
