// The rules of window 10 without widgets: the sheet types and "CurLabel", marking the first
// sheet, the screen preview, and where Process sends the labels.
#include "label_heads.h"
#include "platform/printing/recording_sink.h"
#include "requests/labels/label_sheet_controller.h"
#include "requests/labels/label_text.h"
#include "requests/stored/request_tables.h"
#include "store/settings/settings_slots.h"
#include "support/store_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

const QString kCity = "Cody, WY 82414";

class LabelSheetControllerTest : public ::testing::Test {
protected:
    LabelSheetControllerTest() {
        putStock({"30 per sheet", "", "30", "3", "10", "2.625", "1", "1", "10", "8"});
        putStock({"06 per sheet", "", "6", "2", "3", "4", "3.333", "2", "14", "10"});
        setup.layout = *standardLayout(DuplicateMode::Record, 1);
        for (int i = 1; i <= 61; ++i) {
            const QString key = QStringLiteral("abc%1").arg(i, 3, 10, QChar('0'));
            test::putHead(store.access, key, {{2, "Member"}, {4, QString::number(i)}, {13, "Cody"}, {14, "WY"}, {15, "82414"}});
            keys << key;
        }
    }
    void putStock(const RowFields& row) {
        store.access.EnsureRecord(kLabeSlot, row[0]);
        for (int field = 1; field < row.size(); ++field) store.access.SetFieldText(kLabeSlot, field, row[field]);
    }
    void setCurrentLabel(const QString& name) {
        store.access.EnsureRecord(kParmSlot, "CurLabel");
        store.access.SetFieldText(kParmSlot, kParmValue, name);
    }
    QString currentLabel() {
        return store.access.FindRecord(kParmSlot, "CurLabel") ? store.access.GetFieldText(kParmSlot, kParmValue)
                                                               : QString("(none)");
    }
    void open(LabelOutput output) { controller.open({output, keys}, setup); }
    const LabelSheetView& view() const { return controller.view(); }

    test::StoreFixture store;
    LabelSetup setup;
    MatchList keys;
    QList<Printout> printed;
    int left = 0;
    LabelSheetController controller{store.access, store.prompter, store.folder.file("Files"),
                                    {[this](const Printout& p) { printed << p; }, [this] { ++left; }}};
};

TEST_F(LabelSheetControllerTest, TheLastTypeUsedIsChosenAndAChoiceIsRemembered) {
    setCurrentLabel("30 per sheet");
    open(LabelOutput::Printer);
    EXPECT_EQ(view().stocks, QStringList({"06 per sheet", "30 per sheet"}));
    EXPECT_EQ(view().chosen, 1);
    EXPECT_EQ(view().count, "30");
    EXPECT_EQ(view().grid, "3  X  10");
    EXPECT_EQ(view().size, "2.625\"   X  1\"");
    EXPECT_EQ(view().picture, QSize(170, 220));
    EXPECT_EQ(view().cells.size(), 30);
    controller.chooseStock(0);
    EXPECT_EQ(currentLabel(), "06 per sheet");
    EXPECT_EQ(view().picture, QSize(340, 440));
    EXPECT_EQ(view().cells.size(), 6);
}

TEST_F(LabelSheetControllerTest, WithoutAKnownLastTypeTheFirstIsChosenAndTheSettingCreated) {
    open(LabelOutput::File);
    EXPECT_EQ(view().chosen, 0);
    EXPECT_EQ(currentLabel(), "06 per sheet");
}

TEST_F(LabelSheetControllerTest, ABadRowIsToldAndTheOthersStayUsable) {
    putStock({"10 per sheet", "", "10", "2", "5", "4", "2.5", "2", "14", "9"});  // 12.5 inches down
    open(LabelOutput::Screen);
    ASSERT_EQ(store.prompter.messages.size(), 1);
    EXPECT_EQ(store.prompter.messages[0].kind, "warning");
    EXPECT_TRUE(store.prompter.messages[0].text.startsWith("The Labe row \"10 per sheet\" is refused: "));
    EXPECT_EQ(view().stocks, QStringList({"06 per sheet", "30 per sheet"}));
    EXPECT_EQ(view().labels, "Labels:  61");
}

TEST_F(LabelSheetControllerTest, TheScreenShowsASheetOfLabelsAPage) {
    setCurrentLabel("30 per sheet");
    open(LabelOutput::Screen);
    EXPECT_FALSE(view().printerEnabled);
    EXPECT_FALSE(view().marking);
    EXPECT_EQ(view().pages, "Page(s):  3");
    EXPECT_EQ(view().cells[0].lines, QStringList({"Member 1", kCity}));
    EXPECT_FALSE(view().priorEnabled);
    controller.nextPage();
    controller.nextPage();
    EXPECT_EQ(view().page, "Page:  3");
    EXPECT_EQ(view().cells[0].lines, QStringList({"Member 61", kCity}));
    EXPECT_TRUE(view().cells[1].lines.isEmpty());
    EXPECT_FALSE(view().nextEnabled);
    controller.toggle(1);  // no marking on the screen
    EXPECT_TRUE(view().cells[0].present);
    // Another type: the texts go and the preview starts again on it.
    controller.chooseStock(0);
    EXPECT_EQ(view().pages, "Page(s):  11");
    EXPECT_EQ(view().page, "Page:  1");
    EXPECT_EQ(view().cells[5].lines, QStringList({"Member 6", kCity}));
    EXPECT_EQ(left, 0);
}

TEST_F(LabelSheetControllerTest, ThePrinterGetsTheMarkedSheetThenTheWindowIsLeft) {
    setCurrentLabel("30 per sheet");
    open(LabelOutput::Printer);
    EXPECT_TRUE(view().marking);
    EXPECT_TRUE(view().cells[0].lines.isEmpty());
    controller.emptySheet();
    EXPECT_FALSE(view().cells[29].present);
    controller.fullSheet();
    controller.toggle(1);
    controller.toggle(2);
    controller.toggle(2);
    EXPECT_FALSE(view().cells[0].present);
    EXPECT_TRUE(view().cells[1].present);
    controller.process();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0].pdfFileName, "VNLabels.pdf");
    EXPECT_EQ(left, 1);
    RecordingSink sink({2442, 3196});
    printed[0].layout(sink);
    QList<QPointF> at;
    for (const RecordingSink::Op& op : sink.ops)
        if (op.kind == RecordingSink::Op::Text) at << op.at;
    ASSERT_EQ(at.size(), 2 * 61);
    EXPECT_EQ(at[0], QPointF(37 + 805 + 75, 93));  // position 2: the first present one
}

TEST_F(LabelSheetControllerTest, TheFileIsWrittenThenTheWindowIsLeft) {
    open(LabelOutput::File);
    controller.process();
    EXPECT_EQ(left, 1);
    QFile file(store.folder.file("Files/SQLLabel.Txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Member 1~Cody, WY 82414~\r\nMember 2~"));
    // A Files folder that cannot be made: the message, and the window stays.
    QFile::remove(file.fileName());
    QDir(store.folder.file("Files")).removeRecursively();
    QFile blocker(store.folder.file("Files"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    store.prompter.messages.clear();
    controller.process();
    EXPECT_EQ(left, 1);
    ASSERT_EQ(store.prompter.messages.size(), 1);
    EXPECT_TRUE(store.prompter.messages[0].text.startsWith("Label File Can Not Be Opened!"));
}

}  // namespace
