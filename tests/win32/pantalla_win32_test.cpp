// The Win32 back end on a design of the test's own: what its controls hold,
// which events reach the form and when, under Wine in the Windows test run.

#include "win32/pantalla_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "falsos/reloj_fijo.h"
#include "win32/bucle_win32.h"
#include "win32/texto_utf16.h"

namespace tarvolo {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kLista[] = {"Uno", "Dos"};

constexpr Control kControles[] = {
    caja("txtUna", {120, 120, 1500, 315}),
    cajaDeTexto("txtVarias", {120, 600, 3000, 1500}, "a\r\nb"),
    combo("cboLista", {1800, 120, 1500, 315}, kLista),
    etiqueta("lblTexto", {120, 2200, 2000, 255}, "Año"),
    boton("cmdSi", {120, 2600, 1200, 375}, "&Sí", kPredeterminado),
    boton("cmdNo", {1500, 2600, 1200, 375}, "No", kCancelar),
};

constexpr EntradaMenu kMenus[] = {
    menu("mnuArchivo", "&Archivo"), item("mnuUno", "&Uno"),      item("sep", "-"),
    item("mnuDos", "&Dos", false),  menu("mnuSolo", "&Solo"),    menuEmergente("mnuOculto", "Oculto"),
    item("mnuTres", "Tres"),        item("mnuCuatro", "Cuatro"),
};

constexpr std::string_view kOrdenTab[] = {"cmdNo", "txtUna"};

constexpr DisenoVentana kDiseno =
    ventana("frmPrueba", "Prueba", {3600, 3200}, kControles, kMenus, "txtUna", kOrdenTab);

// What the control itself holds.
std::string textoDe(HWND hwnd) {
    std::wstring texto(256, L'\0');
    texto.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, texto.data(), 256)));
    return utf8DeUtf16(texto);
}

constexpr Control kSoloReloj[] = {temporizador("tmrUno", 30)};
constexpr DisenoVentana kDisenoReloj = ventana("frmReloj", "Reloj", {1500, 1500}, kSoloReloj);

using Eventos = std::vector<std::pair<std::string, Evento>>;

struct Grabador final : ReceptorEventos {
    void evento(std::string_view control, Evento evento) override { eventos.emplace_back(control, evento); }
    void cerrar() override { ++cierres; }
    Eventos eventos;
    int cierres = 0;
};

class PantallaWin32Test : public ::testing::Test {
protected:
    PantallaWin32Test() {
        v->mostrar();
        atenderMensajes();
        receptor.eventos.clear();
    }
    HWND control(std::string_view nombre) const { return PantallaWin32::control(*v, nombre); }
    HWND hwnd() const { return PantallaWin32::ventana(*v); }
    // Eventos since the last call.
    Eventos eventos() { return std::exchange(receptor.eventos, {}); }
    void tecla(WPARAM tecla) {
        PostMessageW(GetFocus(), WM_KEYDOWN, tecla, 1);
        atenderMensajes();
    }

    RelojFijo reloj{std::chrono::year{2005} / std::chrono::March / 5};
    PantallaWin32 pantalla{reloj};
    Grabador receptor;
    std::unique_ptr<Ventana> v = pantalla.crear(kDiseno, receptor);
};

struct Asignacion {
    const char* control;
    const char* texto;
    bool cambia;  // a Change event, once
};

TEST_F(PantallaWin32Test, TextsAreReadBackAndChangeABoxOnceWhenTheyDiffer) {
    const Asignacion kAsignaciones[] = {
        {"txtUna", "hola", true},       {"txtUna", "hola", false},         {"txtUna", "", true},
        {"txtVarias", "a\r\nb", false}, {"txtVarias", "uno\r\ndos", true}, {"txtVarias", "uno\r\ndos", false},
        {"cboLista", "Dos", false},     {"cboLista", "otro", false},       {"lblTexto", "Señal ñ", false},
        {"cmdNo", "Nunca", false},
    };
    for (const Asignacion& a : kAsignaciones) {
        SCOPED_TRACE(std::string(a.control) + " <- " + a.texto);
        v->fijarTexto(a.control, a.texto);
        EXPECT_EQ(v->texto(a.control), a.texto);
        EXPECT_EQ(textoDe(control(a.control)), a.texto);
        const Eventos esperados = a.cambia ? Eventos{{a.control, Evento::Change}} : Eventos{};
        EXPECT_EQ(eventos(), esperados);
    }
    EXPECT_EQ(SendMessageW(control("cboLista"), CB_GETCOUNT, 0, 0), 2);
    // Each key the user types in a box is one change.
    for (const wchar_t c : {L'a', L'b'}) SendMessageW(control("txtUna"), WM_CHAR, c, 1);
    EXPECT_EQ(v->texto("txtUna"), "ab");
    EXPECT_EQ(eventos(), (Eventos{{"txtUna", Evento::Change}, {"txtUna", Evento::Change}}));
}

