#pragma once

#include "lists/definitions/definition_cache.h"

#include <QTextStream>
#include <optional>

namespace vn {

class Session;

// How the commands name a problem in a file: "FILE:LINE: message", or "FILE: message" for line 0.
QString fileProblemText(const QString& path, int line, const QString& message);

// The fields of the list a command names; nothing, told on err, when the data set has no such list.
std::optional<DefinitionCache> commandListFields(Session& session, const QString& code, QTextStream& err);

}  // namespace vn
