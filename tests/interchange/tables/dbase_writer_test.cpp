#include "dbase_bytes.h"

#include "interchange/tables/dbase_writer.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace vn {
namespace {

const QList<DbaseFieldLayout> kFields{{"Key", 18}, {"LAST", 30}, {"CITY", 30}};
const QString kLong = QStringLiteral("A value of forty characters, cut at 30.");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What Debian's python3-dbf reads from a table: its field names and its rows, pads dropped.
QJsonObject readByPythonDbf(const QString& path) {
    const QString script = QStringLiteral(
        "import dbf, json, sys\n"
        "t = dbf.Table(sys.argv[1]); t.open(dbf.READ_ONLY)\n"
        "print(json.dumps({'codepage': t.codepage.name, 'fields': [f.upper() for f in t.field_names],\n"
        "                  'rows': [[str(v).rstrip() for v in r] for r in t]}))\n");
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << python.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

class DbaseWriterTest : public ::testing::Test {
protected:
    QString path() const { return m_folder.file("out.dbf"); }
    const QList<QStringList> m_rows{{"abc0000000000001", "Zo\u00eb", kLong},
                                    {"abc0000000000002", "\u0141\u00f3d\u017a", ""},
                                    {"abc0000000000003", "", "Paris \u20ac"}};
    const QList<QStringList> m_expected{{"abc0000000000001", "Zo\u00eb", kLong.left(30)},
                                        {"abc0000000000002", "?\u00f3d?", ""},
                                        {"abc0000000000003", "", "Paris \u20ac"}};
    test::TempFolder m_folder;
};

TEST_F(DbaseWriterTest, ReadBackByOurReaderAndByPythonDbf) {
    DbaseWriteCounts counts;
    QString failure;
    ASSERT_TRUE(writeDbaseTable(path(), kFields, m_rows, counts, failure)) << failure.toStdString();
    EXPECT_EQ(counts.cutValues, 1);
    EXPECT_EQ(counts.replacedValues, 1);

    ForeignProblem problem;
    const auto rows = test::readDbase(path(), problem);
    ASSERT_TRUE(rows) << problem.message.toStdString();
    EXPECT_EQ(*rows, m_expected);

    const QJsonObject python = readByPythonDbf(path());
    EXPECT_EQ(python.value("codepage").toString(), QStringLiteral("cp1252"));
    EXPECT_EQ(python.value("fields").toVariant().toStringList(), QStringList({"KEY", "LAST", "CITY"}));
    QList<QStringList> pythonRows;
    for (const QJsonValue& row : python.value("rows").toArray()) pythonRows.append(row.toVariant().toStringList());
    EXPECT_EQ(pythonRows, m_expected);
}

TEST_F(DbaseWriterTest, HeaderIsDbase3WithoutIndexAndDated) {
    DbaseWriter writer(path(), kFields, QDate(2024, 5, 17));
    QString failure;
    ASSERT_TRUE(writer.open(failure)) << failure.toStdString();
    ASSERT_TRUE(writer.commit(failure)) << failure.toStdString();
    const QByteArray bytes = fileBytes(path());
    ASSERT_EQ(bytes.size(), 32 + 3 * 32 + 1 + 1);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(bytes.mid(1, 3), QByteArray("\x7c\x05\x11"));
    EXPECT_EQ(bytes[28], 0);     // no .MDX
    EXPECT_EQ(bytes[29], 0x57);  // Windows-1252
    EXPECT_EQ(bytes.mid(32, 11), QByteArray("KEY\0\0\0\0\0\0\0\0", 11));
    EXPECT_EQ(bytes.back(), 0x1A);
}

TEST_F(DbaseWriterTest, UncommittedOrFailedWritesKeepTheOldFile) {
    test::writeBytes(path(), "old");
    {
        DbaseWriter cancelled(path(), kFields);
        QString failure;
        ASSERT_TRUE(cancelled.open(failure));
        cancelled.writeRow(m_rows[0]);
    }
    EXPECT_EQ(fileBytes(path()), QByteArray("old"));
    {
        const test::FileSizeLimit limit(4096);
        DbaseWriter full(path(), kFields);
        QString failure;
        ASSERT_TRUE(full.open(failure));
        for (int i = 0; i < 200; ++i) full.writeRow(m_rows[0]);
        EXPECT_FALSE(full.commit(failure));
        EXPECT_TRUE(failure.startsWith(path())) << failure.toStdString();
    }
    EXPECT_EQ(fileBytes(path()), QByteArray("old"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({"out.dbf"}));
}

TEST_F(DbaseWriterTest, FieldsDbaseCannotHoldAreRefused) {
    const QList<QList<DbaseFieldLayout>> refused{
        {}, {{"LAST NAME", 30}}, {{"1ST", 30}}, {{"ELEVENCHARS", 30}}, {{"CITY", 30}, {"City", 30}},
        {{"CITY", 0}}, {{"CITY", 255}}};
    for (const auto& fields : refused) {
        DbaseWriter writer(path(), fields);
        QString failure;
        EXPECT_FALSE(writer.open(failure)) << fields.value(0).name.toStdString();
        EXPECT_FALSE(failure.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path()));
}

}  // namespace
}  // namespace vn