TEST_F(PantallaWin32Test, MenusHaveTheirEntriesSeparatorsAndGreyedItems) {
    const HMENU barra = GetMenu(hwnd());
    ASSERT_NE(barra, nullptr);
    ASSERT_EQ(GetMenuItemCount(barra), 2);
    const HMENU archivo = GetSubMenu(barra, 0);
    EXPECT_EQ(archivo, PantallaWin32::menu(*v, "mnuArchivo"));
    ASSERT_EQ(GetMenuItemCount(archivo), 3);
    EXPECT_TRUE(GetMenuState(archivo, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(archivo, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(archivo, 0, MF_BYPOSITION) & MF_GRAYED);
    wchar_t texto[32] = {};
    GetMenuStringW(barra, 1, texto, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(texto), L"&Solo");
    // The menu that only pops up is not on the bar.
    const HMENU oculto = PantallaWin32::menu(*v, "mnuOculto");
    ASSERT_NE(oculto, nullptr);
    EXPECT_EQ(GetMenuItemCount(oculto), 2);

    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(barra, 1), 0), 0);
    EXPECT_EQ(eventos(), (Eventos{{"mnuSolo", Evento::Click}}));
}

TEST_F(PantallaWin32Test, EnterEscAndTabActAsInADialog) {
    EXPECT_EQ(GetFocus(), control("txtUna"));
    tecla(VK_RETURN);
    EXPECT_EQ(eventos(), (Eventos{{"cmdSi", Evento::Click}}));
    tecla(VK_ESCAPE);
    EXPECT_EQ(eventos(), (Eventos{{"cmdNo", Evento::Click}}));
    // The designed order first, then the others as they were made.
    for (const char* siguiente : {"txtVarias", "cboLista", "cmdSi", "cmdNo", "txtUna"}) {
        tecla(VK_TAB);
        const HWND foco = GetFocus();
        EXPECT_TRUE(foco == control(siguiente) || IsChild(control(siguiente), foco)) << siguiente;
    }
    tecla(VK_TAB);
    tecla(VK_TAB);
    tecla(VK_TAB);
    tecla(VK_TAB);
    ASSERT_EQ(GetFocus(), control("cmdNo"));
    tecla(VK_RETURN);  // on another button, that one
    EXPECT_EQ(eventos(), (Eventos{{"cmdNo", Evento::Click}}));
    // A multi-line box takes Enter as a new line.
    SetFocus(control("txtVarias"));
    SendMessageW(control("txtVarias"), EM_SETSEL, 4, 4);
    tecla(VK_RETURN);
    EXPECT_EQ(v->texto("txtVarias"), "a\r\nb\r\n");
    EXPECT_EQ(eventos(), (Eventos{{"txtVarias", Evento::Change}}));
}

