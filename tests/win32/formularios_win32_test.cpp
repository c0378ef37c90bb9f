// The program's windows on the Win32 back end, under Wine in the Windows
// test run: made as designed, and their events routed through Ventanas as a
// user's keys, clicks and menus bring them.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "calendar/dias.h"
#include "calendar/error_ejecucion.h"
#include "falsos/bandeja_grabada.h"
#include "falsos/entorno.h"
#include "shell/frm_ini.h"
#include "shell/nombres_ventanas.h"
#include "win32/bucle_win32.h"
#include "win32/hilo_ventanas_win32.h"
#include "win32/mensajes_win32.h"
#include "win32/pantalla_win32.h"
#include "win32/texto_utf16.h"

namespace tarvolo::prueba {
namespace {

using Textos = std::vector<std::string>;

int pixeles(int twips) {
    HDC pantalla = GetDC(nullptr);
    const int dpi = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return MulDiv(twips, dpi, 1440);
}

RECT enPadre(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string textoDe(HWND hwnd) {
    std::wstring texto(512, L'\0');
    texto.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, texto.data(), 512)));
    return utf8DeUtf16(texto);
}

// The id of a menu entry, looked for by its caption on the bar and in its
// menus; 0 if there is none.
UINT idDeEntrada(HMENU menu, const std::wstring& texto) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t leido[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), leido, 64, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (const UINT id = idDeEntrada(sub, texto)) return id;
        } else if (texto == leido) {
            return GetMenuItemID(menu, i);
        }
    }
    return 0;
}

class FormulariosWin32 : public EntornoDe<PantallaWin32> {
protected:
    ~FormulariosWin32() override { ventanas.descargarTodas(); }

    HWND abrir(std::string_view nombre) {
        ventanas.mostrar(nombre);
        atenderMensajes();
        return hwnd(nombre);
    }
    HWND hwnd(std::string_view nombre) const {
        const Formulario* f = ventanas.abierta(nombre);
        return f == nullptr ? nullptr : PantallaWin32::ventana(f->ventana());
    }
    HWND control(std::string_view forma, std::string_view nombre) const {
        return PantallaWin32::control(ventanas.abierta(forma)->ventana(), nombre);
    }
};

// A window's frame: resizable, with a close box, and in the task bar (an
// owned window is not).
struct Marcos {
    const char* forma;
    bool redimensionable, botonCerrar, enBarra;
};

void PrintTo(const Marcos& m, std::ostream* os) {
    *os << m.forma;
}

class Lugares : public FormulariosWin32, public ::testing::WithParamInterface<Marcos> {};

// Every control whose size is the designed one (not a label sized to its
// text) is where the design puts it, inside
// the frame it belongs to, and the inner area is the designed one.
TEST_P(Lugares, TheFrameControlsAndAreaAreAsDesigned) {
    const HWND w = abrir(GetParam().forma);
    const auto estilo = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_EQ((estilo & WS_THICKFRAME) != 0, GetParam().redimensionable);
    EXPECT_EQ((estilo & WS_SYSMENU) != 0, GetParam().botonCerrar);
    EXPECT_EQ(GetWindow(w, GW_OWNER) == nullptr, GetParam().enBarra);
    EXPECT_TRUE(estilo & WS_CAPTION);
    const DisenoVentana& d = ventanas.abierta(GetParam().forma)->diseno();
    RECT cliente{};
    GetClientRect(w, &cliente);
    EXPECT_EQ(cliente.right, pixeles(d.ancho));
    EXPECT_EQ(cliente.bottom, pixeles(d.alto));
    int vistos = 0;
    for (const Control& c : d.controles) {
        // Pictures are painted by what holds them, not windows of their own.
        const bool sinVentana = c.clase == Clase::Temporizador || c.clase == Clase::Imagen;
        const bool tamanoPropio = c.clase == Clase::Etiqueta && (c.estilo & kAutoajuste) != 0U;
        if (sinVentana || tamanoPropio || (c.estilo & kOculto) != 0U) continue;
        SCOPED_TRACE(c.nombre);
        const HWND h = control(GetParam().forma, c.nombre);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GetParent(h), c.dentro.empty() ? w : control(GetParam().forma, c.dentro));
        const RECT r = enPadre(h);
        EXPECT_EQ(r.left, pixeles(c.lugar.izquierda));
        EXPECT_EQ(r.top, pixeles(c.lugar.arriba));
        EXPECT_EQ(r.right - r.left, pixeles(c.lugar.ancho));
        EXPECT_EQ(r.bottom - r.top, pixeles(c.lugar.alto));
        ++vistos;
    }
    EXPECT_GE(vistos, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Formularios, Lugares,
    ::testing::Values(Marcos{"frmHoy", true, true, true}, Marcos{"frmDia", true, true, true},
                      Marcos{"frmRango", false, true, true}, Marcos{"frmCanal", false, true, true},
                      Marcos{"frmAbout", false, true, false}, Marcos{"frmSplash", false, false, false}));

