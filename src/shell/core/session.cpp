#include "shell/core/session.h"

#include "store/catalogue/slots.h"
#include "store/program_version.h"

#include "platform/path_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

Session::Session(const QString& base, Prompter& p)
    : folders(base), prompter(p), log(QDir(folders.dataFolder()).filePath(QStringLiteral("ProgressLog.Txt"))),
      access(catalogue, p) {
    identity.stateName = FolderTree::stateName();
    identity.stateCode = FolderTree::stateCode();
    const char* const products[] = {"Grovanta", "Pavilo", "KOVRA"};
    for (size_t i = 0; i < siblings.size(); ++i) siblings[i].product = QString::fromLatin1(products[i]);
}

QString Session::title() const {
    return identity.stateName + QStringLiteral("  ") + identity.installationName + QStringLiteral("  Varnedo  [") +
           QString::fromLatin1(kProgramVersion) + QStringLiteral("]  ");
}

namespace {

constexpr int kTitleField = 1;

}  // namespace

void reloadListCodes(Session& session) {
    // Every list, however many: a list left out of this array could never be chosen.
    session.listCodes = session.access.KeysWithPrefix(kListSlot, QString());
}

QStringList ListEntries(Session& session) {
    QStringList entries;
    for (const QString& code : session.listCodes)
        if (session.access.FindRecord(kListSlot, code))
            entries << code + QStringLiteral("  ") + session.access.GetFieldText(kListSlot, kTitleField);
    return entries;
}

QString menuPicture(const Session& session, int screen) {
    if (!session.settings.menuImages || screen < 1 || screen > session.settings.menuImageNames.size()) return {};
    const QString name = session.settings.menuImageNames.at(screen - 1);
    if (name.isEmpty()) return {};
    const QString path = resolvePath(session.folders.dataFolder(), name);
    return QFileInfo(path).isFile() ? path : QString();
}

QString runMarkerPath(const Session& session) {
    return QDir(session.folders.dataFolder()).filePath(QStringLiteral("Varnedo.run"));
}

}  // namespace vn
