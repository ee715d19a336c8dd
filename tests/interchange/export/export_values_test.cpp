#include "export_fixture.h"
#include "interchange/export/export_values.h"
#include "store/catalogue/slots.h"

using namespace vn;
using namespace vn::test;

namespace {

TEST(ExportValues, HeaderFromHeadPagesFromTheirRowsEmptyWithoutOne) {
    ExportFixture f;
    f.addRecord("abcwyalb000100000", {{header(kLast), "Smith"}, {page(1, 3), "blue"}, {page(1, 82), "cell"}});
    const QList<OrderEntry> order = {{"Last", header(kLast)}, {"P1", page(1, 3)}, {"T:1C:2R:3", page(1, 82)},
                                     {"P2", page(2, 1)}};
    EXPECT_EQ(exportValues(f.store.access, "abc", "abcwyalb000100000", order, SelectionOutput::Text),
              (QStringList{"Smith", "blue", "cell", ""}));
}

TEST(ExportValues, IndexExportsTheItemsPositionOrTheValueItself) {
    ExportFixture f;
    RecordAccess& a = f.store.access;
    const auto item = [&](const QString& key, int position) {
        a.EnsureRecord(kSelcSlot, key);
        a.SetFieldInt(kSelcSlot, 1, position);
    };
    item("abc011Red", 0);
    item("abc011Green", 1);
    item("abc011Blue", 2);
    item("ABC021Blue", 7);  // the code stored in another case still names the list
    item("abc031Blue", 5);  // another field's list
    const QList<OrderEntry> order = {{"Colour", page(1, 1), true}, {"Other", page(1, 2), true},
                                     {"No list", page(1, 3), false}};
    struct Case {
        QStringList stored;
        SelectionOutput selection;
        QStringList exported;
    };
    const Case cases[] = {
        {{"Blue", "Blue", "Blue"}, SelectionOutput::Index, {"2", "7", "Blue"}},
        {{"Purple", "blue", ""}, SelectionOutput::Index, {"Purple", "blue", ""}},  // not items: themselves
        {{"Blue", "Blue", "Blue"}, SelectionOutput::Text, {"Blue", "Blue", "Blue"}},
    };
    ExportValueReader reader(a, "abc", order, SelectionOutput::Index);
    for (const Case& c : cases) {
        f.addRecord("abcwyalb000100000", {{page(1, 1), c.stored[0]}, {page(1, 2), c.stored[1]}, {page(1, 3), c.stored[2]}});
        EXPECT_EQ(exportValues(a, "abc", "abcwyalb000100000", order, c.selection), c.exported);
        if (c.selection == SelectionOutput::Index) {
            EXPECT_EQ(reader.values("abcwyalb000100000"), c.exported);
        }
    }
}

}  // namespace
