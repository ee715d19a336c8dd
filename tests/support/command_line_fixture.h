#pragma once

#include "shell/command_line.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace vn::test {

// A new installation in a temporary folder that the commands find (drive C: is the folder) and a
// runtime folder of its own, so the program's locks are the test's.
struct CommandLineFixture : ::testing::Test {
    struct Outcome {
        std::optional<int> status;
        QString out, err;
    };

    CommandLineFixture() : tree(tmp.file("HLV")) {
        createInstallation(tree.base());
        QDir().mkpath(tmp.file("run"));
        QFile::setPermissions(tmp.file("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("VARNEDO_DRIVES", ("C=" + tmp.path()).toUtf8());
        qputenv("XDG_RUNTIME_DIR", tmp.file("run").toUtf8());
    }
    ~CommandLineFixture() override {
        qunsetenv("VARNEDO_DRIVES");
        qunsetenv("XDG_RUNTIME_DIR");
    }

    Outcome run(const QStringList& arguments) {
        Outcome r;
        QTextStream out(&r.out), err(&r.err);
        QList<QByteArray> all{"varnedo"};
        for (const QString& a : arguments) all << a.toUtf8();
        r.status = runCommandLine(all, out, err);
        return r;
    }

    QString liveDatabase() const { return tree.databasePath(); }
    QString savedDatabase() const { return QDir(tree.savesFolder()).filePath("Varnedo1.db"); }

    // Reads a copy of the tables: the live one or the saved one.
    void readTables(const QString& database, const std::function<void(RecordAccess&)>& read) {
        RecordingPrompter quiet;
        TableCatalogue catalogue;
        catalogue.ReopenDataTables(QFileInfo(database).absolutePath(), {});
        RecordAccess access(catalogue, quiet);
        read(access);
    }
    // A field of a row in a copy of the tables; "(none)" without the row.
    QString value(const QString& database, int slot, const QString& key, int field) {
        QString found = QStringLiteral("(none)");
        readTables(database, [&](RecordAccess& access) {
            if (access.FindRecord(slot, key)) found = access.GetFieldText(slot, field);
        });
        return found;
    }
    // Changes the tables as a run that ended in order leaves them: live and saved alike.
    void changeTables(const std::function<void(RecordAccess&)>& change) {
        readTables(liveDatabase(), change);
        Database::open(liveDatabase())->copyTo(savedDatabase());
    }
    void setField(int slot, const QString& key, int field, const QString& v) {
        changeTables([&](RecordAccess& access) {
            access.EnsureRecord(slot, key);
            access.SetFieldText(slot, field, v);
        });
    }

    TempFolder tmp;
    FolderTree tree;
};

}  // namespace vn::test
