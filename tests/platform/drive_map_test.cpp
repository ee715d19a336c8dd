#include "platform/drive_map.h"
#include "platform/path_resolver.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(DriveMap, HomeIsCAndTheEnvironmentOverridesOrAddsLetters) {
    const DriveMap map("/home/u", "n=/mnt/share; D=/srv/d ;C=/srv/vn;bad;1=/x");
    EXPECT_EQ(map.folder('C'), "/srv/vn");
    EXPECT_EQ(map.folder('n'), "/mnt/share");
    EXPECT_EQ(map.folder('D'), "/srv/d");
    EXPECT_EQ(map.folder('E'), "");
    EXPECT_EQ(map.searchOrder(), (QList<QChar>{'C', 'D', 'N'}));
}

TEST(DriveMap, ResolvesDriveTextToFolders) {
    const DriveMap map("/home/u", "D=/media/zip");
    struct Case {
        QString in, out;
    };
    for (const Case& c : {Case{"D:", "/media/zip"}, Case{"D:\\backup\\vn", "/media/zip/backup/vn"},
                          Case{"c:\\HLV", "/home/u/HLV"}, Case{"Q:\\x", "Q:\\x"}, Case{"plain", "plain"}})
        EXPECT_EQ(map.resolve(c.in), c.out) << c.in.toStdString();
}

TEST(PathResolver, FindsExistingNamesInAnyCaseAndKeepsNewSpellings) {
    test::TempFolder tmp;
    QDir(tmp.path()).mkpath("VN/Wy");
    EXPECT_EQ(resolvePath(tmp.path(), "vn\\WY\\Saves"), tmp.path() + "/VN/Wy/Saves");
    EXPECT_EQ(resolveFolder(tmp.path(), "vn/wy/Shells"), tmp.path() + "/VN/Wy/Shells");
    EXPECT_TRUE(QDir(tmp.path() + "/VN/Wy/Shells").exists());
}

}  // namespace
