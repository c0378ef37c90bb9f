// The Windows back end's other system services: the midnight alarm, the
// channel between starts, the launcher and the printer.

#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <string>
#include <vector>

#include "bombear.h"
#include "win32/canal_instancia_win32.h"
#include "win32/impresora_win32.h"
#include "win32/lanzador_win32.h"
#include "win32/temporizador_limite_win32.h"
#include "win32/texto_utf16.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using prueba::bombearHasta;
using prueba::bombearPendientes;

constexpr Fecha kHoy{year{2026}, March, day{10}};

Fecha fechaLocal(std::time_t t) {
    std::tm visto{};
    localtime_s(&visto, &t);
    return Fecha{year{visto.tm_year + 1900}, month{static_cast<unsigned>(visto.tm_mon + 1)},
                 day{static_cast<unsigned>(visto.tm_mday)}};
}

TEST(PrimerInstanteDelDia, IsTheLocalMidnightThatOpensTheDay) {
    for (const Fecha dia : {kHoy, Fecha{year{2024}, February, day{29}}, Fecha{year{2027}, January, day{1}}}) {
        const std::time_t inicio = primerInstanteDelDia(dia);
        EXPECT_EQ(fechaLocal(inicio), dia);
        EXPECT_LT(fechaLocal(inicio - 1), dia);
    }
}

struct Espera {
    const char* caso;
    long long segundosAntes;  // of today's first instant
    milliseconds esperada;
};

