#pragma once

#include <string>
#include <string_view>

#include "version/version.h"

namespace tarvolo {

// Program identity, shown in captions, balloons, the About and splash windows
// and the printed footer.
inline constexpr std::string_view kTituloPrograma = "Tarvolo";

inline std::string textoVersion() {
    return std::string(kTextoVersion);
}

}  // namespace tarvolo
