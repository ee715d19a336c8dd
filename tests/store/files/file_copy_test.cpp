#include "store/engine/store_error.h"
#include "store/files/file_copy.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <gtest/gtest.h>

using namespace vn;

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CopyToFolder, FolderWithOrWithoutTrailingSeparatorGivesTheSameTarget) {
    test::TempFolder tmp;
    const QByteArray data(3 * 8192 + 17, 'x');  // more than a few blocks, not a whole number of them
    writeFile(tmp.file("a.db"), data);
    QDir(tmp.path()).mkdir("out");
    for (const QString& dest : {tmp.file("out"), tmp.file("out") + "/"}) {
        QFile::remove(tmp.file("out/a.db"));
        CopyToFolder(tmp.file("a.db"), dest);
        EXPECT_EQ(readFile(tmp.file("out/a.db")), data) << dest.toStdString();
    }
    EXPECT_EQ(QDir(tmp.file("out")).entryList(QDir::Files), QStringList{"a.db"});  // no temporary left
}

TEST(CopyToFolder, ANonFolderDestinationIsTheTargetFileAndIsReplaced) {
    test::TempFolder tmp;
    writeFile(tmp.file("a.db"), "new");
    writeFile(tmp.file("b.db"), "old contents");
    CopyToFolder(tmp.file("a.db"), tmp.file("b.db"));
    EXPECT_EQ(readFile(tmp.file("b.db")), "new");
    CopyToFolder(tmp.file("a.db"), tmp.file("empty.db"));
    EXPECT_EQ(readFile(tmp.file("empty.db")), "new");
}

TEST(CopyToFolder, FailuresNameTheFileAndKeepTheOldTarget) {
    test::TempFolder tmp;
    try {
        CopyToFolder(tmp.file("missing.db"), tmp.path());
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(tmp.file("missing.db")));
    }
    writeFile(tmp.file("a.db"), "new");
    try {
        CopyToFolder(tmp.file("a.db"), tmp.file("no/such/folder/a.db"));
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(tmp.file("no/such/folder/a.db")));
    }
}

TEST(CopyToFolder, ShortWriteIsReportedAndKeepsTheOldTarget) {
    test::TempFolder tmp;
    writeFile(tmp.file("a.db"), QByteArray(100000, 'x'));
    writeFile(tmp.file("b.db"), "old");
    // A file size limit makes the writes come back short, as on a full disk.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(CopyToFolder(tmp.file("a.db"), tmp.file("b.db")), StoreError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(readFile(tmp.file("b.db")), "old");
    EXPECT_FALSE(QFile::exists(tmp.file("b.db.part")));
}

TEST(StripAttributes, MakesAReadOnlyFileWritableAndKeepsTheRest) {
    test::TempFolder tmp;
    writeFile(tmp.file("a.db"), "x");
    QFile::setPermissions(tmp.file("a.db"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    StripAttributes(tmp.file("a.db"));
    const auto perms = QFile::permissions(tmp.file("a.db"));
    EXPECT_TRUE(perms & QFileDevice::WriteOwner);
    EXPECT_TRUE(perms & QFileDevice::ReadGroup);
    EXPECT_THROW(StripAttributes(tmp.file("none.db")), StoreError);
}

}  // namespace
