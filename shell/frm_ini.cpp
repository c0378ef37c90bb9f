#include "frm_ini.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>

#include "calendar/semana_epi.h"
#include "error_trap.h"
#include "nombres_ventanas.h"
#include "programa.h"
#include "resources/recursos.h"

namespace tarvolo {

frmIni::frmIni(Servicios& servicios, Bandeja& bandeja, MenuEmergente menuEmergente,
               FinDelPrograma finDelPrograma)
    : servicios_(servicios),
      bandeja_(bandeja),
      menuEmergente_(std::move(menuEmergente)),
      finDelPrograma_(std::move(finDelPrograma)) {
    if (!menuEmergente_) menuEmergente_ = [](QMenu& menu, const QPoint& donde) { menu.exec(donde); };
    if (!finDelPrograma_) finDelPrograma_ = [] { QApplication::exit(0); };
    setObjectName(QStringLiteral("frmIni"));
    setWindowTitle(tituloPrograma());
    setWindowIcon(iconoPrograma());
    // Never shown, so it must not count as a window whose closing quits.
    setAttribute(Qt::WA_QuitOnClose, false);
    crearMenu();

    // At log-off or shut-down the icon leaves first, as with "Salir".
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { descargar(); });
        connect(app, &QCoreApplication::aboutToQuit, this,
                [this] { atrapar(servicios_.mensajes, [this] { Form_QueryUnload(); }); });
    }
    Form_Load();
}

frmIni::~frmIni() = default;

void frmIni::crearMenu() {
    mnuMenu = new QMenu(QStringLiteral("Menu"), this);
    mnuMenu->setObjectName(QStringLiteral("mnuMenu"));
    const auto entrada = [this](const char* nombre, const QString& texto, void (frmIni::*manejador)()) {
        QAction* accion = mnuMenu->addAction(texto);
        accion->setObjectName(QString::fromLatin1(nombre));
        if (manejador != nullptr) connect(accion, &QAction::triggered, this, manejador);
        return accion;
    };
    const auto separador = [this](const char* nombre) {
        mnuMenu->addSeparator()->setObjectName(QString::fromLatin1(nombre));
    };
    entrada("mnuHoy", QStringLiteral("Ver Semana Epidemiológica Actual"), &frmIni::mnuHoy_Click);
    entrada("mnuDia", QStringLiteral("Buscar Semana Epidemiológica por Día"), &frmIni::mnuDia_Click);
    entrada("mnuAnio", QStringLiteral("Ver Semanas Epidemiológicas del Año"), &frmIni::mnuAnio_Click);
    separador("relleno");
    entrada("mnuCancelar", QStringLiteral("Cancelar"), nullptr);  // only closes the menu
    separador("relleno2");
    entrada("mnuAbout", QStringLiteral("Acerca de..."), &frmIni::mnuAbout_Click);
    entrada("mnuExit", QStringLiteral("Salir"), &frmIni::mnuExit_Click);
}

void frmIni::Form_Load() {
    atrapar(servicios_.mensajes, [this] {
        bandeja_.exportarMenu(mnuMenu);
        ast = std::make_unique<AdvSysTray>(bandeja_, servicios_.reloj);
        connect(ast.get(), &AdvSysTray::LButtonUp, this, &frmIni::ast_LButtonUp);
        connect(ast.get(), &AdvSysTray::RButtonUp, this, &frmIni::ast_RButtonUp);
        ast->Create(*this);
        saludar();
        servicios_.ventanas.mostrar(kFrmSplash);
    });
    // Without the notification area nothing could reach the program or end
    // it; it works through its windows instead.
    if (!ast || !ast->registrado()) atrapar(servicios_.mensajes, [this] { mostrarSinBandeja(); });
}

void frmIni::mostrarSinBandeja() {
    sinBandeja_ = true;
    QGuiApplication::setQuitOnLastWindowClosed(true);
    servicios_.ventanas.mostrar(kFrmHoy);
    servicios_.mensajes.mostrar(kTextoSinBandeja);
}

void frmIni::saludar() {
    const auto semana = SemanaEpi(servicios_.reloj.hoy());
    ast->ShowBalloon(QStringLiteral("Semana Epidemiológica Actual: %1").arg(semana),
                     QStringLiteral("Tarvolo Versión %1").arg(textoVersion()), 1);
}

void frmIni::ast_LButtonUp() {
    atrapar(servicios_.mensajes, [this] { saludar(); });
}

void frmIni::ast_RButtonUp() {
    // A tray that shows the published menu itself has it open already.
    if (mnuMenu->isVisible()) return;
    atrapar(servicios_.mensajes, [this] { menuEmergente_(*mnuMenu, QCursor::pos()); });
}

void frmIni::mostrarSolo(const QString& elegida, const QString& otra1, const QString& otra2) {
    servicios_.ventanas.mostrar(elegida);
    servicios_.ventanas.descargar(otra1);
    servicios_.ventanas.descargar(otra2);
}

void frmIni::mnuHoy_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmHoy, kFrmDia, kFrmRango); });
}

void frmIni::mnuDia_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmDia, kFrmRango, kFrmHoy); });
}

void frmIni::mnuAnio_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmRango, kFrmDia, kFrmHoy); });
}

void frmIni::mnuAbout_Click() {
    atrapar(servicios_.mensajes, [this] { servicios_.ventanas.mostrar(kFrmAbout); });
}

void frmIni::mnuExit_Click() {
    atrapar(servicios_.mensajes, [this] { descargar(); });
}

void frmIni::descargar() {
    close();
}

void frmIni::closeEvent(QCloseEvent* evento) {
    // The request is never refused and its reason is not looked at.
    evento->accept();
    if (descargado_) return;
    descargado_ = true;
    atrapar(servicios_.mensajes, [this] { Form_QueryUnload(); });
    atrapar(servicios_.mensajes, [this] { Form_Unload(); });
}

void frmIni::Form_QueryUnload() {
    if (!ast) return;
    ast->Destroy();
    ast.reset();  // its own Destroy finds nothing left to do
}

void frmIni::Form_Unload() {
    // At once: the open windows vanish without their own close handlers.
    servicios_.ventanas.descargarTodas();
    finDelPrograma_();
}

}  // namespace tarvolo