TEST_F(PantallaWin32Test, TimerTicksUntilStoppedAndTheFrameOnlyAsksToClose) {
    Grabador delReloj;
    const auto reloj = pantalla.crear(kDisenoReloj, delReloj);
    ASSERT_TRUE(atenderHasta([&] { return delReloj.eventos.size() >= 2; }, 2s));
    EXPECT_EQ(delReloj.eventos, (Eventos{{"tmrUno", Evento::Timer}, {"tmrUno", Evento::Timer}}));
    reloj->detener("tmrUno");
    delReloj.eventos.clear();
    EXPECT_FALSE(atenderHasta([&] { return !delReloj.eventos.empty(); }, 200ms));

    SendMessageW(hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(receptor.cierres, 1);
    EXPECT_TRUE(IsWindow(hwnd()));
    const HWND hecha = hwnd();
    v.reset();
    EXPECT_FALSE(IsWindow(hecha));
}

// A drawing 2 wide by 1 high, red all over: in a square control it fills
// the width, and white bands are left above and below.
Dibujo rojoApaisado() {
    Dibujo d(2000, 1000);
    d.rectangulo({0, 0}, 2000, 1000, {255, 0, 0});
    return d;
}

constexpr Control kConGrafico[] = {grafico("picUno", {120, 120, 2880, 2880})};
constexpr DisenoVentana kDisenoGrafico = ventana("frmGrafico", "Gráfico", {3120, 3120}, kConGrafico);

// The control as it paints itself, into a bitmap of the test's own.
class Captura {
public:
    explicit Captura(HWND control) {
        GetClientRect(control, &area);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        lamina_ =
            CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixeles_), nullptr, 0);
        previa_ = SelectObject(dc_, lamina_);
        // Black first: white seen afterwards was painted.
        PatBlt(dc_, 0, 0, area.right, area.bottom, BLACKNESS);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
        GdiFlush();
    }
    ~Captura() {
        SelectObject(dc_, previa_);
        DeleteObject(lamina_);
        DeleteDC(dc_);
    }
    Captura(const Captura&) = delete;
    Captura& operator=(const Captura&) = delete;
    // 0xRRGGBB.
    std::uint32_t en(int x, int y) const { return pixeles_[y * area.right + x] & 0xFFFFFFU; }
    RECT area{};

private:
    HDC dc_;
    HBITMAP lamina_;
    HGDIOBJ previa_;
    std::uint32_t* pixeles_ = nullptr;
};

constexpr std::uint32_t kBlanco = 0xFFFFFF, kRojo = 0xFF0000;

TEST(GraficoWin32, ShowsACopyOfItsDrawingFittedOnWhiteAndEmptyLeavesItWhite) {
    RelojFijo reloj{std::chrono::year{2005} / std::chrono::March / 5};
    PantallaWin32 pantalla{reloj};
    Grabador receptor;
    const auto v = pantalla.crear(kDisenoGrafico, receptor);
    v->mostrar();
    const HWND pic = PantallaWin32::control(*v, "picUno");
    ASSERT_NE(pic, nullptr);
    {
        const Captura nuevo(pic);
        EXPECT_EQ(nuevo.en(nuevo.area.right / 2, nuevo.area.bottom / 2), kBlanco);
    }
    // The drawing it was given is gone; the control kept its own.
    v->fijarDibujo("picUno", rojoApaisado());
    atenderMensajes();
    const Captura lleno(pic);
    const int ancho = lleno.area.right, alto = lleno.area.bottom;
    ASSERT_GT(ancho, 20);
    ASSERT_EQ(ancho, alto);
    // The band the drawing takes: the middle half of the height, all the width.
    struct Muestra {
        int x, y;
        std::uint32_t color;
    };
    const Muestra kMuestras[] = {
        {ancho / 2, alto / 2, kRojo},           {1, alto / 2, kRojo},
        {ancho - 2, alto / 2, kRojo},           {ancho / 2, alto / 4 + 2, kRojo},
        {ancho / 2, 3 * alto / 4 - 3, kRojo},   {ancho / 2, 2, kBlanco},
        {ancho / 2, alto / 4 - 3, kBlanco},     {ancho / 2, alto - 2, kBlanco},
        {ancho / 2, 3 * alto / 4 + 2, kBlanco},
    };
    for (const Muestra& m : kMuestras) EXPECT_EQ(lleno.en(m.x, m.y), m.color) << m.x << "," << m.y;

    v->fijarDibujo("picUno", Dibujo(2000, 1000));
    const Captura vacio(pic);
    for (const Muestra& m : kMuestras) EXPECT_EQ(vacio.en(m.x, m.y), kBlanco) << m.x << "," << m.y;
    // A name that is no drawing control changes nothing.
    v->fijarDibujo("picOtro", rojoApaisado());
    const Captura igual(pic);
    EXPECT_EQ(igual.en(ancho / 2, alto / 2), kBlanco);
}

}  // namespace
}  // namespace tarvolo
