#pragma once

#include <string_view>

namespace tarvolo {

// The names the forms are registered, shown and unloaded by, in one list:
// a misspelt name is then a compile error, not a window that never opens.
inline constexpr std::string_view kFrmIni = "frmIni";
inline constexpr std::string_view kFrmHoy = "frmHoy";
inline constexpr std::string_view kFrmDia = "frmDia";
inline constexpr std::string_view kFrmRango = "frmRango";
inline constexpr std::string_view kFrmCanal = "frmCanal";
inline constexpr std::string_view kFrmAbout = "frmAbout";
inline constexpr std::string_view kFrmSplash = "frmSplash";

}  // namespace tarvolo
