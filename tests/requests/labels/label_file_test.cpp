// The labels of the keys as read from their Head rows, and the label file written from them.
#include "label_heads.h"
#include "requests/labels/label_file.h"
#include "requests/labels/label_text.h"
#include "support/file_size_limit.h"
#include "support/store_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(LabelFileBytes, EachLabelIsOneLineOfTildeEndedLines) {
    struct Case {
        const char* what;
        QList<LabelLines> labels;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"two labels", {{"Ann Smith", "Casper, WY 82601"}, {"Bob Jones"}},
         "Ann Smith~Casper, WY 82601~\r\nBob Jones~\r\n"},
        {"a tilde or a line break inside a line is a space", {{"Rd 5~Box 2", "Line\r\nbreak", "one\ntwo"}},
         "Rd 5 Box 2~Line  break~one two~\r\n"},
        {"UTF-8", {{QStringLiteral("Zo\u00eb \u00c5berg")}}, "Zo\xc3\xab \xc3\x85" "berg~\r\n"},
        {"a label without lines", {{}}, "\r\n"},
        {"no labels", {}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(labelFileBytes(c.labels), c.bytes) << c.what;
}

class LabelFileTest : public ::testing::Test {
protected:
    LabelFileTest() {
        setup.layout = *standardLayout(DuplicateMode::Record, 1);  // name, position, address 1 and 2, city
        test::putHead(store.access, "abc1", {{2, "Ann"}, {3, "Q"}, {4, "Smith"}, {11, "123 Main St., Apt. #4"},
                                             {12, "#"}, {13, "Casper"}, {14, "WY"}, {15, "82601"}});
        test::putHead(store.access, "abc2", {{2, "bob"}, {4, "mcdonald-smith jr"}, {11, "Rd 5~box 2"},
                                             {12, "Line\r\nbreak"}, {13, "Cody"}, {14, "WY"}, {15, "82414"}});
    }
    QByteArray written() {
        QFile file(files + "/SQLLabel.Txt");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    test::StoreFixture store;
    LabelSetup setup;
    const QString files = store.folder.file("Files");
    const MatchList keys{"abc1", "abc9", "abc2"};  // abc9 has no Head row
};

TEST_F(LabelFileTest, TheChosenCasingReachesTheFileAndKeysWithoutHeadRowsGiveNoLabel) {
    struct Case {
        LabelCasing casing;
        QByteArray bytes;
    };
    const Case cases[] = {
        {LabelCasing::AsStored,
         "Ann Q. Smith~123 Main St., Apt. #4~#~Casper, WY 82601~\r\n"
         "bob mcdonald-smith jr~Rd 5 box 2~Line  break~Cody, WY 82414~\r\n"},
        {LabelCasing::Normal,
         "Ann Q. Smith~123 Main St., Apt. #4~#~Casper, Wy 82601~\r\n"
         "Bob Mcdonald-smith Jr~Rd 5 box 2~Line  break~Cody, Wy 82414~\r\n"},
        // USPS keeps no punctuation: the line "#" is left empty and dropped.
        {LabelCasing::Usps,
         "ANN Q SMITH~123 MAIN ST APT 4~CASPER WY 82601~\r\n"
         "BOB MCDONALD-SMITH JR~RD 5BOX 2~LINEBREAK~CODY WY 82414~\r\n"},
    };
    for (const Case& c : cases) {
        setup.casing = c.casing;
        store.prompter.messages.clear();
        ASSERT_TRUE(writeLabelFile(files, readLabels(store.access, keys, setup), store.prompter));
        EXPECT_EQ(written(), c.bytes) << int(c.casing);
        EXPECT_EQ(store.prompter.texts(), QStringList{"Task Completed!  Label(s) are in File " + files + "/SQLLabel.Txt"});
    }
}

TEST_F(LabelFileTest, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    ASSERT_TRUE(writeLabelFile(files, {{"old"}}, store.prompter));
    store.prompter.messages.clear();
    bool wrote = true;
    {
        test::FileSizeLimit limit(16);
        wrote = writeLabelFile(files, readLabels(store.access, keys, setup), store.prompter);
    }
    EXPECT_FALSE(wrote);
    ASSERT_EQ(store.prompter.messages.size(), 1);
    EXPECT_EQ(store.prompter.messages[0].kind, "error");
    const QString opening = "Label File Can Not Be Opened!\r\r";
    EXPECT_TRUE(store.prompter.messages[0].text.startsWith(opening));
    EXPECT_GT(store.prompter.messages[0].text.size(), opening.size());  // the system's reason
    EXPECT_EQ(written(), "old~\r\n");
}

}  // namespace
