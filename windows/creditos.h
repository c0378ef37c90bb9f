#pragma once

#include <string_view>

namespace tarvolo {

// Who wrote the program and how to reach her, as the About and splash
// windows credit her, and the organisations she wrote it for, as the windows
// and the printed footer name them: her department, its ministry and their
// country.
struct Creditos {
    std::string_view desarrollo, correo;
    std::string_view departamento, ministerio, pais;
};

inline constexpr Creditos kCreditos{.desarrollo = "Desarrollo: Ana Quintanar",
                                    .correo = "ana.quintanar@ordalen.example",
                                    .departamento = "Ordalen",
                                    .ministerio = "Brevanto",
                                    .pais = "Castmara"};

}  // namespace tarvolo
