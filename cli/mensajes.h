#pragma once

#include <string_view>

namespace tarvolo {

// Every error line of the companion starts with the program's name.
inline constexpr std::string_view kPrefijoError = "tarvolo-cli: ";

}  // namespace tarvolo
