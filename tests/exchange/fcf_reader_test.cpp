// Reading web form control files: the listing, the whole file checked and staged before
// anything is written, then every row written whole in one transaction.
#include "fcf_fixture.h"

#include "exchange/codec/form_questions.h"
#include "exchange/fcf/fcf_listing.h"
#include "exchange/fcf/fcf_load.h"
#include "exchange/fcf/fcf_reader.h"
#include "exchange/fcf/fcf_writer.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

const QString kName = "abcwy001.fcf";

// A list with every kind of row: title rows and definitions on pages 1, 2 and 5, a 25-character
// radio caption, selection items, a grid, and the web settings of the List row.
const std::vector<Row> kFieldTrip = {
    {kListSlot, "abc", {{1, "Field Trip"}, {9, "1"}, {10, "webf"}, {12, "a@b.org"}, {14, "Bring lunch"}, {15, "Trips"}, {16, "Agency"}}},
    {kFdisSlot, "abc100", {{1, "0"}, {2, "0"}, {3, "0"}, {4, "Page One"}}},
    {kFdisSlot, "abc101", {{1, "1"}, {2, "1"}, {3, "1"}, {5, "144"}, {14, "A radio caption of 25 ch."}, {31, "7"}}},
    {kFdisSlot, "abc201", {{4, "Second page"}}},
    {kFdisSlot, "abc500", {{4, "Page Five"}}},
    {kFdisSlot, "abc501", {{4, "On page five"}, {24, "1"}}},
    {kSelcSlot, "abc101A", {{1, "1"}}},
    {kSelcSlot, "abc101B", {}},
    {kTdatSlot, "abc301", {{1, "Grid"}, {25, "Row ten"}}},
};

// Every row of the list abc's definition tables, field by field.
QStringList listRows(FcfFixture& f) {
    QStringList rows;
    for (const QString& row : f.snapshot())
        if (QStringList parts = row.split('|'); QList<QString>{"List", "Fdis", "Selc", "Tdat"}.contains(parts[0]) && parts[1].startsWith("abc"))
            rows << row;
    return rows;
}

QString writeFile(FcfFixture& f, const QByteArray& content, const QString& name = kName) {
    const QString path = f.inExchange(name);
    f.writeFile(content, path);
    return path;
}

TEST(FcfReaderTest, WriterToReaderRoundTripGivesTheSameRows) {
    FcfFixture source;
    source.putAll(kFieldTrip);
    source.put(kListSlot, "xyz", {{1, "Other"}});
    const QByteArray file = FcfWriter(source.db()).encode("abc").bytes;

    FcfFixture target;
    target.put(kListSlot, "xyz", {{1, "Other"}});
    // Fields the file leaves empty are emptied; rows it does not hold stay.
    target.put(kFdisSlot, "abc101", {{4, "Old caption"}, {6, "9"}});
    target.put(kFdisSlot, "abc609", {{4, "Kept"}});
    const FcfLoad load = LoadFormControlFile(target.db(), target.prompter, writeFile(target, file));

    ASSERT_EQ(load.end, WorkEnd::Done) << target.prompter.texts().join("\n").toStdString();
    QStringList expected = listRows(source);
    expected << listRows(target).filter("abc609");
    expected.sort();
    QStringList loaded = listRows(target);
    loaded.sort();
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(target.row(kListSlot, "xyz"), (Fields{{1, "Other"}}));
    EXPECT_EQ(load.applied.rows, qint64(kFieldTrip.size()));
    EXPECT_EQ(load.applied.name.list, "abc");
    EXPECT_EQ(load.applied.name.state, "wy");
    EXPECT_EQ(load.applied.name.office, "001");
    EXPECT_EQ(load.applied.agency, "Agency");
    EXPECT_EQ(load.applied.description, "Trips");
    EXPECT_EQ(load.applied.instructions, "Bring lunch");
    EXPECT_TRUE(target.prompter.messages.isEmpty());
}

