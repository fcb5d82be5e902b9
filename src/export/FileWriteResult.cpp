#include "export/FileWriteResult.h"

#include <system_error>

namespace cardgen {

std::string FileWriteResult::reason() const {
    return std::generic_category().message(error);
}

} // namespace cardgen