struct TextoMostrado {
    const char* forma;
    const char* control;
    const char* texto;
};

TEST_F(FormulariosWin32, ControlsShowTheirDesignedAndLoadedTexts) {
    const TextoMostrado kTextos[] = {
        {"frmHoy", "cmdAceptar", "&Aceptar"},
        {"frmDia", "Label4", "Año"},
        {"frmDia", "txtDia", "5"},
        {"frmDia", "txtAnio", "2005"},
        {"frmRango", "cboSem", "Semanas"},
        {"frmRango", "cmdPrint", "Imprimir"},  // a picture button's name for screen readers
        {"frmAbout", "lblTitle", "Tarvolo"},
        {"frmAbout", "cmdSysInfo", "&Información..."},
        {"frmSplash", "Label1", "Semanas Epidemiológicas"},
        {"frmSplash", "lblVersion", "Versión 1.3.2"},
    };
    for (const TextoMostrado& t : kTextos) {
        SCOPED_TRACE(std::string(t.forma) + "." + t.control);
        abrir(t.forma);
        EXPECT_EQ(textoDe(control(t.forma, t.control)), t.texto);
    }
    EXPECT_EQ(textoDe(hwnd("frmAbout")), "Acerca de Tarvolo");
    // A box comes right after the label that names it, where screen readers look.
    EXPECT_EQ(GetWindow(control("frmDia", "txtAnio"), GW_HWNDPREV), control("frmDia", "Label4"));
    EXPECT_EQ(GetWindow(control("frmRango", "cboSem"), GW_HWNDPREV), control("frmRango", "Label2"));
    EXPECT_TRUE(textoDe(control("frmHoy", "lblSemana")).starts_with("El sábado 05 de marzo de 2005\r\n"));
}

// A right-aligned label sized to its text keeps its right edge: the
// version, longer than the designed caption, grows to the left.
TEST_F(FormulariosWin32, ASplashLabelSizedToItsTextGrowsLeftwards) {
    abrir("frmSplash");
    const HWND etiqueta = control("frmSplash", "lblVersion");
    HDC dc = GetDC(etiqueta);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(etiqueta, WM_GETFONT, 0, 0)));
    const auto ancho = [&](const wchar_t* texto) {
        SIZE s{};
        GetTextExtentPoint32W(dc, texto, static_cast<int>(wcslen(texto)), &s);
        return s.cx;
    };
    const LONG designado = ancho(L"Versión"), cargado = ancho(L"Versión 1.3.2");
    ReleaseDC(etiqueta, dc);
    const RECT r = enPadre(etiqueta);
    EXPECT_EQ(r.right - r.left, cargado);
    EXPECT_EQ(r.right, pixeles(6000) + designado);
    EXPECT_EQ(r.top, pixeles(3300));
}