TEST(FcfReaderTest, TextsAreUtf8OrElseWindows1252) {
    struct Case {
        const char* what;
        QByteArray title;
        QString read;
    };
    const std::vector<Case> cases = {
        {"UTF-8", "Caf\xC3\xA9", QString("Caf") + QChar(0xE9)},
        {"an older installation's Windows-1252", "Caf\xE9 \x80", QString("Caf") + QChar(0xE9) + " " + QChar(0x20AC)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FcfFixture f;
        FcfReader reader(f.db(), writeFile(f, kMagicChunk + chunk(rowBody(1, "abc", val(c.title)))));
        ASSERT_TRUE(reader.refusal().isEmpty()) << reader.refusal().toStdString();
        reader.apply();
        EXPECT_EQ(f.row(kListSlot, "abc"), (Fields{{1, c.read}}));
    }
}

TEST(FcfReaderTest, ValuesLongerThanTheirFieldsAreCutAndCounted) {
    FcfFixture f;
    const QByteArray caption(100, 'c');
    const QString path = writeFile(f, kMagicChunk + chunk(rowBody(1, "abc")) + chunk(rowBody(2, "abc101", kMark + n(4) + val(caption))));

    const FcfLoad load = LoadFormControlFile(f.db(), f.prompter, path);

    EXPECT_EQ(load.applied.cutValues, 1);
    EXPECT_EQ(f.row(kFdisSlot, "abc101"), (Fields{{4, QString(90, 'c')}}));
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_TRUE(f.prompter.messages[0].text.contains("Fdis \"abc101\" field 4 (Caption)"));
}

TEST(FcfReaderTest, AMalformedFileIsRefusedByFileAndOffsetAndChangesNothing) {
    const QByteArray list = chunk(rowBody(1, "abc", val("Title")));
    const QByteArray le100("\x64\x00\x00\x00", 4);
    struct Case {
        const char* what;
        QByteArray content;
        qsizetype offset;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"empty file", "", 0, "ends inside a chunk's length"},
        {"not a form control file", chunk(" &Oldfcf") + list, 0, "does not begin"},
        {"negative chunk length", kMagicChunk + "\xFF\xFF\xFF\xFF" + list, 12, "negative"},
        {"chunk past the end", kMagicChunk + le100 + "\x21\x23" "abc", 12, "past the end of the file"},
        {"zero chunk length", kMagicChunk + chunk("") + list, 12, "empty"},
        {"cut short in a length", kMagicChunk + list + "\x05\x00", 12 + list.size(), "ends inside a chunk's length"},
        {"unknown table", kMagicChunk + list + chunk(rowBody(5, "abc101")), 12 + list.size() + 4, "table code 5"},
        {"empty key", kMagicChunk + chunk(n(1) + n(0)), 17, "key is empty"},
        {"negative key length", kMagicChunk + chunk(n(1) + "\x10" "abc"), 17, "key is empty"},
        {"key past its chunk", kMagicChunk + chunk(n(1) + n(9) + "abc"), 17, "key reaches past"},
        {"value past its chunk", kMagicChunk + chunk(rowBody(1, "abc", n(9) + "Ti")), 21, "past the end of its chunk"},
        {"negative value length", kMagicChunk + chunk(rowBody(1, "abc", "\x1F" "T")), 21, "no length"},
        {"jump backwards", kMagicChunk + chunk(rowBody(1, "abc", val("T") + val("x") + kMark + n(2) + val("y"))), 26, "does not go forward"},
        {"jump to the same field", kMagicChunk + chunk(rowBody(1, "abc", val("T") + kMark + n(1) + val("y"))), 24, "does not go forward"},
        {"jump to Delta", kMagicChunk + chunk(rowBody(1, "abc", kMark + n(18) + val("y"))), 23, "before \"Delta\""},
        {"jump cut short", kMagicChunk + chunk(rowBody(1, "abc", kMark)), 21, "ends inside a jump"},
        {"next field is Delta", kMagicChunk + list + chunk(rowBody(3, "abc101A", val("1") + val("2"))), 12 + list.size() + 15,
         "before \"Delta\""},
        {"two List rows", kMagicChunk + list + list, 12 + list.size(), "second List row"},
        {"a row of another list", kMagicChunk + list + chunk(rowBody(2, "xyz101", val("1"))), 12 + list.size(), "not of the list abc"},
        {"a row of the list in capitals", kMagicChunk + list + chunk(rowBody(2, "ABC101")), 12 + list.size(), "not of the list abc"},
        {"a key longer than its field", kMagicChunk + list + chunk(rowBody(2, "abc1011")), 12 + list.size(), "longer than 6"},
        {"no List row", kMagicChunk + chunk(rowBody(2, "abc101")), 24, "no List row"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FcfFixture f;
        f.putAll({{kListSlot, "abc", {{1, "Mine"}}}});
        const QStringList before = f.snapshot();
        const QString path = writeFile(f, c.content);

        const FcfLoad load = LoadFormControlFile(f.db(), f.prompter, path);

        EXPECT_EQ(load.end, WorkEnd::Failed);
        EXPECT_EQ(f.snapshot(), before);
        ASSERT_EQ(f.prompter.messages.size(), 1);
        const QString text = f.prompter.messages[0].text;
        EXPECT_TRUE(text.contains(QString("[%1] was refused at byte %2: ").arg(path).arg(c.offset))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.reason)) << text.toStdString();
    }
}

