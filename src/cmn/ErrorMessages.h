#pragma once

#include <cstdint>
#include <string>

namespace cmn {

// The translated user message of a message-table code, UTF-8. Codes without an entry give
// "Unexpected error: <code>. Please contact our development team.".
std::string GetErrorMessage(std::uint32_t code);

} // namespace cmn
