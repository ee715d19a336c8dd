#pragma once

#include <cstdio>
#include <cstdlib>

namespace vn::fuzz {

// A broken invariant is a finding: the target stops so libFuzzer keeps the input.
inline void expect(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "Broken invariant: %s\n", invariant);
    std::abort();
}

}  // namespace vn::fuzz
