#include "store/text/sort_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace vn {
namespace {

constexpr int kPayload = 4;

// Callers pad the key part to its full width so the payload sits in the last characters.
QString entryText(const QString& key, const QString& payload) {
    return key.leftJustified(SortBuffer::keyWidth - payload.size(), u' ') + payload;
}

struct Item {
    QString key;
    QString payload;
};

QStringList payloadsOf(const SortBuffer& buffer) {
    QStringList payloads;
    for (int i = 1; i <= buffer.count(); ++i) payloads << buffer.entry(i).right(kPayload);
    return payloads;
}

void fill(SortBuffer& buffer, const std::vector<Item>& items, bool allowDuplicates, bool ascending) {
    for (const auto& item : items) {
        QString text = entryText(item.key, item.payload);
        EXPECT_TRUE(buffer.SortBufferPut(text, kPayload, allowDuplicates, ascending, false));
    }
}

struct OrderCase {
    const char* name;
    bool allowDuplicates;
    bool ascending;
    std::vector<Item> items;
    QStringList expected;  // payloads, first to last
};

TEST(SortBuffer, InsertOrder) {
    const std::vector<OrderCase> cases = {
        {"ascending", false, true, {{"C", "0003"}, {"A", "0001"}, {"B", "0002"}}, {"0001", "0002", "0003"}},
        {"descending", false, false, {{"A", "0001"}, {"C", "0003"}, {"B", "0002"}}, {"0003", "0002", "0001"}},
        {"duplicate goes before its equals", true, true,
         {{"B", "0001"}, {"A", "0002"}, {"B", "0003"}}, {"0002", "0003", "0001"}},
        {"duplicate goes before its equals, descending", true, false,
         {{"B", "0001"}, {"C", "0002"}, {"B", "0003"}}, {"0002", "0003", "0001"}},
        {"duplicate refused", false, true, {{"A", "0001"}, {"A", "0002"}}, {"0001"}},
        {"payload is not part of the key", false, true, {{"A", "0002"}, {"A", "0001"}}, {"0002"}},
        {"character codes, not locale", false, true,
         {{"b", "0001"}, {"B", "0002"}, {"a", "0003"}, {"Z", "0004"}}, {"0002", "0004", "0003", "0001"}},
        {"shorter key first", false, true, {{"AB", "0001"}, {"A", "0002"}}, {"0002", "0001"}},
    };
    for (const auto& c : cases) {
        SortBuffer buffer;
        fill(buffer, c.items, c.allowDuplicates, c.ascending);
        EXPECT_EQ(payloadsOf(buffer), c.expected) << c.name;
    }
}

TEST(SortBuffer, RefusedDuplicateLeavesTextAlone) {
    SortBuffer buffer;
    fill(buffer, {{"A", "0001"}}, false, true);
    QString text = entryText("A", "0002");
    const QString before = text;
    EXPECT_TRUE(buffer.SortBufferPut(text, kPayload, false, true, false));
    EXPECT_EQ(text, before);
    EXPECT_EQ(buffer.count(), 1);
}

struct LookupCase {
    const char* name;
    bool ascending;
    std::vector<Item> items;
    QString key;
    bool found;
    QString payload;  // the text after a hit
};

TEST(SortBuffer, Lookup) {
    const std::vector<Item> abc = {{"A", "0001"}, {"B", "0002"}, {"C", "0003"}};
    const std::vector<LookupCase> cases = {
        {"empty buffer", true, {}, "A", false, ""},
        {"hit gives the payload", true, abc, "B", true, "0002"},
        {"hit at the front", true, abc, "A", true, "0001"},
        {"hit at the back", true, abc, "C", true, "0003"},
        {"miss between", true, {{"A", "0001"}, {"C", "0003"}}, "B", false, ""},
        {"miss is case-sensitive", true, abc, "b", false, ""},
        {"descending hit", false, abc, "A", true, "0001"},
        {"descending miss", false, abc, "D", false, ""},
        // Of two equal keys the first probe, the front one, is found.
        {"first probe among equals", true, {{"B", "0001"}, {"B", "0002"}}, "B", true, "0002"},
    };
    for (const auto& c : cases) {
        SortBuffer buffer;
        fill(buffer, c.items, true, c.ascending);
        QString text = entryText(c.key, "9999");
        const QString before = text;
        EXPECT_EQ(buffer.SortBufferPut(text, kPayload, false, c.ascending, true), c.found) << c.name;
        EXPECT_EQ(text, c.found ? c.payload : before) << c.name;
        EXPECT_EQ(buffer.count(), static_cast<int>(c.items.size())) << c.name;
    }
}

TEST(SortBuffer, LongEntryKeepsItsWholePayload) {
    const int payloadLength = 20;
    const QString key = QString(SortBuffer::keyWidth - payloadLength, u'K');
    const QString longPayload = "record-key-longer-than-twenty";
    SortBuffer buffer;
    QString text = key + longPayload;
    ASSERT_TRUE(buffer.SortBufferPut(text, payloadLength, false, true, false));
    EXPECT_EQ(buffer.entry(1), key + longPayload);

    // Only the first 100 characters are the key: a different tail is the same key.
    QString other = key + "something else entirely";
    EXPECT_TRUE(buffer.SortBufferPut(other, payloadLength, false, true, false));
    EXPECT_EQ(buffer.count(), 1);

    QString probe = key;
    ASSERT_TRUE(buffer.SortBufferPut(probe, payloadLength, false, true, true));
    EXPECT_EQ(probe, longPayload.right(payloadLength));
}

TEST(SortBuffer, EntryAccessAndClear) {
    SortBuffer buffer;
    fill(buffer, {{"B", "0002"}, {"A", "0001"}}, false, true);
    EXPECT_EQ(buffer.entry(1), entryText("A", "0001"));
    EXPECT_EQ(buffer.entry(2), entryText("B", "0002"));
    EXPECT_EQ(buffer.entries(), QStringList({entryText("A", "0001"), entryText("B", "0002")}));
    EXPECT_TRUE(buffer.entry(0).isEmpty());
    EXPECT_TRUE(buffer.entry(3).isEmpty());

    buffer.ClearSortBuffer();
    EXPECT_EQ(buffer.count(), 0);
    EXPECT_TRUE(buffer.entries().isEmpty());
}

// With duplicates, equal keys end up newest first: a stable sort of the reversed input.
TEST(SortBuffer, ManyInsertsMatchAStableSort) {
    std::mt19937 random(20260101);
    std::uniform_int_distribution<int> letter(0, 25);
    std::vector<QString> keys;
    SortBuffer buffer;
    for (int i = 0; i < 5000; ++i) {
        const QString key = QString(QChar(u'A' + letter(random))) + QChar(u'a' + letter(random));
        keys.push_back(key);
        QString text = entryText(key, QString::number(i).rightJustified(kPayload, u'0'));
        buffer.SortBufferPut(text, kPayload, true, true, false);
    }
    std::vector<int> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(order.size() - 1 - i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });

    ASSERT_EQ(buffer.count(), static_cast<int>(order.size()));
    for (size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(buffer.entries()[i].right(kPayload).toInt(), order[i]) << "position " << i;
}

}  // namespace
}  // namespace vn
