#include "InputError.h"

namespace brres {

InputError::InputError(const std::string& message) : std::runtime_error(message) {}

}  // namespace brres
