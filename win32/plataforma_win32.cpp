// The program on Windows's own window system: user32 windows and menus,
// the notification area of shell32, GDI printing, the registry of advapi32,
// the file dialogs of comdlg32.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <memory>

#include "bandeja_win32.h"
#include "bucle_win32.h"
#include "calendar/reloj.h"
#include "canal_instancia_win32.h"
#include "dialogos_win32.h"
#include "hilo_ventanas_win32.h"
#include "impresora_win32.h"
#include "lanzador_win32.h"
#include "mensajes_win32.h"
#include "pantalla_win32.h"
#include "shell/plataforma.h"
#include "temporizador_limite_win32.h"
#include "ventana_oculta.h"

namespace tarvolo {

namespace {

class PlataformaWin32 final : public Plataforma {
public:
    PlataformaWin32() : registro_(registroDelSistema()) {}

    Pantalla& pantalla() override { return pantalla_; }
    Mensajes& mensajes() override { return mensajes_; }
    const Reloj& reloj() override { return reloj_; }
    Bandeja& bandeja() override { return bandeja_; }
    CanalInstancia& canal() override { return canal_; }
    std::unique_ptr<TemporizadorLimite> alarma() override {
        return std::make_unique<TemporizadorLimiteWin32>();
    }
    std::unique_ptr<Impresora> impresora() override { return std::make_unique<ImpresoraWin32>(); }
    Registro& registro() override { return *registro_; }
    Lanzador& lanzador() override { return lanzador_; }
    Dialogos& dialogos() override { return dialogos_; }
    HiloVentanas& hiloVentanas() override { return hilo_; }
    // No PNG writer of the system's is linked in: the chart is saved as SVG.
    EscritorPng escritorPng() override { return {}; }

    int bucle() override {
        MSG m{};
        while (GetMessageW(&m, nullptr, 0, 0) > 0) {
            if (mensajeDeVentanas(m)) continue;
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        return static_cast<int>(m.wParam);
    }
    void terminar() override { PostQuitMessage(0); }
    void alTerminarSesion(std::function<void()> aviso) override { aviso_ = std::move(aviso); }

private:
    // Set up before any window: the month calendar's class and the common
    // controls' version 6 look, which the manifest asks for.
    struct ControlesComunes {
        ControlesComunes() {
            const INITCOMMONCONTROLSEX clases{sizeof(INITCOMMONCONTROLSEX),
                                              ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
            InitCommonControlsEx(&clases);
        }
    } controles_;
    RelojSistema reloj_;
    MensajesWin32 mensajes_;
    PantallaWin32 pantalla_{reloj_};
    BandejaWin32 bandeja_;
    CanalInstanciaWin32 canal_;
    std::unique_ptr<Registro> registro_;
    LanzadorWin32 lanzador_;
    DialogosWin32 dialogos_;
    HiloVentanasWin32 hilo_;
    std::function<void()> aviso_;
    // Log-off and shut-down are told to top-level windows only: a hidden one
    // hears them for the program, and the icon leaves first, as with "Salir".
    VentanaOculta sesion_{L"TarvoloSesion", L"", false, [this](UINT mensaje, WPARAM w, LPARAM) {
                              if (mensaje == WM_ENDSESSION && w != 0 && aviso_) aviso_();
                              return std::optional<LRESULT>{};
                          }};
};

}  // namespace

std::unique_ptr<Plataforma> plataformaDelSistema(int& /*argc*/, char** /*argv*/) {
    return std::make_unique<PlataformaWin32>();
}

}  // namespace tarvolo
