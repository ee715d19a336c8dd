#include "platform/document_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>

namespace vn {

namespace {

bool isAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^(https?|ftp|mailto|file):"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(text).hasMatch() || text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

// Without a desktop session (the offscreen platform, no application) Qt has no handler to ask.
bool qtOpensAddresses() {
    const QString platform = QGuiApplication::platformName();
    return qGuiApp && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

constexpr int kHandlerWaitMs = 5000;

// The desktop's own opener. It usually hands the address on and ends at once; one that is still
// busy after a moment is left running and counts as having taken the address.
bool openWithXdgOpen(const QUrl& address) {
    const QString text = address.toString(QUrl::FullyEncoded);
    auto* process = new QProcess;
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(QStringLiteral("xdg-open"), {text});
    if (!process->waitForStarted()) {
        qWarning("xdg-open could not be started to open %s: %s", qPrintable(text), qPrintable(process->errorString()));
        delete process;
        return false;
    }
    if (!process->waitForFinished(kHandlerWaitMs)) return true;
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    if (!opened) qWarning("xdg-open could not open %s (exit status %d)", qPrintable(text), process->exitCode());
    process->deleteLater();
    return opened;
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
    if (qtOpensAddresses()) return QDesktopServices::openUrl(plan.address);
    return openWithXdgOpen(plan.address);
}

}  // namespace vn
