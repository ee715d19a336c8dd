#pragma once

#include "interchange/files/settings_lines.h"
#include "lists/definitions/definition_cache.h"

#include <QTextStream>
#include <optional>

namespace vn {

class Session;

// The fields of the list a command names; nothing, told on err, when the data set has no such list.
std::optional<DefinitionCache> commandListFields(Session& session, const QString& code, QTextStream& err);

}  // namespace vn
