#include "setup/utilities/web_load.h"

#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"
#include "store/files/file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace vn {

namespace {

QString folderSetting(const char* variable, const QString& base, const char* builtIn) {
    const QString set = qEnvironmentVariable(variable);
    if (!set.isEmpty()) return set;
    return QDir(base).filePath(QString::fromUtf8(builtIn));
}

QString made(const QString& folder) {
    if (!QDir().mkpath(folder)) return QStringLiteral("Cannot create the folder %1.").arg(folder);
    return {};
}

// Copies each file into the folder, the program keeping its permission to run.
QString copyInto(const QStringList& files, const QString& folder) {
    if (QString error = made(folder); !error.isEmpty()) return error;
    try {
        for (const QString& file : files) {
            CopyToFolder(file, folder);
            QFile::setPermissions(QDir(folder).filePath(QFileInfo(file).fileName()), QFile::permissions(file));
        }
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

}  // namespace

QString upgradeFolderFor(const QString& base, const QString& stateFolder) {
    return QDir(folderSetting("VARNEDO_UPGRADES_DIR", base, VARNEDO_UPGRADES_FOLDER)).filePath(stateFolder);
}

QString webPublishFolderFor(const QString& base) {
    return folderSetting("VARNEDO_WEB_PUBLISH_DIR", base, VARNEDO_WEB_PUBLISH_FOLDER);
}

WebLoad::WebLoad(WebLoadPlaces places, Opener opener) : m_places(std::move(places)), m_opener(std::move(opener)) {
    open();
}

QStringList WebLoad::stepCaptions() {
    return {QStringLiteral("Copy compiled varnedo to state upgrades folder."),
            QStringLiteral("Edit state upgrade.txt greeting message."),
            QStringLiteral("Build state upgrade archive with tar."),
            QStringLiteral("Copy State upgrade archive to webpage folder."), QStringLiteral("Finished!")};
}

QString WebLoad::archiveName() const { return m_places.stateCode + QStringLiteral("upgrade.tar.gz"); }

QString WebLoad::greetingFile() const { return QDir(m_places.upgradeFolder).filePath(QStringLiteral("upgrade.txt")); }

void WebLoad::open() {
    for (bool& e : m_enabled) e = false;
    m_enabled[CopyProgram] = true;
}

QString WebLoad::run(Step step) {
    if (!m_enabled[step]) return {};
    QString error;
    switch (step) {
    case CopyProgram: error = copyProgram(); break;
    case EditGreeting: error = editGreeting(); break;
    case BuildArchive: error = buildArchive(); break;
    case Publish: error = publish(); break;
    case Finished:
    case StepCount: break;
    }
    if (!error.isEmpty()) return error;
    if (step == CopyProgram) m_enabled[EditGreeting] = m_enabled[BuildArchive] = true;
    if (step == BuildArchive) m_enabled[Publish] = true;
    if (step == Publish) m_enabled[Finished] = true;
    return {};
}

QString WebLoad::copyProgram() {
    return copyInto({m_places.program, m_places.desktopEntry, m_places.icon}, m_places.upgradeFolder);
}

QString WebLoad::editGreeting() {
    QFile greeting(greetingFile());
    if (!greeting.exists() && !greeting.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(greeting.fileName(), greeting.errorString());
    greeting.close();
    if (!m_opener(greeting.fileName())) return QStringLiteral("%1 could not be opened.").arg(greeting.fileName());
    return {};
}

// tar writes beside the archive; the finished file replaces the old one whole.
QString WebLoad::buildArchive() {
    QStringList members;
    for (const QString& path : {m_places.program, m_places.desktopEntry, m_places.icon, greetingFile()}) {
        const QString name = QFileInfo(path).fileName();
        if (QFileInfo::exists(QDir(m_places.upgradeFolder).filePath(name))) members << name;
    }
    const QString target = QDir(m_places.upgradeFolder).filePath(archiveName());
    const QString temp = target + QStringLiteral(".part");
    QProcess tar;
    tar.start(QStringLiteral("tar"), QStringList{QStringLiteral("-czf"), temp, QStringLiteral("-C"),
                                                 m_places.upgradeFolder, QStringLiteral("--")} + members);
    if (!tar.waitForFinished(-1) || tar.exitStatus() != QProcess::NormalExit || tar.exitCode() != 0) {
        QFile::remove(temp);
        const QString said = QString::fromLocal8Bit(tar.readAllStandardError()).trimmed();
        return QStringLiteral("The archive %1 could not be built: %2").arg(target, said.isEmpty() ? tar.errorString() : said);
    }
    try {
        commitFile(temp, target);
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

QString WebLoad::publish() {
    return copyInto({QDir(m_places.upgradeFolder).filePath(archiveName())}, m_places.webFolder);
}

}  // namespace vn
