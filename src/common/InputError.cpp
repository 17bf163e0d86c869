#include "InputError.h"

namespace vantoro {

InputError::InputError(const std::string& message) : std::runtime_error(message) {}

}  // namespace vantoro
