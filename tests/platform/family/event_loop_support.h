#pragma once

#include <functional>

namespace vn::test {

// Sockets and their notifiers need an application object; one per test process.
void ensureCoreApplication();

// Runs a blocking client on its own thread while this thread's event loop keeps serving.
// False when the client did not finish within a generous wait.
bool runOnClientThread(const std::function<void()>& client);

}  // namespace vn::test