TEST(EsperaHastaElDia, WaitsWhatIsLeftInStepsSetTimerTakesAndNothingOnceItCame) {
    const std::time_t inicio = primerInstanteDelDia(kHoy);
    const Espera casos[] = {
        {"una hora antes", 3600, milliseconds{3600000}},
        {"un segundo antes", 1, milliseconds{1000}},
        {"en el instante", 0, milliseconds{0}},
        {"pasado", -5, milliseconds{0}},
        {"un día pasado", -86400, milliseconds{0}},
        // SetTimer waits at most 2^31-1 ms, some 24.8 days.
        {"cuarenta días antes", 40LL * 86400, milliseconds{USER_TIMER_MAXIMUM}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(esperaHastaElDia(kHoy, inicio - c.segundosAntes), c.esperada);
    }
}

TEST(TemporizadorLimiteWin32, APassedDaySoundsFromTheLoopNotInsideArmar) {
    TemporizadorLimiteWin32 alarma;
    int veces = 0;
    alarma.alSonar([&] { ++veces; });
    alarma.armar(kHoy - years{10});
    EXPECT_EQ(veces, 0);
    EXPECT_TRUE(bombearHasta([&] { return veces == 1; }));
    // Once: the listener arms the next.
    bombearHasta([] { return false; }, 100);
    EXPECT_EQ(veces, 1);
}

struct Aviso {
    const char* caso;
    bool armada;
    UINT mensaje;
    WPARAM w;
    int veces;
};

TEST(TemporizadorLimiteWin32, AClockSetAndAResumeSoundWhileArmed) {
    const Aviso casos[] = {
        {"hora cambiada", true, WM_TIMECHANGE, 0, 1},
        {"vuelta automática", true, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
        // Follows the automatic one when a user is there: it would sound twice.
        {"vuelta con usuario", true, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0},
        {"a punto de dormir", true, WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
        {"sin armar", false, WM_TIMECHANGE, 0, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        TemporizadorLimiteWin32 alarma;
        ASSERT_NE(alarma.ventana(), nullptr);
        int veces = 0;
        alarma.alSonar([&] { ++veces; });
        // Far ahead: only the message can make it sound.
        if (c.armada) alarma.armar(kHoy + years{50});
        SendMessageW(alarma.ventana(), c.mensaje, c.w, 0);
        bombearPendientes();
        EXPECT_EQ(veces, c.veces);
    }
}

std::string nombreDePrueba(const char* cual) {
    return std::string("Tarvolo.prueba.") + cual + "." + std::to_string(GetCurrentProcessId());
}

TEST(CanalInstanciaWin32, ALaterStartReachesTheOneListeningOnItsLoop) {
    const std::string nombre = nombreDePrueba("canal");
    CanalInstanciaWin32 primera(nombre);
    int avisos = 0;
    EXPECT_FALSE(primera.avisarALaQueCorre());
    ASSERT_TRUE(primera.escuchar([&] { ++avisos; }));

    CanalInstanciaWin32 segunda(nombre);
    EXPECT_TRUE(segunda.avisarALaQueCorre());
    // Not inside the caller's send: on the listener's loop.
    EXPECT_EQ(avisos, 0);
    EXPECT_TRUE(bombearHasta([&] { return avisos == 1; }));
    EXPECT_TRUE(CanalInstanciaWin32(nombre).avisarALaQueCorre());
    EXPECT_TRUE(bombearHasta([&] { return avisos == 2; }));

    // Another name is another program.
    EXPECT_FALSE(CanalInstanciaWin32(nombreDePrueba("otro")).avisarALaQueCorre());
}

TEST(CanalInstanciaWin32, StrangersMessagesAreRefusedAndAGoneProgramAnswersNoMore) {
    const std::string nombre = nombreDePrueba("extrano");
    int avisos = 0;
    {
        CanalInstanciaWin32 primera(nombre);
        ASSERT_TRUE(primera.escuchar([&] { ++avisos; }));
        const HWND ventana =
            FindWindowExW(HWND_MESSAGE, nullptr, L"TarvoloCanal", utf16DeUtf8(nombre).c_str());
        ASSERT_NE(ventana, nullptr);
        char otra[] = "borrar todo\n";
        COPYDATASTRUCT datos{0x54617276, sizeof otra - 1, otra};
        EXPECT_EQ(SendMessageW(ventana, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&datos)), FALSE);
        bombearHasta([] { return false; }, 100);
        EXPECT_EQ(avisos, 0);
    }
    EXPECT_FALSE(CanalInstanciaWin32(nombre).avisarALaQueCorre());
    EXPECT_EQ(avisos, 0);
}

std::string rutaDeEstePrograma() {
    wchar_t ruta[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, ruta, MAX_PATH);
    return utf8DeUtf16(std::wstring_view(ruta, n));
}

std::string carpetaTemporal() {
    wchar_t ruta[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, ruta);
    return utf8DeUtf16(std::wstring_view(ruta, n));
}

TEST(LanzadorWin32, ExisteArchivoSeesFilesByTheirUtf8PathAndNoFolders) {
    const std::string acentuado =
        carpetaTemporal() + "Semana Epidemiológica año " + std::to_string(GetCurrentProcessId()) + ".txt";
    const HANDLE archivo = CreateFileW(utf16DeUtf8(acentuado).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(archivo, INVALID_HANDLE_VALUE);
    CloseHandle(archivo);
    const std::string programa = rutaDeEstePrograma();

    const struct {
        std::string ruta;
        bool existe;
    } casos[] = {
        {programa, true},          {acentuado, true}, {carpetaTemporal(), false},
        {programa + ".no", false}, {"", false},
    };
    LanzadorWin32 lanzador;
    for (const auto& c : casos) EXPECT_EQ(lanzador.existeArchivo(c.ruta), c.existe) << c.ruta;
    DeleteFileW(utf16DeUtf8(acentuado).c_str());
    EXPECT_FALSE(lanzador.existeArchivo(acentuado));
}

TEST(LanzadorWin32, IniciarStartsAProgramWithoutWaitingAndRefusesAMissingOne) {
    wchar_t sistema[MAX_PATH];
    const UINT n = GetSystemDirectoryW(sistema, MAX_PATH);
    // A program every Windows has that ends by itself at once.
    const std::string hostname = utf8DeUtf16(std::wstring_view(sistema, n)) + "\\hostname.exe";
    LanzadorWin32 lanzador;
    ASSERT_TRUE(lanzador.existeArchivo(hostname));
    EXPECT_TRUE(lanzador.iniciar(hostname));
    EXPECT_FALSE(lanzador.iniciar(hostname + ".no"));
    EXPECT_FALSE(lanzador.iniciar(""));
}

struct Linea {
    std::string texto;
    std::vector<std::wstring> lineas;
};

TEST(LineasImpresas, BreakAtEachLineEndAndReadUtf8) {
    const Linea casos[] = {
        {"Semana 1\r\nSemana 2", {L"Semana 1", L"Semana 2"}},
        {"uno\ndos", {L"uno", L"dos"}},
        {"año\r\n", {L"año", L""}},
        {"", {L""}},
    };
    for (const auto& c : casos) EXPECT_EQ(lineasImpresas(c.texto), c.lineas) << c.texto;
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
    // Nothing was printed: nothing to end.
    EXPECT_NO_THROW(impresora.finDocumento());
}

// A memory device measures like any other in twips, but takes no document.
TEST(ImpresoraWin32, MeasuresInTwipsLineByLineAndADeviceThatRefusesTheDocumentThrows) {
    ImpresoraWin32 impresora([] { return CreateCompatibleDC(nullptr); });
    impresora.fijarFuente({});
    impresora.fijarNegrita(false);
    impresora.fijarTamano(12.0f);
    const float linea = impresora.altoTexto("Semana 1");
    // 12 points are 240 twips of letter; the line adds its leading.
    EXPECT_GE(linea, 240.0f);
    EXPECT_LT(linea, 480.0f);
    EXPECT_EQ(impresora.altoTexto("Semana 1\r\nSemana 2\r\nSemana 3"), 3 * linea);
    EXPECT_EQ(impresora.anchoTexto("i\r\nSemana Epidemiológica\r\nii"),
              impresora.anchoTexto("Semana Epidemiológica"));
    EXPECT_GT(impresora.anchoTexto("Semana Epidemiológica"), impresora.anchoTexto("Semana"));
    impresora.fijarTamano(24.0f);
    EXPECT_GT(impresora.altoTexto("Semana 1"), 1.8f * linea);
    // The screen's size, at its resolution, in twips: inches times 1440.
    const HDC pantalla = GetDC(nullptr);
    const float alto = static_cast<float>(GetDeviceCaps(pantalla, VERTRES)) * 1440.0f /
                       static_cast<float>(GetDeviceCaps(pantalla, LOGPIXELSY));
    ReleaseDC(nullptr, pantalla);
    EXPECT_NEAR(impresora.altoPagina(), alto, 1.0f);
    EXPECT_GT(impresora.anchoPagina(), 0.0f);
    EXPECT_THROW(impresora.imprimir("Semana 1"), ErrorImpresion);
}

}  // namespace
}  // namespace tarvolo