TEST(FcfReaderTest, AFileOver16MiBIsRefusedUnread) {
    FcfFixture f;
    const QString path = writeFile(f, kMagicChunk);
    QFile file(path);
    ASSERT_TRUE(file.resize(16 * 1024 * 1024 + 1));  // sparse: costs no disk

    const FcfReader reader(f.db(), path);

    EXPECT_TRUE(reader.refusal().contains(QString("[%1] was refused at byte 16777216: ").arg(path))) << reader.refusal().toStdString();
    EXPECT_EQ(reader.rowCount(), 0);
}

TEST(FcfReaderTest, AFileGoneOrMisnamedIsNamedAndNotRead) {
    FcfFixture f;
    const QString gone = f.inExchange(kName);
    const QString misnamed = writeFile(f, kMagicChunk + chunk(rowBody(1, "abc")), "abc.fcf");
    EXPECT_EQ(FcfReader(f.db(), gone).refusal(), QString("The form control file [%1] is no longer there; it was not loaded.").arg(gone));
    EXPECT_TRUE(FcfReader(f.db(), misnamed).refusal().startsWith(QString("[%1] is not named").arg(misnamed)));
}

TEST(FcfReaderTest, AListAlreadyPresentIsReplacedOnlyOnOk) {
    struct Case {
        const char* what;
        QString present;  // a List row before loading; empty for none
        QList<Answer> answers;
        WorkEnd end;
        QString title;  // of abc afterwards
    };
    const std::vector<Case> cases = {
        {"no list of the code: no question", "", {}, WorkEnd::Done, "Field Trip"},
        {"the list present, OK", "abc", {Answer::Ok}, WorkEnd::Done, "Field Trip"},
        {"the list present, No", "abc", {Answer::No}, WorkEnd::Declined, "Mine"},
        {"the code in other letters, No", "ABC", {Answer::No}, WorkEnd::Declined, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FcfFixture f;
        if (!c.present.isEmpty()) f.put(kListSlot, c.present, {{1, "Mine"}});
        const QStringList before = f.snapshot();
        f.prompter.answers = c.answers;
        const QString path = writeFile(f, kMagicChunk + chunk(rowBody(1, "abc", val("Field Trip"))));

        const FcfLoad load = LoadFormControlFile(f.db(), f.prompter, path);

        EXPECT_EQ(load.end, c.end);
        const QStringList asked = c.present.isEmpty() ? QStringList() : QStringList{QString::fromLatin1(kFormAlreadyPresent)};
        EXPECT_EQ(f.prompter.texts(), asked);
        if (c.end == WorkEnd::Declined) {
            EXPECT_EQ(f.snapshot(), before);
        }
        const Fields abc = f.row(kListSlot, "abc");
        EXPECT_EQ(abc.count(1) ? abc.at(1) : QString(), c.title);
    }
}

TEST(FcfReaderTest, ListsTheStatesFilesWithTheirTitles) {
    FcfFixture f;
    writeFile(f, kMagicChunk + chunk(rowBody(1, "abc", val("Field Trip"))), "abcwy001.fcf");
    writeFile(f, "not chunks", "xyzWY002.FCF");
    writeFile(f, kMagicChunk + chunk(rowBody(1, "def", val("Other state"))), "defmt001.fcf");
    writeFile(f, kMagicChunk + chunk(rowBody(1, "ghi", val("Long name"))), "ghiwy0011.fcf");
    writeFile(f, "", "wy.txt");

    QStringList entries;
    for (const FcfEntry& entry : findFormControlFiles(f.exchange(), "wy")) entries << entry.text();

    EXPECT_EQ(entries, QStringList({"abcwy001.fcf.......Field Trip", "xyzWY002.FCF......."}));
}

}  // namespace
