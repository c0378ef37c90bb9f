#pragma once

#include <string>

namespace tarvolo {

// Whether the system has a face of that name, asked once per name.
bool existeCara(const std::wstring& cara);

// The desktop's message face, the plain sans-serif the system itself writes
// in; Arial where the system names none.
std::wstring caraDelSistema();

}  // namespace tarvolo
