#include "platform/drive_map.h"
#include "requests/merge/word_processor.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vn;

namespace {

QString makeFile(const QString& path, bool executable) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n");
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

TEST(WordProcessorTest, TheSettingNamesAnExecutableOrNothing) {
    test::TempFolder home;
    const DriveMap drives(home.path());
    const QString writer = makeFile(home.file("Office Suite/bin/writer"), true);
    const QString text = makeFile(home.file("notes.txt"), false);
    const QString sh = QStandardPaths::findExecutable("sh");
    ASSERT_FALSE(sh.isEmpty());
    struct Case {
        QString setting;
        QString program;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {writer, writer},  // spaces in the path are part of it
        {"  " + writer + " ", writer},
        {"C:\\Office Suite\\bin\\writer", writer},
        {"C:\\Program Files\\Word\\WINWORD.EXE", ""},
        {text, ""},  // not executable
        {home.path(), ""},  // a folder
        {home.file("missing"), ""},
        {"sh", sh},  // a name on the PATH
        {"no-such-word-processor-here", ""},
        {writer + " --new", ""},  // no arguments, no shell
    };
    for (const Case& c : cases) EXPECT_EQ(wordProcessorProgram(c.setting, drives), c.program) << c.setting.toStdString();
}

TEST(WordProcessorTest, TheProgramGetsThePathAsItsOneArgumentElseTheDesktopOpensIt) {
    const QString path = "/data/My Files/VNMail.dat";
    QStringList started, opened;
    const auto start = [&started](bool result) {
        return [&started, result](const QString& program, const QStringList& arguments) {
            started << program << arguments;
            return result;
        };
    };
    const OpenOnDesktop open = [&opened](const QString& p) {
        opened << p;
        return true;
    };

    EXPECT_TRUE(openInWordProcessor("/usr/bin/writer", path, start(true), open));
    EXPECT_EQ(started, (QStringList{"/usr/bin/writer", path}));
    EXPECT_TRUE(opened.isEmpty());

    started.clear();
    EXPECT_FALSE(openInWordProcessor("/usr/bin/writer", path, start(false), open));
    EXPECT_TRUE(opened.isEmpty());  // a failed start is told, not covered up

    started.clear();
    EXPECT_TRUE(openInWordProcessor("", path, start(true), open));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_FALSE(openInWordProcessor("", path, start(true), {}));
}

}  // namespace
