#include "shell_fixture.h"

#include "shell/core/shutdown_sequence.h"
#include "store/files/installation.h"
#include "store/files/text_file.h"

#include <QDir>

namespace vn::test {

ShellFixture::ShellFixture() {
    createInstallation(base());
    facts.drives = DriveMap(tmp.file("home"), "C=" + tmp.file("nowhere"));
    facts.now = QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7));
}

ShellFixture::~ShellFixture() {
    navigator.reset();
    session.reset();
}

bool ShellFixture::start() {
    navigator.reset();
    session.reset();
    session = std::make_unique<Session>(base(), prompter);
    navigator = std::make_unique<Navigator>(*session, view);
    return runStartup(*session, facts);
}

void ShellFixture::exitInOrder() { navigator->gotoExit(); }

void ShellFixture::crash() {
    navigator.reset();
    session.reset();
}

QStringList ShellFixture::logLines() const {
    return readTextFile(QDir(FolderTree(base()).dataFolder()).filePath("ProgressLog.Txt")).split("\r\n", Qt::SkipEmptyParts);
}

QString ShellFixture::savedCopy() const { return QDir(FolderTree(base()).savesFolder()).filePath("Varnedo1.db"); }

void ShellFixture::setParm(const QString& key, const QString& value) {
    RecordingPrompter quiet;
    TableCatalogue catalogue;
    RecordAccess access(catalogue, quiet);
    access.OpenTable(3, TableLocation::dataTable(FolderTree(base()).dataFolder(), 3));
    access.EnsureRecord(3, key);
    access.SetFieldText(3, 2, value);
    access.CloseTable(3);
    // As a previous orderly run would have left it.
    Database::open(FolderTree(base()).databasePath())->copyTo(savedCopy());
}

void putRecord(Session& session, int slot, const QString& key, const QString& value) {
    session.access.EnsureRecord(slot, key);
    session.access.SetFieldText(slot, 1, value);
}

QString readRecord(Session& session, int slot, const QString& key) {
    return session.access.FindRecord(slot, key) ? session.access.GetFieldText(slot, 1) : QStringLiteral("<none>");
}

}  // namespace vn::test
