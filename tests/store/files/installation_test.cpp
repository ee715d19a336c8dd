#include "platform/drive_map.h"
#include "store/catalogue/table_catalogue.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vn;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(Installation, LaysOutTheTreeTheDatabaseItsCopiesAndTheMarker) {
    test::TempFolder tmp;
    const QString base = tmp.file("HLV");
    createInstallation(base);
    const FolderTree tree(base);
    EXPECT_EQ(tree.dataFolder(), base + "/vn/WY");
    for (const QString& folder : {tree.savesFolder(), tree.shellsFolder(), tree.outputFolder(), tree.changesFolder(),
                                  tree.newTablesFolder(), tree.exchangeFolder(), tree.webFolder(), tree.whatsNewFolder()})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_TRUE(QFileInfo::exists(tree.marker()));
    for (const QString& db : {tree.databasePath(), tree.savesFolder() + "/Varnedo1.db", tree.shellsFolder() + "/Varnedo1.db"}) {
        TableCatalogue catalogue;
        catalogue.ReopenDataTables(QFileInfo(db).absolutePath(), {});
        EXPECT_EQ(catalogue.table(11).count(), 0) << db.toStdString();
    }
    EXPECT_THROW(createInstallation(base), StoreError);
}

TEST(Installation, EachFolderLandsInTheFoldersMadeBeforeIt) {
    test::TempFolder tmp;
    createInstallation(tmp.file("HLV"));
    QStringList top = QDir(tmp.file("HLV")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    top.sort();
    EXPECT_EQ(top, (QStringList{"Grovanta", "WebXfer", "dataxfer", "vn"}));  // no "VN" beside "vn"
    EXPECT_TRUE(QFileInfo(tmp.file("HLV/vn/NewTables")).isDir());
}

TEST(Installation, ABaseTooLongForTheEngineIsRefusedAndLeavesNothingBehind) {
    test::TempFolder tmp;
    QString base = tmp.file("new");
    while (base.size() < Database::longestPath()) base += "/" + QString(60, 'd');
    try {
        createInstallation(base);
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains("too long for the table engine")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(tmp.file("new")));
}

TEST(Installation, AFailedCreationRemovesWhatItMadeInAnExistingFolder) {
    test::TempFolder tmp;
    touch(tmp.file("HLV/mine.txt"));
    touch(tmp.file("HLV/vn/WY/Varnedo1.db"));  // not a database: the saved copy cannot be made
    EXPECT_THROW(createInstallation(tmp.file("HLV")), StoreError);
    EXPECT_TRUE(QFileInfo::exists(tmp.file("HLV/mine.txt")));
    EXPECT_TRUE(QFileInfo::exists(tmp.file("HLV/vn/WY/Varnedo1.db")));
    EXPECT_FALSE(QFileInfo::exists(tmp.file("HLV/dataxfer")));
}

TEST(Installation, FolderNamesResolveInAnyCase) {
    test::TempFolder tmp;
    QDir(tmp.path()).mkpath("VN/wy/SAVES");
    const FolderTree tree(tmp.path());
    EXPECT_EQ(tree.savesFolder(), tmp.path() + "/VN/wy/SAVES");
    EXPECT_EQ(tree.newTablesFolder(), tmp.path() + "/VN/NewTables");
    EXPECT_EQ(tree.exchangeFolder(), tmp.path() + "/dataxfer");
}

TEST(Installation, BaseSearchPrefersTheCompanyFormAndEarlierDrives) {
    test::TempFolder tmp;
    touch(tmp.file("c/vn/vn.loc"));
    touch(tmp.file("d/HLV/VN/VN.LOC"));
    touch(tmp.file("d/vn/vn.loc"));
    touch(tmp.file("e/hlv/vn/vn.loc"));
    struct Case {
        QString drives;
        QString base;
    };
    const Case cases[] = {
        {"C=" + tmp.file("c") + ";D=" + tmp.file("d"), tmp.file("c")},
        {"C=" + tmp.file("none") + ";D=" + tmp.file("d"), tmp.file("d/HLV")},
        {"C=" + tmp.file("none") + ";E=" + tmp.file("e") + ";D=" + tmp.file("d"), tmp.file("d/HLV")},
        {"C=" + tmp.file("none") + ";E=" + tmp.file("e"), tmp.file("e/hlv")},
    };
    for (const Case& c : cases) EXPECT_EQ(findBaseLocation(DriveMap(tmp.file("home"), c.drives)), c.base) << c.drives.toStdString();
    EXPECT_EQ(findBaseLocation(DriveMap(tmp.file("home"))), std::nullopt);
}

}  // namespace
