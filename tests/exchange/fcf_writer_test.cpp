// Writing a list's web form control file: the chunks byte for byte, values cut to what a length
// byte can say, and the file written whole or not at all.
#include "fcf_fixture.h"

#include "exchange/fcf/fcf_writer.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <gtest/gtest.h>

#include <optional>

using namespace vn;
using namespace vn::test;

namespace {

TEST(FcfWriterTest, RowsAreWrittenByteForByte) {
    struct Case {
        const char* what;
        std::vector<Row> rows;
        QByteArray after;  // the file after its first chunk
    };
    const QByteArray x222(222, 'x');
    const std::vector<Case> cases = {
        {"one List row and two Fdis rows make four chunks",
         {{kListSlot, "abc", {{1, "Field Trip"}}}, {kFdisSlot, "abc102", {{1, "1"}}}, {kFdisSlot, "abc101", {{4, "Name"}}}},
         chunk(rowBody(1, "abc", val("Field Trip"))) + chunk(rowBody(2, "abc101", kMark + n(4) + val("Name"))) +
             chunk(rowBody(2, "abc102", val("1")))},
        {"fields 1 to 3, field 4 empty, field 5 after a jump (byte 37)",
         {{kListSlot, "abc", {}}, {kFdisSlot, "abc101", {{1, "1"}, {2, "1"}, {3, "1"}, {5, "144"}}}},
         chunk(rowBody(1, "abc")) + chunk(rowBody(2, "abc101", val("1") + val("1") + val("1") + "\xFF\x25" + val("144")))},
        {"a Selc row with empty field 1 has its key only",
         {{kListSlot, "abc", {}}, {kSelcSlot, "abc101Weekly", {}}},
         chunk(rowBody(1, "abc")) + chunk(rowBody(3, "abc101Weekly"))},
        {"every table in file order, Tdat last",
         {{kTdatSlot, "abc301", {{1, "Grid"}}}, {kSelcSlot, "abc101A", {{1, "1"}}}, {kListSlot, "abc", {{17, "12/31/25"}}}},
         chunk(rowBody(1, "abc", kMark + n(17) + val("12/31/25"))) + chunk(rowBody(3, "abc101A", val("1"))) +
             chunk(rowBody(4, "abc301", val("Grid")))},
        {"rows of a list whose code differs only in letter case are left out",
         {{kListSlot, "abc", {}}, {kListSlot, "ABC", {}}, {kFdisSlot, "Abc101", {{1, "1"}}}, {kFdisSlot, "abd101", {}}},
         chunk(rowBody(1, "abc"))},
        {"222 bytes fit; a longer value is cut at a character boundary",
         {{kListSlot, "abc", {{14, QString(x222)}, {15, "y" + QString(116, QChar(0xE9))}}}},
         chunk(rowBody(1, "abc", kMark + n(14) + val(x222) + val("y" + QString(110, QChar(0xE9)).toUtf8())))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FcfFixture f;
        f.putAll(c.rows);
        const FcfContent content = FcfWriter(f.db()).encode("abc");
        EXPECT_EQ(content.bytes.toHex(' '), (kMagicChunk + c.after).toHex(' '));
    }
}

TEST(FcfWriterTest, CutValuesAreNamed) {
    FcfFixture f;
    f.putAll({{kListSlot, "abc", {{15, QString(232, 'd')}, {14, "short"}}}, {kFdisSlot, "abc101", {{4, QString(90, QChar(0x4E2D))}}}});
    const FcfContent content = FcfWriter(f.db()).encode("abc");
    EXPECT_EQ(content.cutFields, QStringList({"List \"abc\" field 15 (Desc)", "Fdis \"abc101\" field 4 (Caption)"}));
}

TEST(FcfWriterTest, WritesTheLowerCaseNameInTheExchangeFolder) {
    FcfFixture f;
    f.putAll({{kListSlot, "abc", {{1, "Field Trip"}}}});
    QFile old(f.inExchange("abcwy001.fcf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older build, longer than the new one");
    old.close();

    const FcfBuild build = FcfWriter(f.db()).write(f.exchange(), {"abc", "WY", "001"});

    ASSERT_TRUE(build.ok()) << build.error.toStdString();
    EXPECT_EQ(build.path, f.inExchange("abcwy001.fcf"));
    EXPECT_EQ(f.bytes(build.path), FcfWriter(f.db()).encode("abc").bytes);
    EXPECT_EQ(QDir(f.exchange()).entryList(QDir::Files), QStringList{"abcwy001.fcf"});
}

TEST(FcfWriterTest, AFailedWriteIsReportedAndLeavesNothingBehind) {
    FcfFixture f;
    f.putAll({{kListSlot, "abc", {{14, QString(200, 'i')}}}});
    struct Case {
        const char* what;
        QString folder;
        FcfName name;
        QString inError;
        bool fullDisk = false;
    };
    const std::vector<Case> cases = {
        {"missing folder", f.folder.file("gone"), {"abc", "wy", "001"}, f.folder.file("gone/abcwy001.fcf")},
        {"a name part leading out of the folder", f.exchange(), {"abc", "..", "/x/"}, "no form control file name"},
        {"a full disk", f.exchange(), {"abc", "wy", "001"}, f.inExchange("abcwy001.fcf"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<FileSizeLimit> limit;
        if (c.fullDisk) limit.emplace(100);
        const FcfBuild build = FcfWriter(f.db()).write(c.folder, c.name);
        limit.reset();
        EXPECT_FALSE(build.ok());
        EXPECT_TRUE(build.error.contains(c.inError)) << build.error.toStdString();
        EXPECT_TRUE(QDir(f.exchange()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

}  // namespace
