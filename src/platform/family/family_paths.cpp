#include "platform/family/family_paths.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace vn {

namespace {

QString familyName(const QString& runtimeFolder, const char* suffix) {
    return QDir(runtimeFolder).filePath(QStringLiteral("HLVSoftware-%1.%2").arg(::getuid()).arg(QLatin1String(suffix)));
}

}  // namespace

QString familyRuntimeFolder() {
    // Without a session's runtime folder (a login without a desktop) the lock lives in the
    // temporary folder; its name carries the user.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return QDir::tempPath();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString familyLockPath(const QString& runtimeFolder) { return familyName(runtimeFolder, "lock"); }
QString familySocketPath(const QString& runtimeFolder) { return familyName(runtimeFolder, "sock"); }

}  // namespace vn