// The endemic channel's window with the real windows' thread: the reading
// runs on a thread of its own and its result comes back through the loop.
class CanalWin32 : public ::testing::Test {
protected:
    CanalWin32() {
        wchar_t temporal[MAX_PATH];
        carpeta_ = utf8DeUtf16(std::wstring_view(temporal, GetTempPathW(MAX_PATH, temporal))) + "Canal " +
                   std::to_string(GetCurrentProcessId());
        CreateDirectoryW(utf16DeUtf8(carpeta_).c_str(), nullptr);
    }
    ~CanalWin32() override {
        ventanas.descargarTodas();
        DeleteFileW(utf16DeUtf8(lista()).c_str());
        RemoveDirectoryW(utf16DeUtf8(carpeta_).c_str());
    }
    std::string lista() const { return carpeta_ + "\\casos de señal.csv"; }
    HWND control(std::string_view nombre) const {
        return PantallaWin32::control(ventanas.abierta("frmCanal")->ventana(), nombre);
    }

    // Monday 14 December 2026, in week 50, which has no cases yet: week 49
    // (6 to 12 December) is the last with cases.
    RelojFijo reloj{2026y / std::chrono::December / 14};
    MensajesGrabados mensajes;
    PantallaWin32 pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    RegistroFalso registro;
    LanzadorFalso lanzador;
    DialogosFalsos dialogos;
    HiloVentanasWin32 hilo;
    std::vector<std::string> llamadas;
    VentanasDelPrograma programa{servicios, [this] { return std::make_unique<ImpresoraGrabada>(llamadas); },
                                 registro, lanzador, ServiciosCanal{dialogos, hilo, {}}};

private:
    std::string carpeta_;
};

// A case list as a spreadsheet exports it: week 49 of 2021 to 2025 with 10,
// 20, 30, 40 and 50 cases (quartiles 20, 30 and 40), and 37 cases in week
// 49 of 2026, between the median and the third quartile.
std::string listaDeCasos() {
    std::string csv = "id;fecha_inicio\r\n";
    int id = 0;
    const auto casos = [&](int anio, int cuantos) {
        // The Tuesday of week 49.
        const std::chrono::year_month_day dia{domingoDeSemana1(anio) + std::chrono::days{48 * 7 + 2}};
        char fecha[32];
        std::snprintf(fecha, sizeof fecha, "%02u/%02u/%d 12:30:00", static_cast<unsigned>(dia.day()),
                      static_cast<unsigned>(dia.month()), static_cast<int>(dia.year()));
        for (int i = 0; i < cuantos; ++i) csv += std::to_string(++id) + ";" + fecha + "\r\n";
    };
    for (int anio = 2021; anio <= 2025; ++anio) casos(anio, 10 * (anio - 2020));
    casos(2026, 37);
    return csv;
}

TEST_F(CanalWin32, MostrarReadsOffTheWindowsThreadAndEndsWithTheVerdictAnErrorKeepsIt) {
    { std::ofstream(std::filesystem::path(utf16DeUtf8(lista())), std::ios::binary) << listaDeCasos(); }
    ventanas.mostrar("frmCanal");
    atenderMensajes();
    EXPECT_EQ(textoDe(control("txtAnio")), "2026");
    EXPECT_EQ(textoDe(control("txtHistoria")), "5");
    EXPECT_EQ(textoDe(control("cboMetodo")), "Cuartiles");
    // As the user would: the path typed, Mostrar clicked.
    SetWindowTextW(control("txtArchivo"), utf16DeUtf8(lista()).c_str());
    SendMessageW(control("cmdMostrar"), BM_CLICK, 0, 0);
    const HWND veredicto = control("lblVeredicto");
    // The answer comes through the loop only, so this is still the wait.
    EXPECT_EQ(textoDe(veredicto), "Calculando el canal endémico de «casos de señal.csv»...");
    const std::string esperado = "Semana 49 (06/12/2026 al 12/12/2026): 37 casos, zona de alerta";
    ASSERT_TRUE(atenderHasta([&] { return !textoDe(veredicto).starts_with("Calculando"); }, 120s))
        << textoDe(veredicto);
    EXPECT_EQ(textoDe(veredicto), esperado);
    EXPECT_TRUE(mensajes.textos.empty());

    // A file that is not there: the companion's message, and the verdict stays.
    SetWindowTextW(control("txtArchivo"), utf16DeUtf8(lista() + ".no").c_str());
    SendMessageW(control("cmdMostrar"), BM_CLICK, 0, 0);
    ASSERT_TRUE(atenderHasta([&] { return !mensajes.textos.empty(); }, 120s));
    EXPECT_NE(mensajes.textos.front().find("casos de señal.csv.no"), std::string::npos)
        << mensajes.textos.front();
    ASSERT_TRUE(atenderHasta([&] { return textoDe(veredicto) == esperado; }, 120s)) << textoDe(veredicto);
}

