#pragma once

namespace vn {

class Session;

// Reads the session's settings again after a setting was changed. Unlike the start's reading it
// writes nothing: no new start is counted and no missing row is created.
void reloadSettings(Session& session);

}  // namespace vn
