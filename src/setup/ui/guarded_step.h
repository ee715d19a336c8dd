#pragma once

#include "platform/prompter.h"
#include "store/engine/store_error.h"

namespace vn {

// Runs one user step; a table failure is shown, never left to end the program.
template <typename Step>
void runGuarded(Prompter& prompter, Step&& step) {
    try {
        step();
    } catch (const StoreError& e) {
        prompter.error(e.message());
    }
}

}  // namespace vn
