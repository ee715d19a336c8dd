#include "requests/merge/word_processor.h"

#include "platform/drive_map.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vn {

bool startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString wordProcessorProgram(const QString& setting, const DriveMap& drives) {
    const QString named = setting.trimmed();
    if (named.isEmpty()) return {};
    const QString path = drives.resolve(named);
    if (!path.contains(u'/')) return QStandardPaths::findExecutable(path);
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

bool openInWordProcessor(const QString& program, const QString& path, const StartProgram& start,
                         const OpenOnDesktop& openOnDesktop) {
    if (!program.isEmpty()) return start && start(program, {path});
    return openOnDesktop && openOnDesktop(path);
}

}  // namespace vn
