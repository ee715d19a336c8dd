#pragma once

#include <memory>

namespace vn {

class DefinitionCache;
class Session;

// The current list's fields: the session's snapshot, unless it belongs to another list.
std::shared_ptr<const DefinitionCache> currentListDefinitions(Session& session);

}  // namespace vn
