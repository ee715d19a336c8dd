#include "interchange/tables/child/child_table.h"

#include "interchange/tables/child/table_child.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vn {

namespace {

using Step = table_frame::Parser::Step;

QString cannotRead(const QString& path, const QString& why) {
    return QStringLiteral("The file \"%1\" cannot be read: %2.").arg(QDir::toNativeSeparators(path), why);
}

// The program itself: the command line runs before there is an application object to ask.
QString thisProgram() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

}  // namespace

ChildTable::ChildTable(const ChildTableRequest& request) : request_(request), process_(std::make_unique<QProcess>()) {}

ChildTable::~ChildTable() { stop(); }

std::unique_ptr<ChildTable> ChildTable::open(const ChildTableRequest& request, ForeignProblem& problem) {
    std::unique_ptr<ChildTable> table(new ChildTable(request));
    QStringList arguments{QString::fromLatin1(kReadTableOption), request.kind, request.path};
    if (!request.table.isEmpty()) arguments << request.table;
    const QString program = request.program.isEmpty() ? thisProgram() : request.program;
    table->process_->setStandardErrorFile(QProcess::nullDevice());
    table->process_->start(program, arguments, QIODevice::ReadOnly);
    if (!table->process_->waitForStarted()) {
        problem.message = cannotRead(request.path, QStringLiteral("its reader could not be started (%1)")
                                                       .arg(table->process_->errorString()));
        return nullptr;
    }
    const Step first = table->nextFrame();
    if (first == Step::Table) return table;
    problem.message = first == Step::Problem ? table->parser_.what() : table->failure_;
    return nullptr;
}

bool ChildTable::nextRow(QStringList& values, ForeignProblem& problem) {
    if (done_) return false;
    const Step step = nextFrame();
    if (step == Step::Row) {
        values = parser_.row();
        return true;
    }
    done_ = true;
    if (step == Step::End) {
        // The rows count only when the child also ended well.
        const bool ended = process_->state() == QProcess::NotRunning ||
                           process_->waitForFinished(request_.silenceSeconds * 1000);
        if (!ended || process_->exitStatus() != QProcess::NormalExit || process_->exitCode() != 0)
            problem.message = childFailure();
        return false;
    }
    problem.message = step == Step::Problem ? parser_.what() : failure_;
    return false;
}

// The next whole frame; on any failure of the child failure_ says what, and the child is stopped.
Step ChildTable::nextFrame() {
    for (;;) {
        const Step step = parser_.next();
        if (step == Step::Damaged) {
            failure_ = cannotRead(request_.path, QStringLiteral("its reader sent damaged data (%1)").arg(parser_.what()));
            stop();
        }
        if (step != Step::NeedMore) return step;
        if (process_->bytesAvailable() == 0 && !process_->waitForReadyRead(request_.silenceSeconds * 1000) &&
            process_->bytesAvailable() == 0) {
            failure_ = childFailure();
            stop();
            return Step::Damaged;
        }
        parser_.append(process_->readAllStandardOutput());
    }
}

QString ChildTable::childFailure() {
    if (process_->state() != QProcess::NotRunning)
        return cannotRead(request_.path, QStringLiteral("its reader sent nothing for %1 seconds").arg(request_.silenceSeconds));
    if (process_->exitStatus() == QProcess::CrashExit)
        return cannotRead(request_.path, QStringLiteral("its reader stopped unexpectedly"));
    if (process_->exitCode() != 0)
        return cannotRead(request_.path, QStringLiteral("its reader ended with the status %1").arg(process_->exitCode()));
    return cannotRead(request_.path, QStringLiteral("its reader's answer ended early"));
}

void ChildTable::stop() {
    if (process_->state() == QProcess::NotRunning) return;
    process_->kill();
    process_->waitForFinished(5000);
}

}  // namespace vn
