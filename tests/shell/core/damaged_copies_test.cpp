// Every kind of damage, in the live tables, the saved copy or both, after an orderly exit or a
// crash: the start runs on an intact copy, keeps the damaged one aside and names it, and never
// loses a record that an intact copy held.
#include "shell_fixture.h"
#include "support/database_damage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;
using test::Damage;

namespace {

constexpr int kHead = 11;
enum class Where { Live, Saved, Both };

struct DamageCase {
    Damage damage;
    Where where;
    bool crashed;  // the last run did not end in order; its live tables hold one more record
};

std::string caseName(const ::testing::TestParamInfo<DamageCase>& info) {
    const char* where[] = {"Live", "Saved", "Both"};
    return std::string(test::damageName(info.param.damage)) + "In" + where[int(info.param.where)] +
           (info.param.crashed ? "AfterCrash" : "AfterExit");
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files kept aside, as paths below the data folder ("Damaged .../Varnedo1.db").
QStringList keptAside(const QString& dataFolder) {
    QStringList found;
    QDirIterator it(dataFolder, {"Varnedo1.db"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(dataFolder).relativeFilePath(it.next());
        if (path.startsWith("Damaged ")) found << path;
    }
    return found;
}

class DamagedCopies : public ::testing::TestWithParam<DamageCase> {
protected:
    // k1 is in both copies; after a crash k2 is in the live tables only.
    void prepare(bool crashed) {
        ASSERT_TRUE(shell.start());
        test::putRecord(*shell.session, kHead, "k1", "saved");
        shell.exitInOrder();
        if (!crashed) return;
        ASSERT_TRUE(shell.start());
        test::putRecord(*shell.session, kHead, "k2", "typed, crashed");
        shell.crash();
    }

    QString live() const { return FolderTree(shell.base()).databasePath(); }
    QString dataFolder() const { return FolderTree(shell.base()).dataFolder(); }
    bool mentioned(const QString& path) const { return shell.prompter.texts().join('\n').contains(path); }

    test::ShellFixture shell;
};

TEST_P(DamagedCopies, StartRunsOnAnIntactCopyAndKeepsTheDamagedOneAside) {
    const DamageCase c = GetParam();
    prepare(c.crashed);
    const bool liveDamaged = c.where != Where::Saved, savedDamaged = c.where != Where::Live;
    if (liveDamaged) test::damageDatabase(live(), c.damage);
    if (savedDamaged) test::damageDatabase(shell.savedCopy(), c.damage);
    const QByteArray liveBefore = contents(live()), savedBefore = contents(shell.savedCopy());
    shell.prompter.messages.clear();

    // Only a lost table leaves a copy usable: it gets an empty shell of that table.
    const bool usableWhenDamaged = c.damage == Damage::TableDropped;
    if (c.where == Where::Both && !usableWhenDamaged) {
        EXPECT_FALSE(shell.start());
        EXPECT_TRUE(mentioned(live()) && mentioned(shell.savedCopy())) << shell.prompter.texts().join('|').toStdString();
        EXPECT_EQ(contents(live()), liveBefore);
        EXPECT_EQ(contents(shell.savedCopy()), savedBefore);
        EXPECT_TRUE(keptAside(dataFolder()).isEmpty());
        return;
    }
    ASSERT_TRUE(shell.start()) << shell.prompter.texts().join('|').toStdString();
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "saved");
    if (c.crashed && !liveDamaged) {
        EXPECT_EQ(test::readRecord(*shell.session, kHead, "k2"), "typed, crashed");
    }

    // A damaged copy that was not repaired in place is kept aside, byte for byte, and named.
    const QStringList aside = keptAside(dataFolder());
    const int damagedCopies = int(liveDamaged) + int(savedDamaged);
    EXPECT_EQ(aside.size(), c.where == Where::Both ? 1 : damagedCopies) << aside.join('|').toStdString();
    for (const QString& path : aside) {
        const bool wasSaved = path.contains("/Saves/");
        EXPECT_EQ(contents(QDir(dataFolder()).filePath(path)), wasSaved ? savedBefore : liveBefore) << path.toStdString();
        EXPECT_TRUE(mentioned(wasSaved ? shell.savedCopy() : live())) << shell.prompter.texts().join('|').toStdString();
    }
    EXPECT_TRUE(shell.session->catalogue.isOpen(16));  // Pag3, a shell where it was lost
}

std::vector<DamageCase> allCases() {
    std::vector<DamageCase> cases;
    for (Damage damage : test::kAllDamages)
        for (Where where : {Where::Live, Where::Saved, Where::Both})
            for (bool crashed : {false, true}) cases.push_back({damage, where, crashed});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Start, DamagedCopies, ::testing::ValuesIn(allCases()), caseName);

}  // namespace
