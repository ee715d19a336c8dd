#pragma once

#include <memory>

namespace vn {

class DefinitionCache;
class Session;

// The current list's fields: as the record entry window left them when they are that list's,
// otherwise read again.
std::shared_ptr<const DefinitionCache> currentDefinitions(Session& session);

}  // namespace vn
