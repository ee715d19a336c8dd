#include "platform/document_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace vn {

namespace {

bool isAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^(https?|ftp|mailto|file):"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(text).hasMatch() || text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

}  // namespace

OpenPlan planOpen(const QString& fileOrAddress, const QString& parameters, const QString& folder) {
    OpenPlan plan;
    plan.folder = folder;
    if (isAddress(fileOrAddress)) {
        plan.address = QUrl::fromUserInput(fileOrAddress);
        return plan;
    }
    const QString path = folder.isEmpty() || QDir::isAbsolutePath(fileOrAddress)
                             ? fileOrAddress
                             : QDir(folder).filePath(fileOrAddress);
    const QFileInfo info(path);
    if (!parameters.isEmpty() || (info.isFile() && info.isExecutable())) {
        plan.kind = OpenPlan::Kind::Program;
        plan.program = path;
        plan.arguments = QProcess::splitCommand(parameters);
        return plan;
    }
    plan.address = QUrl::fromLocalFile(info.absoluteFilePath());
    return plan;
}

bool OpenDocument(const QString& fileOrAddress, const QString& parameters, const QString& folder, ShowMode) {
    const OpenPlan plan = planOpen(fileOrAddress, parameters, folder);
    if (plan.kind == OpenPlan::Kind::Program) return QProcess::startDetached(plan.program, plan.arguments, plan.folder);
    return QDesktopServices::openUrl(plan.address);
}

}  // namespace vn
