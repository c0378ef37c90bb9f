#pragma once

#include <QMenu>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "adv_sys_tray.h"
#include "bandeja.h"
#include "servicios.h"

class QAction;
class QCloseEvent;

namespace tarvolo {

// The hidden root of the program: it owns the tray icon, greets, opens the
// windows from the icon's menu and ends the program when it is unloaded.
class frmIni : public QWidget {
    Q_OBJECT
public:
    // Pops the menu up at a point; the chosen entry triggers its action.
    using MenuEmergente = std::function<void(QMenu& menu, const QPoint& donde)>;
    using FinDelPrograma = std::function<void()>;

    static inline const QString kTextoSinBandeja =
        QStringLiteral("No hay área de notificación: Tarvolo se cerrará al cerrar su última ventana.");

    // Loading the form runs Form_Load. By default the menu pops up with
    // QMenu::exec and the end of the program is QApplication::exit(0).
    frmIni(Servicios& servicios, Bandeja& bandeja, MenuEmergente menuEmergente = {},
           FinDelPrograma finDelPrograma = {});
    ~frmIni() override;

    AdvSysTray* bandeja() const { return ast.get(); }
    QMenu* menu() const { return mnuMenu; }
    // True when the program runs without the notification area.
    bool sinBandeja() const { return sinBandeja_; }

    // Unloading frmIni: what "Salir" and the session's end do.
    void descargar();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();
    void ast_LButtonUp();
    void ast_RButtonUp();
    void mnuHoy_Click();
    void mnuDia_Click();
    void mnuAnio_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    void crearMenu();
    void saludar();
    void mostrarSinBandeja();
    // Shows the chosen one of the three main windows and unloads the others.
    void mostrarSolo(const QString& elegida, const QString& otra1, const QString& otra2);

    Servicios& servicios_;
    Bandeja& bandeja_;
    MenuEmergente menuEmergente_;
    FinDelPrograma finDelPrograma_;
    std::unique_ptr<AdvSysTray> ast;
    QMenu* mnuMenu = nullptr;
    bool sinBandeja_ = false;
    bool descargado_ = false;
};

}  // namespace tarvolo
