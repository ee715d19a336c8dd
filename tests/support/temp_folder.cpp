#include "support/temp_folder.h"

#include <stdexcept>

namespace vn::test {

TempFolder::TempFolder() {
    if (!m_dir.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

}  // namespace vn::test
