#include "platform/document_opener.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(DocumentOpener, AddressesGoToTheDesktopAsTheyAre) {
    for (const QString& address : {QString("https://example.org/form?id=7"), QString("mailto:office@example.org"),
                                   QString("www.example.org")}) {
        const OpenPlan plan = planOpen(address, {}, "/tmp");
        EXPECT_EQ(plan.kind, OpenPlan::Kind::Address) << address.toStdString();
        EXPECT_TRUE(plan.address.isValid());
        EXPECT_NE(plan.address.scheme(), "file") << address.toStdString();
    }
}

TEST(DocumentOpener, LongPathsAreNeverCut) {
    const QString folder = "/srv/" + QString("a-very-long-folder-name/").repeated(6);
    const QString file = QString("report-for-the-district-office-").repeated(3) + ".txt";
    const OpenPlan plan = planOpen(file, {}, folder);
    EXPECT_EQ(plan.kind, OpenPlan::Kind::Address);
    EXPECT_EQ(plan.address.toLocalFile(), folder + file);
}

TEST(DocumentOpener, ProgramsStartWithTheirParametersInTheFolder) {
    test::TempFolder tmp;
    QFile program(tmp.file("editor"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    program.close();
    const OpenPlan plan = planOpen("editor", "\"My Letter.txt\" -n", tmp.path());
    EXPECT_EQ(plan.kind, OpenPlan::Kind::Program);
    EXPECT_EQ(plan.program, tmp.file("editor"));
    EXPECT_EQ(plan.arguments, (QStringList{"My Letter.txt", "-n"}));
    EXPECT_EQ(plan.folder, tmp.path());
    EXPECT_EQ(planOpen(tmp.file("editor"), {}, {}).kind, OpenPlan::Kind::Program);
}

}  // namespace
