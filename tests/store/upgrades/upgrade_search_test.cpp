#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/files/installation.h"
#include "store/upgrades/upgrade_markers.h"
#include "store/upgrades/upgrade_search.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(UpgradeMarkers, CodesAndMarkersAreEachUsedOnce) {
    const QStringList markers = allUpgradeMarkers();
    EXPECT_EQ(markers.size(), 30);
    EXPECT_EQ(QSet<QString>(markers.begin(), markers.end()).size(), 30);
    QSet<int> codes;
    for (const UpgradeGroup& g : upgradeGroups())
        for (const UpgradeMarker& m : g.markers) codes.insert(m.code);
    EXPECT_EQ(codes.size(), 25);
    EXPECT_EQ(upgradeGroups().size(), 12);
}

TEST(UpgradeMarkers, InformationCarriesTheSentenceAndItsTail) {
    EXPECT_EQ(upgradeInformation(1),
              "Varnedo has detected a table update file! The caption field field in the [Fdis] data file will be increased "
              "to 90 charactes.  While this is a one time operation, it may take several minutes depending upon data "
              "volume.  Please be patient!  This process must be allowed to finish. Normal operation will continue upon "
              "process completion.");
    for (int code : {6, 10, 13, 14, 15, 21})
        EXPECT_TRUE(upgradeInformation(code).contains("operation, This may take several")) << code;
    EXPECT_TRUE(upgradeInformation(8).contains("Three new fields will be added to the [Pag2] data file.  While this is a "
                                               "one time operation, it may take"));
    EXPECT_TRUE(upgradeInformation(17).contains("The Radio Button caption fields in the [Fdis] data file will be increased to 30 charactes."));
}

QStringList allBut(const QStringList& pending) {
    QStringList done = allUpgradeMarkers();
    for (const QString& m : pending) done.removeAll(m);
    return done;
}

TEST(FindPendingUpgrade, PicksTheFirstGroupWhoseFileIsThere) {
    struct Case {
        const char* name;
        QStringList pending;
        QStringList files;
        int group;  // 0: nothing offered
        QString shown;
        int code;
    };
    const Case cases[] = {
        {"all done", {}, {"Fdis.db"}, 0, {}, 0},
        {"pending without its file", {"TFdis061802"}, {"Selc.db"}, 0, {}, 0},
        {"A and C pending: C shown, A's code", {"TFdis061802", "TFdis021103"}, {"Fdis.db"}, 1, "TFdis021103", 1},
        {"name in any case", {"TSelc061902"}, {"SELC.DB"}, 2, "TSelc061902", 2},
        {"B and D pending", {"TPag1120302", "TPag1081604"}, {"Pag1.db"}, 3, "TPag1081604", 7},
        {"earlier group lacks its file", {"TFdis061802", "THead120302"}, {"Head.db"}, 7, "THead120302", 10},
        {"two groups: the first", {"TList112202", "TTdat082004"}, {"List.db", "Tdat.db"}, 6, "TList112202", 6},
        {"a second group on one table", {"TPag1030703"}, {"Pag1.db"}, 8, "TPag1030703", 13},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        for (const QString& f : c.files) {
            QFile file(folder.file(f));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QStringList done = allBut(c.pending);
        const auto found = findPendingUpgrade([&](const QString& m) { return done.contains(m); }, folder.path());
        ASSERT_EQ(found.has_value(), c.group != 0) << c.name;
        if (!found) continue;
        EXPECT_EQ(found->group, c.group) << c.name;
        EXPECT_EQ(found->shownMarker, c.shown) << c.name;
        EXPECT_EQ(found->code, c.code) << c.name;
        EXPECT_EQ(found->information, upgradeInformation(c.code)) << c.name;
    }
}

TEST(NewDatabase, HoldsEveryMarkerAsDoneAndOffersNothing) {
    test::TempFolder folder;
    createDatabase(folder.file("Varnedo1.db"));
    auto db = Database::open(folder.file("Varnedo1.db"));
    Table system(db, "System");
    for (const QString& m : allUpgradeMarkers()) {
        ASSERT_TRUE(system.findKey(m)) << m.toStdString();
        EXPECT_EQ(system.text(4), "T");
        EXPECT_FALSE(system.text(2).isEmpty());
    }
    ASSERT_TRUE(system.findKey("TFdis061802"));
    EXPECT_EQ(system.text(1), "Expand Caption Field");
    ASSERT_TRUE(system.findKey("NTPag5081604"));
    EXPECT_EQ(system.text(1), "New Pag5 Tables");
    QFile(folder.file("Fdis.db")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(findPendingUpgrade([&](const QString& m) { return system.findKey(m); }, folder.path()));
}

}  // namespace
}  // namespace vn
