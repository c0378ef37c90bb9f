#pragma once

#include <QLatin1String>

namespace tarvolo {

// The names the windows are registered, shown and unloaded by, in one list:
// a misspelt name is then a compile error, not a window that never opens.
inline constexpr QLatin1String kFrmHoy{"frmHoy"};
inline constexpr QLatin1String kFrmDia{"frmDia"};
inline constexpr QLatin1String kFrmRango{"frmRango"};
inline constexpr QLatin1String kFrmAbout{"frmAbout"};
inline constexpr QLatin1String kFrmSplash{"frmSplash"};

}  // namespace tarvolo
