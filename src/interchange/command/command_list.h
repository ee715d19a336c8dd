#pragma once

#include "exchange/codec/work_progress.h"
#include "interchange/files/settings_lines.h"
#include "interchange/import/import_plan.h"
#include "lists/definitions/definition_cache.h"

#include <QTextStream>
#include <optional>

namespace vn {

class Session;

// The fields of the list a command names; nothing, told on err, when the data set has no such list.
std::optional<DefinitionCache> commandListFields(Session& session, const QString& code, QTextStream& err);

// An import's plan for the list: keys of this office, every record given page rows up to the
// list's highest defined page.
ImportPlan commandImportPlan(const Session& session, const DefinitionCache& definitions, ImportMapping mapping);

// The exit statuses of a run: done, or refused or failed with nothing changed.
inline constexpr int kCommandDone = 0, kCommandFailed = 1;

// Runs an import (text or table) in one transaction and tells how it ended: the summary on out,
// or the file and the failure on err.
template <typename Run>
int reportImport(Run& run, const QString& file, QTextStream& out, QTextStream& err) {
    if (run.importAll(WorkProgress{}) != WorkEnd::Done) {
        err << fileProblemText(file, 0, run.failure()) << Qt::endl;
        return kCommandFailed;
    }
    out << run.summary().message() << Qt::endl;
    return kCommandDone;
}

}  // namespace vn
