#pragma once

namespace vn {

class DriveMap;
class Session;

// Finds the sibling products' installations and their current data sets, reading only.
void findSiblings(Session& session, const DriveMap& drives);

}  // namespace vn