struct Ruta {
    const wchar_t* entrada;
    Textos quedan;
};

void PrintTo(const Ruta& r, std::ostream* os) {
    *os << utf8DeUtf16(r.entrada);
}

class MenuDeHoy : public FormulariosWin32, public ::testing::WithParamInterface<Ruta> {};

TEST_P(MenuDeHoy, AnEntryLeavesTheRightWindows) {
    const HWND hoy = abrir("frmHoy");
    const UINT id = idDeEntrada(GetMenu(hoy), GetParam().entrada);
    ASSERT_NE(id, 0U);
    SendMessageW(hoy, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    atenderMensajes();
    EXPECT_EQ(cargadas(), GetParam().quedan);
    const bool sigue =
        std::find(GetParam().quedan.begin(), GetParam().quedan.end(), "frmHoy") != GetParam().quedan.end();
    EXPECT_EQ(IsWindow(hoy) != 0, sigue);
    EXPECT_TRUE(mensajes.textos.empty());
}

INSTANTIATE_TEST_SUITE_P(Rutas, MenuDeHoy,
                         ::testing::Values(Ruta{L"&Salir", {}}, Ruta{L"Por A&ño", {"frmRango"}},
                                           Ruta{L"&Por Día", {"frmDia"}},
                                           Ruta{L"A&cerca de...", {"frmHoy", "frmAbout"}}));

// frmIni with a tray in memory; its icon's menu pops up at a right click.
class FrmIniWin32 : public FormulariosWin32 {
protected:
    FrmIniWin32() {
        ventanas.registrar(
            kFrmIni, [this] { return std::make_unique<frmIni>(servicios, bandeja, [this] { ++finales; }); });
        ventanas.mostrar(kFrmIni);
        ventanas.descargar(kFrmSplash);
        atenderMensajes();
    }
    ~FrmIniWin32() override { ventanas.descargarTodas(); }

    BandejaGrabada bandeja;
    int finales = 0;
};

struct Eleccion {
    int abajo;  // the user's presses of the down key before Enter
    Textos quedan;
    int finales = 0;
};

void PrintTo(const Eleccion& e, std::ostream* os) {
    *os << e.abajo << " abajo";
}

class MenuDeIni : public FrmIniWin32, public ::testing::WithParamInterface<Eleccion> {};

TEST_P(MenuDeIni, TheIconsMenuShowsTheChosenWindow) {
    const HWND ini = hwnd(kFrmIni);
    ASSERT_NE(ini, nullptr);
    EXPECT_FALSE(IsWindowVisible(ini));
    for (int i = 0; i < GetParam().abajo; ++i) PostMessageW(ini, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(ini, WM_KEYDOWN, VK_RETURN, 1);
    bandeja.inyectar(0x205);  // the right button, released over the icon
    atenderMensajes();
    EXPECT_EQ(cargadas(), GetParam().quedan);
    EXPECT_EQ(finales, GetParam().finales);
    EXPECT_EQ(ventanas.abierta(kFrmIni) == nullptr, GetParam().finales == 1);
    EXPECT_TRUE(mensajes.textos.empty());
}

INSTANTIATE_TEST_SUITE_P(Tabla, MenuDeIni,
                         ::testing::Values(Eleccion{1, {"frmHoy"}}, Eleccion{2, {"frmDia"}},
                                           Eleccion{3, {"frmRango"}}, Eleccion{4, {"frmCanal"}},
                                           Eleccion{5, {}}, Eleccion{6, {"frmAbout"}}, Eleccion{7, {}, 1}));

TEST_F(FormulariosWin32, TheSplashClosesWhenItsTimerFires) {
    const auto antes = std::chrono::steady_clock::now();
    const HWND splash = abrir("frmSplash");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_TRUE(atenderHasta([&] { return ventanas.abierta("frmSplash") == nullptr; }, 6s));
    EXPECT_GE(std::chrono::steady_clock::now() - antes, 2900ms);
    EXPECT_FALSE(IsWindow(splash));
}

// The ways a window closes besides its own buttons: a key on the splash,
// which sees keys first; Esc on the About box; a click on the splash's
// frame; the close box, which unloads the form and destroys its window.
struct Cierre {
    const char* forma;
    const char* control;  // what gets the message; null: the focus, or else the window
    UINT mensaje;
    WPARAM parametro;
};

TEST_F(FormulariosWin32, KeysTheFrameAndTheCloseBoxClose) {
    const Cierre kCierres[] = {{"frmSplash", nullptr, WM_KEYDOWN, 'A'},
                               {"frmAbout", nullptr, WM_KEYDOWN, VK_ESCAPE},
                               {"frmSplash", "Frame1", WM_LBUTTONUP, 0},
                               {"frmHoy", nullptr, WM_CLOSE, 0}};
    for (const Cierre& c : kCierres) {
        SCOPED_TRACE(c.forma);
        const HWND w = abrir(c.forma);
        HWND destino = c.control != nullptr ? control(c.forma, c.control) : GetFocus();
        if (c.mensaje == WM_CLOSE || destino == nullptr) destino = w;
        PostMessageW(destino, c.mensaje, c.parametro, 0);
        atenderMensajes();
        EXPECT_EQ(ventanas.abierta(c.forma), nullptr);
        EXPECT_FALSE(IsWindow(w));
    }
    // A label in the frame takes its click itself, and a click on a picture
    // in it stays there: neither closes anything.
    abrir("frmSplash");
    const HWND etiqueta = control("frmSplash", "Label1");
    EXPECT_EQ(SendMessageW(etiqueta, WM_NCHITTEST, 0, 0), HTCLIENT);
    PostMessageW(etiqueta, WM_LBUTTONUP, 0, 0);
    const LPARAM sobrePicture3 = MAKELPARAM(pixeles(120 + 3750 / 2), pixeles(120 + 1095 / 2));
    PostMessageW(control("frmSplash", "Frame1"), WM_LBUTTONUP, 0, sobrePicture3);
    atenderMensajes();
    EXPECT_NE(ventanas.abierta("frmSplash"), nullptr);
}

// The date lookup window: the user's typing re-evaluates the date, and a
// day picked in the calendar fills the boxes.
TEST_F(FormulariosWin32, TypingADayAndPickingOneInTheCalendar) {
    abrir("frmDia");
    Calendario& calendario = ventanas.abierta("frmDia")->ventana().calendario("Calendar1");
    EXPECT_EQ(calendario.valor(), 2005y / std::chrono::March / 5);
    const HWND dia = control("frmDia", "txtDia");
    SetFocus(dia);
    SendMessageW(dia, EM_SETSEL, 0, -1);
    for (const wchar_t c : {L'1', L'2'}) SendMessageW(dia, WM_CHAR, c, 1);
    EXPECT_EQ(calendario.valor(), 2005y / std::chrono::March / 12);

    // A click on the 23rd of the month shown.
    const HWND mes = control("frmDia", "Calendar1");
    RECT r{};
    GetClientRect(mes, &r);
    std::optional<POINT> sobreEl23;
    for (LONG y = 0; y < r.bottom && !sobreEl23; y += 2) {
        for (LONG x = 0; x < r.right && !sobreEl23; x += 2) {
            MCHITTESTINFO prueba{};
            prueba.cbSize = sizeof prueba;
            prueba.pt = {x, y};
            SendMessageW(mes, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&prueba));
            if (prueba.uHit == MCHT_CALENDARDATE && prueba.st.wDay == 23 && prueba.st.wMonth == 3)
                sobreEl23 = prueba.pt;
        }
    }
    ASSERT_TRUE(sobreEl23.has_value());
    SendMessageW(mes, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(sobreEl23->x, sobreEl23->y));
    SendMessageW(mes, WM_LBUTTONUP, 0, MAKELPARAM(sobreEl23->x, sobreEl23->y));
    atenderMensajes();
    EXPECT_EQ(textoDe(dia), "23");
    EXPECT_EQ(textoDe(control("frmDia", "txtMes")), "3");
    EXPECT_EQ(calendario.valor(), 2005y / std::chrono::March / 23);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FormulariosWin32, TheCalendarRefusesDatesItCannotShowAndAValueSetIsNoClick) {
    abrir("frmDia");
    Calendario& calendario = ventanas.abierta("frmDia")->ventana().calendario("Calendar1");
    const Fecha kRechazadas[] = {1752y / std::chrono::September / 13, 1700y / std::chrono::January / 1,
                                 2005y / std::chrono::February / 30, 10000y / std::chrono::January / 1};
    for (const Fecha& f : kRechazadas) {
        try {
            calendario.fijarValor(f);
            ADD_FAILURE() << "taken: " << static_cast<int>(f.year());
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.numero(), kValorNoValido);
            EXPECT_EQ(e.descripcion(), kTextoValorNoValido);
        }
        EXPECT_EQ(calendario.valor(), 2005y / std::chrono::March / 5);
    }
    for (const Fecha& f : {1752y / std::chrono::September / 14, 9999y / std::chrono::December / 31}) {
        calendario.fijarValor(f);
        EXPECT_EQ(calendario.valor(), f);
    }
    // Set by the program, the value is no pick: the boxes keep today.
    EXPECT_EQ(textoDe(control("frmDia", "txtDia")), "5");
    EXPECT_EQ(textoDe(control("frmDia", "txtAnio")), "2005");
}

