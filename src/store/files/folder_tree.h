#pragma once

#include <QString>

namespace vn {

// The folders and fixed files of an installation, addressed from its base (drive root plus the
// optional company folder). Names are matched without regard to case.
class FolderTree {
public:
    explicit FolderTree(const QString& base);

    static QString stateFolder();  // build setting, "WY" by default
    static QString stateCode();    // the state folder in lower case
    static QString stateName();

    const QString& base() const { return m_base; }
    QString marker() const;           // vn/vn.loc
    QString dataFolder() const;       // vn/<st>
    QString savesFolder() const;      // vn/<st>/Saves
    QString shellsFolder() const;     // vn/<st>/Shells
    QString outputFolder() const;     // vn/<st>/Files
    QString changesFolder() const;    // vn/Changes
    QString newTablesFolder() const;  // VN/NewTables
    QString exchangeFolder() const;   // dataxfer
    QString webFolder() const;        // WebXfer
    QString whatsNewFolder() const;   // Grovanta/WhatsNew
    QString databasePath() const;     // the live database of data set 1
    QString flagFile(const QString& name) const;

    // Creates every folder of the tree that is missing; throws naming the folder it cannot make.
    void createFolders() const;

private:
    QString path(const QString& relative) const;
    QString m_base;
};

}  // namespace vn
