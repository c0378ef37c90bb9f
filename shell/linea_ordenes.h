#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// The tray program's only options: `--help` and `--version` print their text
// and end it before any window or icon exists. Any other command line is
// ignored and the program starts as usual (nullopt).
std::optional<std::string> textoDeLaLineaDeOrdenes(const std::vector<std::string_view>& argumentos);

}  // namespace tarvolo
