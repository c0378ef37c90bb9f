// Tarvolo: the tray-resident program. Everything happens in frmIni and the
// windows it opens; this only chooses the real services.
#include <QApplication>
#include <cstdio>
#include <string_view>
#include <vector>

#include "calendar/reloj.h"
#include "shell/aplicacion.h"
#include "shell/bandeja_qt.h"
#include "shell/canal_local.h"
#include "shell/frm_ini.h"
#include "shell/instancia_unica.h"
#include "shell/linea_ordenes.h"
#include "shell/mensajes.h"
#include "shell/servicios.h"
#include "shell/temporizador_semana.h"
#include "shell/ventanas.h"
#include "windows/ventanas_programa.h"

int main(int argc, char* argv[]) {
    // Before QApplication, so that they work without a display.
    if (const auto texto = tarvolo::textoDeLaLineaDeOrdenes({argv + 1, argv + argc})) {
        std::fputs(texto->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    tarvolo::prepararAplicacion(app);

    tarvolo::RelojSistema reloj;
    tarvolo::MensajesQt mensajes;
    tarvolo::Ventanas registro;
    tarvolo::Servicios servicios{registro, mensajes, reloj};
    tarvolo::VentanasDelPrograma ventanas(servicios);
    tarvolo::CanalLocal canal(tarvolo::CanalLocal::rutaDeLaSesion());
    if (tarvolo::cederALaQueCorre(canal, servicios)) return 0;
    tarvolo::BandejaQt bandeja;
    tarvolo::frmIni ini(servicios, bandeja);
    // From then on the tooltip and the icon follow the week.
    tarvolo::TemporizadorSemana semana(ini.bandeja(), reloj, tarvolo::temporizadorDelSistema());
    return QApplication::exec();
}