// The system's message box, answered by a timer as the user would.
struct CajaVista {
    std::string titulo, texto;
    int botones = 0;
    bool icono = false;
};
CajaVista vista;

BOOL CALLBACK contarHijo(HWND hijo, LPARAM) {
    wchar_t clase[16] = {};
    GetClassNameW(hijo, clase, 16);
    if (!IsWindowVisible(hijo)) return TRUE;
    if (std::wstring_view(clase) == L"Button") ++vista.botones;
    // Wine keeps an empty icon control where there is no icon.
    if ((GetWindowLongPtrW(hijo, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        std::wstring_view(clase) == L"Static" && SendMessageW(hijo, STM_GETICON, 0, 0) != 0)
        vista.icono = true;
    return TRUE;
}

void CALLBACK responder(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND caja = FindWindowW(L"#32770", nullptr);
    if (caja == nullptr || !IsWindowVisible(caja)) return;
    KillTimer(nullptr, id);
    vista.titulo = textoDe(caja);
    vista.texto = textoDe(GetDlgItem(caja, 0xFFFF));
    EnumChildWindows(caja, contarHijo, 0);
    PostMessageW(caja, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(caja, IDOK)));
}

TEST(MensajesWin32Test, TheTextWithOkOnlyNoIconAndTheProgramsCaption) {
    vista = {};
    SetTimer(nullptr, 0, 20, responder);
    MensajesWin32().mostrar("Año no válido:\r\nescriba otro");
    EXPECT_EQ(vista.titulo, "Tarvolo");
    EXPECT_EQ(vista.texto, "Año no válido:\r\nescriba otro");
    EXPECT_EQ(vista.botones, 1);
    EXPECT_FALSE(vista.icono);
}

}  // namespace
}  // namespace tarvolo::prueba
