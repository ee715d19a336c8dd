#pragma once

#include "store/engine/store_error.h"

namespace vn {

// A sibling's file is read while a record opens: a file that fails while it is read leaves the
// record's values as stored, as an absent one does, instead of stopping the opening.
template <typename Read>
auto readQuietly(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const StoreError&) {
        return std::nullopt;
    }
}

}  // namespace vn
