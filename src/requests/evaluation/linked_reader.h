#pragma once

#include "requests/evaluation/evaluation.h"

namespace vn {

class LinkedValueResolver;

// Linked text fields read as the record screen shows them: through the resolver (borrowed; it
// must outlive the reader). A source that fails while it is read gives the stored value.
LinkedFieldReader linkedFieldReader(LinkedValueResolver& resolver);

}  // namespace vn
