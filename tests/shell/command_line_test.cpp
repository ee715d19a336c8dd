#include "shell/command_line.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vn;

namespace {

struct Outcome {
    std::optional<int> status;
    QString out, err;
};

Outcome run(const QList<QByteArray>& arguments) {
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    QList<QByteArray> all{"varnedo"};
    all += arguments;
    r.status = runCommandLine(all, out, err);
    return r;
}

TEST(CommandLine, HelpAndUsageErrors) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--schema-reference") && help.out.contains("--create-installation FOLDER"));
    struct Case {
        QList<QByteArray> arguments;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"--bogus"}, 2, "Unknown option --bogus"},
        {{"--version", "extra"}, 2, "takes no further arguments"},
        {{"--find-installation", "extra"}, 2, "takes no further arguments"},
        {{"--create-installation"}, 2, "takes one FOLDER"},
        {{"--create-installation", "a", "b"}, 2, "takes one FOLDER"},
        {{"--create-installation", "bad\xff\xfename"}, 1, "is not valid UTF-8"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    }
    EXPECT_EQ(run({}).status, std::nullopt);  // no option: the program starts
}

TEST(CommandLine, AFolderNameThatIsNotUtf8CreatesNothing) {
    test::TempFolder tmp;
    const QByteArray folder = QFile::encodeName(tmp.path()) + "/bad\xff";
    EXPECT_EQ(run({"--create-installation", folder}).status, 1);
    EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(CommandLine, MalformedDriveEntriesAreReportedOnce) {
    qputenv("VARNEDO_DRIVES", "C=/srv/vn;nonsense;1=/x;N=/mnt/share");
    const Outcome r = run({"--version"});
    qunsetenv("VARNEDO_DRIVES");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err.count("is not LETTER=FOLDER"), 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("\"nonsense\"") && r.err.contains("\"1=/x\""));
}

}  // namespace
