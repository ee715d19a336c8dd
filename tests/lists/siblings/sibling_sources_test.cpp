// The sibling sources read only: listed by id and by name, records and header maps resolved, a
// file that is not what it should be refused naming it, and the sibling's folder never touched.
#include "lists/siblings/linked_value_resolver.h"
#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/files/folder_tree.h"
#include "support/sibling_fixture.h"
#include "support/temp_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vn {
namespace {

using test::putSiblingRecord;

class SiblingSourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::makeSibling(m_folder.path(), SiblingProduct::Grovanta);
        test::makeSibling(m_folder.path(), SiblingProduct::Pavilo);
        putSiblingRecord(base(), 1, "0000003", {{1, "Zeller"}, {2, "Ann"}, {8, "307-555-0100"}, {24, "ann@example.org"}});
        putSiblingRecord(base(), 1, "0000001", {{1, "Adams"}, {2, "Carl"}, {5, "12 Elm"}, {4, "Apt 2"}});
        putSiblingRecord(base(), 1, "0000002", {{1, "Adams"}, {2, "Carl"}});
        putSiblingRecord(base(), 5, "0000009", {{1, "Lopez"}, {2, "Rita"}, {4, "555-0199"}, {11, "1 Fair Rd"}, {13, "82001"}});
    }
    QString base() const { return m_folder.path(); }
    QString file(int source) const {
        return siblingTableFile(base(), FolderTree::stateFolder(), *siblingSource(source), 1);
    }
    LinkedValueResolver resolver() const {
        return LinkedValueResolver(test::siblingPlaces(base(), {SiblingProduct::Grovanta, SiblingProduct::Pavilo}));
    }

    test::TempFolder m_folder;
};

QStringList shown(const QList<SiblingEntry>& entries) {
    QStringList texts;
    for (const SiblingEntry& entry : entries) texts << entry.shown();
    return texts;
}

TEST_F(SiblingSourcesTest, ListedByIdInKeyOrderAndByNameThenKey) {
    LinkedValueResolver links = resolver();
    SiblingTable* members = links.table(1);
    ASSERT_TRUE(members) << links.problem(1).toStdString();
    EXPECT_EQ(shown(members->list(SiblingOrder::ById)),
              QStringList({"0000001  Adams  Carl", "0000002  Adams  Carl", "0000003  Zeller  Ann"}));
    EXPECT_EQ(shown(members->list(SiblingOrder::ByName)),
              QStringList({"0000001  Adams  Carl", "0000002  Adams  Carl", "0000003  Zeller  Ann"}));
    putSiblingRecord(base(), 1, "0000000", {{1, "Zeller"}, {2, "Bob"}});
    LinkedValueResolver again = resolver();
    EXPECT_EQ(shown(again.table(1)->list(SiblingOrder::ByName)).last(), "0000000  Zeller  Bob");
    EXPECT_EQ(again.table(1)->list(SiblingOrder::ById).first().key, "0000000");
}

TEST_F(SiblingSourcesTest, HeaderMapsAndLinkedValues) {
    LinkedValueResolver links = resolver();
    using namespace head_field;
    const struct {
        int kind;
        const char* key;
        QList<std::pair<int, QString>> expected;  // the pairs checked among those returned
    } cases[] = {
        {1, "0000003", {{kFirst, "Ann"}, {kLast, "Zeller"}, {kHomePhone, "307-555-0100"}, {kEmail, "ann@example.org"}}},
        {1, "0000001", {{kAddress1, "12 Elm"}, {kAddress2, "Apt 2"}, {kEmail, ""}}},
        {5, "0000009", {{kLast, "Lopez"}, {kHomePhone, "555-0199"}, {kAddress1, "1 Fair Rd"}, {kZip, "82001"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto header = links.header(c.kind, QString::fromLatin1(c.key));
        ASSERT_TRUE(header);
        for (const auto& pair : c.expected) EXPECT_TRUE(header->contains(pair)) << pair.first;
    }
    EXPECT_EQ(links.value(1, "0000003", 2), "Ann");
    EXPECT_EQ(links.value(1, "0000003", 8), "307-555-0100");
    EXPECT_EQ(links.value(1, "0000003", 99), "");  // a field the file lacks reads empty
    // Unresolved: no record, no key, a product not present, a kind without a map.
    EXPECT_FALSE(links.value(1, "0000077", 2));
    EXPECT_FALSE(links.value(1, "", 2));
    EXPECT_FALSE(links.value(7, "001", 1));
    EXPECT_FALSE(links.header(2, "0000003"));
    EXPECT_FALSE(links.header(9, "0000003"));
}

TEST_F(SiblingSourcesTest, AFileThatIsNotTheSourceIsRefusedNamingIt) {
    const auto replace = [&](int source, const std::function<void(const QString&)>& make) {
        QFile::remove(file(source));
        make(file(source));
    };
    replace(2, [](const QString& path) {
        QFile text(path);
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
    });
    replace(3, [](const QString& path) {
        auto db = Database::create(path);
        db->createTable({QStringLiteral("Other"), {textField("Key", 7)}, {}});
    });
    replace(4, [](const QString& path) {  // the name of a camp is field 1: a table without it
        auto db = Database::create(path);
        db->createTable({QStringLiteral("Camp"), {textField("Key", 8)}, {}});
    });
    LinkedValueResolver links = resolver();
    for (int source : {2, 3, 4}) {
        SCOPED_TRACE(source);
        EXPECT_FALSE(links.table(source));
        EXPECT_TRUE(links.problem(source).contains(QDir::toNativeSeparators(file(source)))) << links.problem(source).toStdString();
    }
    QFile::remove(file(6));
    EXPECT_FALSE(links.table(6));
    EXPECT_TRUE(links.problem(6).contains(file(6))) << links.problem(6).toStdString();
}

TEST_F(SiblingSourcesTest, ReadingLeavesTheSiblingsFolderAsItWas) {
    const QString folder = QFileInfo(file(1)).path();
    const auto snapshot = [&] {
        QStringList state;
        for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(info.filePath());
            f.open(QIODevice::ReadOnly);
            state << info.fileName() + ' ' + QString::number(int(info.permissions())) + ' ' +
                         QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        }
        return state;
    };
    const QStringList before = snapshot();
    {
        LinkedValueResolver links = resolver();
        links.table(1)->list(SiblingOrder::ByName);
        links.header(1, "0000003");
        links.value(2, "0000001", 1);
        EXPECT_FALSE(QFileInfo::exists(file(1) + "-wal"));
        EXPECT_FALSE(QFileInfo::exists(file(1) + "-shm"));
    }
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace vn
