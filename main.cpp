// Tarvolo: the tray-resident program. Everything happens in frmIni and the
// windows it opens; this only chooses the real services.
#include <QApplication>

#include "calendar/reloj.h"
#include "shell/aplicacion.h"
#include "shell/bandeja_qt.h"
#include "shell/frm_ini.h"
#include "shell/mensajes.h"
#include "shell/servicios.h"
#include "shell/temporizador_semana.h"
#include "shell/ventanas.h"
#include "windows/ventanas_programa.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarvolo::prepararAplicacion(app);

    tarvolo::RelojSistema reloj;
    tarvolo::MensajesQt mensajes;
    tarvolo::Ventanas registro;
    tarvolo::Servicios servicios{registro, mensajes, reloj};
    tarvolo::VentanasDelPrograma ventanas(servicios);
    tarvolo::BandejaQt bandeja;
    tarvolo::frmIni ini(servicios, bandeja);
    // From then on the tooltip and the icon follow the week.
    tarvolo::TemporizadorSemana semana(ini.bandeja(), reloj, tarvolo::temporizadorDelSistema());
    return QApplication::exec();
}
