#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "adv_sys_tray.h"
#include "bandeja.h"
#include "servicios/formulario.h"
#include "servicios/servicios.h"

namespace tarvolo {

// The hidden root of the program: it owns the tray icon, greets, opens the
// windows from the icon's menu and ends the program when it is unloaded.
class frmIni final : public FormularioDe<frmIni> {
public:
    static constexpr std::string_view kTextoSinBandeja =
        "No hay área de notificación: Tarvolo se cerrará al cerrar su última ventana.";

    // `finDelPrograma` ends the program at once.
    frmIni(Servicios& servicios, Bandeja& bandeja, std::function<void()> finDelPrograma);
    ~frmIni() override;

    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_Unload() override;

    void ast_LButtonUp();
    void ast_RButtonUp();
    void mnuHoy_Click();
    void mnuDia_Click();
    void mnuAnio_Click();
    void mnuCanal_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // The tray object while the icon belongs to the program; null after.
    AdvSysTray* bandeja() const { return ast.get(); }
    // True when the program runs without the notification area.
    bool sinBandeja() const { return sinBandeja_; }

    // Unloading frmIni: what "Salir" and the session's end do.
    void descargar();

private:
    void saludar();
    void mostrarSinBandeja();
    // Shows the chosen one of the four main windows and unloads the others.
    void mostrarSolo(std::string_view elegida, std::initializer_list<std::string_view> otras);

    Servicios& servicios_;
    Bandeja& bandeja_;
    std::function<void()> finDelPrograma_;
    std::unique_ptr<AdvSysTray> ast;
    bool sinBandeja_ = false;
};

}  // namespace tarvolo
