// The Windows back end's other system services: the midnight alarm, the
// channel between starts, the launcher, the printer, the way back to the
// windows' thread and the file dialogs.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <dlgs.h>

#include <atomic>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "bombear.h"
#include "servicios/dibujo.h"
#include "win32/canal_instancia_win32.h"
#include "win32/dialogos_win32.h"
#include "win32/hilo_ventanas_win32.h"
#include "win32/impresora_win32.h"
#include "win32/lanzador_win32.h"
#include "win32/temporizador_limite_win32.h"
#include "win32/texto_utf16.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using prueba::bombearHasta;

constexpr Fecha kHoy{year{2026}, March, day{10}};

TEST(EsperaHastaElDia, WaitsFromTheLocalMidnightInStepsSetTimerTakesAndNothingOnceItCame) {
    for (const Fecha dia : {kHoy, Fecha{year{2024}, February, day{29}}}) {
        const std::time_t inicio = inicioDelDiaLocal(dia);
        std::tm visto{};
        localtime_s(&visto, &inicio);
        EXPECT_EQ(std::tie(visto.tm_mday, visto.tm_hour, visto.tm_min, visto.tm_sec),
                  std::tuple(static_cast<int>(static_cast<unsigned>(dia.day())), 0, 0, 0));
    }
    const std::time_t inicio = inicioDelDiaLocal(kHoy);
    const struct {
        long long segundosAntes;
        milliseconds esperada;
    } casos[] = {
        {3600, milliseconds{3600000}},
        {1, milliseconds{1000}},
        {0, milliseconds{0}},
        {-86400, milliseconds{0}},
        // SetTimer waits at most 2^31-1 ms, some 24.8 days.
        {40LL * 86400, milliseconds{USER_TIMER_MAXIMUM}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(esperaHastaElDia(kHoy, inicio - c.segundosAntes), c.esperada) << c.segundosAntes;
}

TEST(TemporizadorLimiteWin32, SoundsFromTheLoopAtAPassedDayAClockSetOrAResumeWhileArmed) {
    const struct {
        const char* caso;
        std::optional<Fecha> dia;
        UINT mensaje;
        WPARAM w;
        int veces;
    } casos[] = {
        {"día pasado", kHoy - years{10}, 0, 0, 1},
        {"hora cambiada", kHoy + years{50}, WM_TIMECHANGE, 0, 1},
        {"vuelta automática", kHoy + years{50}, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
        // Follows the automatic one when a user is there: it would sound twice.
        {"vuelta con usuario", kHoy + years{50}, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0},
        {"a punto de dormir", kHoy + years{50}, WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
        {"sin armar", std::nullopt, WM_TIMECHANGE, 0, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        TemporizadorLimiteWin32 alarma;
        ASSERT_NE(alarma.ventana(), nullptr);
        int veces = 0;
        alarma.alSonar([&] { ++veces; });
        if (c.dia) alarma.armar(*c.dia);
        EXPECT_EQ(veces, 0);  // never inside armar()
        if (c.mensaje) SendMessageW(alarma.ventana(), c.mensaje, c.w, 0);
        bombearHasta([&] { return veces >= c.veces; }, 2000);
        bombearHasta([] { return false; }, 100);  // and once only
        EXPECT_EQ(veces, c.veces);
    }
}

std::string nombreDePrueba(const char* cual) {
    return std::string("Tarvolo.prueba.") + cual + "." + std::to_string(GetCurrentProcessId());
}

TEST(CanalInstanciaWin32, ALaterStartReachesTheOneListeningOnItsLoopAndNoOneElse) {
    const std::string nombre = nombreDePrueba("canal");
    int avisos = 0;
    {
        CanalInstanciaWin32 primera(nombre);
        EXPECT_FALSE(primera.avisarALaQueCorre());
        ASSERT_TRUE(primera.escuchar([&] { ++avisos; }));
        EXPECT_TRUE(CanalInstanciaWin32(nombre).avisarALaQueCorre());
        EXPECT_EQ(avisos, 0);  // not inside the caller's send
        EXPECT_TRUE(bombearHasta([&] { return avisos == 1; }));
        EXPECT_TRUE(CanalInstanciaWin32(nombre).avisarALaQueCorre());
        EXPECT_TRUE(bombearHasta([&] { return avisos == 2; }));
        // Another name is another program.
        EXPECT_FALSE(CanalInstanciaWin32(nombreDePrueba("otro")).avisarALaQueCorre());

        // A stranger's message is refused.
        const HWND ventana =
            FindWindowExW(HWND_MESSAGE, nullptr, L"TarvoloCanal", utf16DeUtf8(nombre).c_str());
        ASSERT_NE(ventana, nullptr);
        char otra[] = "borrar todo\n";
        COPYDATASTRUCT datos{0x54617276, sizeof otra - 1, otra};
        EXPECT_EQ(SendMessageW(ventana, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&datos)), FALSE);
        bombearHasta([] { return false; }, 100);
        EXPECT_EQ(avisos, 2);
    }
    // Gone, it answers no more.
    EXPECT_FALSE(CanalInstanciaWin32(nombre).avisarALaQueCorre());
}

TEST(LanzadorWin32, SeesFilesByTheirUtf8PathsAndStartsProgramsThatExist) {
    wchar_t temporal[MAX_PATH];
    const std::string temporales = utf8DeUtf16(std::wstring_view(temporal, GetTempPathW(MAX_PATH, temporal)));
    const std::string acentuado =
        temporales + "Semana Epidemiológica año " + std::to_string(GetCurrentProcessId()) + ".txt";
    const HANDLE archivo = CreateFileW(utf16DeUtf8(acentuado).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(archivo, INVALID_HANDLE_VALUE);
    CloseHandle(archivo);
    wchar_t sistema[MAX_PATH];
    // A program every Windows has that ends by itself at once.
    const std::string hostname =
        utf8DeUtf16(std::wstring_view(sistema, GetSystemDirectoryW(sistema, MAX_PATH))) + "\\hostname.exe";

    LanzadorWin32 lanzador;
    const struct {
        std::string ruta;
        bool existe;
    } casos[] = {
        {hostname, true}, {acentuado, true}, {temporales, false}, {hostname + ".no", false}, {"", false}};
    for (const auto& c : casos) {
        EXPECT_EQ(lanzador.existeArchivo(c.ruta), c.existe) << c.ruta;
        EXPECT_EQ(lanzador.iniciar(c.ruta), c.existe && c.ruta == hostname) << c.ruta;
    }
    DeleteFileW(utf16DeUtf8(acentuado).c_str());
    EXPECT_FALSE(lanzador.existeArchivo(acentuado));
}

TEST(ImpresoraWin32, WithoutAPrinterEveryOperationThatNeedsItThrowsErrorImpresion) {
    ImpresoraWin32 impresora([] { return HDC{}; });
    // Nothing of these needs the printer yet.
    impresora.fijarFuente("Arial");
    impresora.fijarNegrita(true);
    impresora.fijarTamano(12.0f);
    impresora.fijarX(10.0f);
    impresora.fijarY(10.0f);
    EXPECT_THROW(impresora.altoTexto("a"), ErrorImpresion);
    EXPECT_THROW(impresora.anchoTexto("a"), ErrorImpresion);
    EXPECT_THROW(impresora.altoPagina(), ErrorImpresion);
    EXPECT_THROW(impresora.anchoPagina(), ErrorImpresion);
    EXPECT_THROW(impresora.imprimir("Semana 1"), ErrorImpresion);
    EXPECT_NO_THROW(impresora.finDocumento());  // nothing printed, nothing to end
}

// A memory device measures like a printer, in twips, but takes no document.
TEST(ImpresoraWin32, MeasuresInTwipsLineByLineAndADeviceThatRefusesTheDocumentThrows) {
    ImpresoraWin32 impresora([] { return CreateCompatibleDC(nullptr); });
    impresora.fijarFuente({});
    impresora.fijarTamano(12.0f);
    const float linea = impresora.altoTexto("Semana 1");
    // 12 points are 240 twips of letter; the line adds its leading.
    EXPECT_GE(linea, 240.0f);
    EXPECT_LT(linea, 480.0f);
    EXPECT_EQ(impresora.altoTexto("Semana 1\r\nSemana 2\nSemana 3"), 3 * linea);
    EXPECT_EQ(impresora.altoTexto("año\r\n"), 2 * linea);
    EXPECT_EQ(impresora.anchoTexto("i\r\nSemana Epidemiológica\r\nii"),
              impresora.anchoTexto("Semana Epidemiológica"));
    EXPECT_GT(impresora.anchoTexto("Semana Epidemiológica"), impresora.anchoTexto("Semana"));
    impresora.fijarTamano(24.0f);
    EXPECT_GT(impresora.altoTexto("Semana 1"), 1.8f * linea);
    // The screen's height in inches, times 1440.
    const HDC pantalla = GetDC(nullptr);
    const float alto = static_cast<float>(GetDeviceCaps(pantalla, VERTRES)) * 1440.0f /
                       static_cast<float>(GetDeviceCaps(pantalla, LOGPIXELSY));
    ReleaseDC(nullptr, pantalla);
    EXPECT_NEAR(impresora.altoPagina(), alto, 1.0f);
    EXPECT_GT(impresora.anchoPagina(), 0.0f);
    EXPECT_THROW(impresora.imprimir("Semana 1"), ErrorImpresion);
}

TEST(ImpresoraWin32, ADrawingPageAsksForTheOrientationItsShapeNeedsAndFailsAsTheOtherOperations) {
    struct Caso {
        int ancho, alto;
        bool apaisada;
    };
    for (const Caso c : {Caso{14400, 8640, true}, Caso{8640, 14400, false}, Caso{1000, 1000, false}}) {
        std::vector<bool> pedidas;
        ImpresoraWin32 sinImpresora([&](bool apaisada) {
            pedidas.push_back(apaisada);
            return HDC{};
        });
        Dibujo pagina(c.ancho, c.alto);
        pagina.rectangulo({0, 0}, 100, 100, {0, 0, 0});
        EXPECT_THROW(sinImpresora.imprimirDibujo(pagina), ErrorImpresion);
        EXPECT_EQ(pedidas, std::vector<bool>{c.apaisada}) << c.ancho << "x" << c.alto;
        EXPECT_NO_THROW(sinImpresora.finDocumento());
    }
    // A device measured first in portrait is opened again, turned, for a
    // wide page; one that takes no document fails there.
    std::vector<bool> pedidas;
    ImpresoraWin32 memoria([&](bool apaisada) {
        pedidas.push_back(apaisada);
        return CreateCompatibleDC(nullptr);
    });
    EXPECT_GT(memoria.anchoPagina(), 0.0f);
    EXPECT_THROW(memoria.imprimirDibujo(Dibujo(14400, 8640)), ErrorImpresion);
    EXPECT_EQ(pedidas, (std::vector<bool>{false, true}));
}

TEST(HiloVentanasWin32, RunsWhatOtherThreadsSendOnItsOwnThreadInOrderFromTheLoop) {
    HiloVentanasWin32 hilo;
    const DWORD propio = GetCurrentThreadId();
    std::vector<int> hechas;
    std::vector<DWORD> hilos;
    // Sent from here too, before the others: it waits for the loop.
    hilo.enviar([&] { hechas.push_back(0); });
    EXPECT_TRUE(hechas.empty());
    constexpr int kPorHilo = 500;
    std::vector<std::thread> enviadores;
    for (int h = 1; h <= 2; ++h)
        enviadores.emplace_back([&, h] {
            for (int i = 1; i <= kPorHilo; ++i)
                hilo.enviar([&, n = h * 10000 + i] {
                    hechas.push_back(n);
                    hilos.push_back(GetCurrentThreadId());
                });
        });
    for (std::thread& t : enviadores) t.join();
    ASSERT_TRUE(bombearHasta([&] { return hechas.size() == 1 + 2 * kPorHilo; }, 20000));
    EXPECT_EQ(hechas.front(), 0);
    // Each sender's tasks in the order it sent them, all on this thread.
    for (int h = 1; h <= 2; ++h) {
        std::vector<int> deEste;
        for (int n : hechas)
            if (n / 10000 == h) deEste.push_back(n % 10000);
        ASSERT_EQ(deEste.size(), static_cast<std::size_t>(kPorHilo));
        for (int i = 0; i < kPorHilo; ++i) EXPECT_EQ(deEste[static_cast<std::size_t>(i)], i + 1);
    }
    EXPECT_EQ(std::count(hilos.begin(), hilos.end(), propio), static_cast<long>(hilos.size()));
}

TEST(HiloVentanasWin32, TasksStillWaitingWhenItGoesAreDroppedUnrunAndReleased) {
    auto testigo = std::make_shared<int>(0);
    bool corrio = false;
    {
        HiloVentanasWin32 hilo;
        std::thread([&, testigo] { hilo.enviar([&corrio, testigo] { corrio = true; }); }).join();
        EXPECT_EQ(testigo.use_count(), 2);  // the waiting task holds it
    }
    EXPECT_EQ(testigo.use_count(), 1);
    prueba::bombearPendientes();
    EXPECT_FALSE(corrio);
}

// The user's hands in a file dialog, on a thread of their own while the
// dialog runs: waits for it by its title, picks a kind, types a name and
// presses a button.
class Usuario {
public:
    Usuario(std::wstring titulo, int tipo, std::wstring nombre, int boton)
        : hilo_([=, this] { actuar(titulo, tipo, nombre, boton); }) {}
    ~Usuario() { hilo_.join(); }
    Usuario(const Usuario&) = delete;
    Usuario& operator=(const Usuario&) = delete;
    std::atomic<bool> vio = false;

private:
    void actuar(const std::wstring& titulo, int tipo, const std::wstring& nombre, int boton) {
        HWND dialogo = nullptr;
        for (const ULONGLONG fin = GetTickCount64() + 30000; dialogo == nullptr && GetTickCount64() < fin;) {
            dialogo = FindWindowW(L"#32770", titulo.c_str());
            if (dialogo == nullptr) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, 0);
        }
        if (dialogo == nullptr) return;
        vio = true;
        if (const HWND tipos = GetDlgItem(dialogo, cmb1); tipos != nullptr && tipo >= 0) {
            SendMessageW(tipos, CB_SETCURSEL, static_cast<WPARAM>(tipo), 0);
            // Systems differ on which of the two the dialog heeds.
            for (const WORD aviso : {CBN_SELCHANGE, CBN_SELENDOK})
                SendMessageW(dialogo, WM_COMMAND, MAKEWPARAM(cmb1, aviso), reinterpret_cast<LPARAM>(tipos));
        }
        HWND campo = GetDlgItem(dialogo, cmb13);
        if (campo == nullptr) campo = GetDlgItem(dialogo, edt1);
        SetWindowTextW(campo, nombre.c_str());
        PostMessageW(dialogo, WM_COMMAND, MAKEWPARAM(boton, BN_CLICKED), 0);
    }
    std::thread hilo_;
};

TEST(DialogosWin32, SaveAddsTheChosenKindsExtensionOpenAnswersTheFileAndCancelAnswersNothing) {
    wchar_t temporal[MAX_PATH];
    const std::string carpeta = utf8DeUtf16(std::wstring_view(temporal, GetTempPathW(MAX_PATH, temporal))) +
                                "Canal año " + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(utf16DeUtf8(carpeta).c_str(), nullptr));
    const TipoArchivo kGraficos[] = {{"Gráfico SVG", "*.svg"}, {"Imagen PNG", "*.png"}};
    DialogosWin32 dialogos;
    {
        Usuario usuario(L"Guardar gráfico", 1, L"gráfico", IDOK);
        const auto eleccion = dialogos.guardar("Guardar gráfico", carpeta + "\\canal.svg", kGraficos);
        ASSERT_TRUE(usuario.vio);
        ASSERT_TRUE(eleccion.has_value());
        EXPECT_EQ(eleccion->ruta, carpeta + "\\gráfico.png");
        EXPECT_EQ(eleccion->tipo, 1U);
    }
    {
        Usuario usuario(L"Guardar gráfico", -1, L"otro", IDCANCEL);
        EXPECT_FALSE(dialogos.guardar("Guardar gráfico", carpeta + "\\canal.svg", kGraficos).has_value());
        EXPECT_TRUE(usuario.vio);
    }
    const std::string lista = carpeta + "\\casos señalados.csv";
    const HANDLE archivo = CreateFileW(utf16DeUtf8(lista).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(archivo, INVALID_HANDLE_VALUE);
    CloseHandle(archivo);
    const TipoArchivo kListas[] = {{"Listas de casos", "*.csv;*.txt"}};
    {
        Usuario usuario(L"Abrir lista", -1, utf16DeUtf8(lista), IDOK);
        EXPECT_EQ(dialogos.abrir("Abrir lista", kListas), lista);
    }
    DeleteFileW(utf16DeUtf8(lista).c_str());
    RemoveDirectoryW(utf16DeUtf8(carpeta).c_str());
}

}  // namespace
}  // namespace tarvolo
