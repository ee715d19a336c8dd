#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vn {

// Where the deployment steps read and write.
struct WebLoadPlaces {
    QString program;        // the running program file
    QString desktopEntry;   // its .desktop entry
    QString icon;           // its icon
    QString upgradeFolder;  // the state's upgrade folder
    QString webFolder;      // the web publishing folder
    QString stateCode;      // "wy": names the archive
};

// The folders of the build (defaults under the base), each overridden by an environment
// variable: VARNEDO_UPGRADES_DIR (the state folder goes below it) and VARNEDO_WEB_PUBLISH_DIR.
QString upgradeFolderFor(const QString& base, const QString& stateFolder);
QString webPublishFolderFor(const QString& base);

// The deployment of a new program version, step by step; each step is enabled by the one
// before and a failed step says why and enables nothing.
class WebLoad {
public:
    enum Step { CopyProgram, EditGreeting, BuildArchive, Publish, Finished, StepCount };

    using Opener = std::function<bool(const QString& file)>;

    WebLoad(WebLoadPlaces places, Opener opener);

    static QStringList stepCaptions();
    QString archiveName() const;  // "wyupgrade.tar.gz"
    QString greetingFile() const;

    void open();  // only the first step enabled
    bool enabled(Step step) const { return m_enabled[step]; }
    // Runs a step; the error, empty when it succeeded.
    QString run(Step step);

private:
    QString copyProgram();
    QString editGreeting();
    QString buildArchive();
    QString publish();

    WebLoadPlaces m_places;
    Opener m_opener;
    bool m_enabled[StepCount] = {};
};

}  // namespace vn
