// Tarvolo: the tray-resident program. Everything happens in frmIni and the
// windows it opens; this only hands the command line over and picks the
// system's platform.
#include <cstdio>
#include <string_view>
#include <vector>

#include "shell/linea_ordenes.h"
#include "shell/plataforma.h"

int main(int argc, char* argv[]) {
    // Before any window system, so that they work without a display.
    if (const auto texto = tarvolo::textoDeLaLineaDeOrdenes({argv + 1, argv + argc})) {
        std::fputs(texto->c_str(), stdout);
        return 0;
    }
    const auto plataforma = tarvolo::plataformaDelSistema(argc, argv);
    return tarvolo::arrancar(*plataforma);
}
