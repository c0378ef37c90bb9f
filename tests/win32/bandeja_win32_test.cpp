// The notification area's Windows back end: the record as Shell_NotifyIconW
// takes it, the week's icon drawn in GDI, and the icon's callbacks.

#include "win32/bandeja_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bombear.h"
#include "falsos/bandeja_grabada.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"
#include "shell/adv_sys_tray.h"
#include "win32/texto_utf16.h"

namespace tarvolo {
namespace {

using namespace std::chrono;

// Sunday 11 to Saturday 17 February 2024 is week 7.
constexpr Fecha kHoy{year{2024}, February, day{17}};
const HWND kVentana = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
const HICON kIcono = reinterpret_cast<HICON>(static_cast<INT_PTR>(0x5678));

constexpr std::uint32_t M = RegistroNotificacion::kMensaje, I = RegistroNotificacion::kIcono,
                        T = RegistroNotificacion::kTip, G = RegistroNotificacion::kGlobo;

RegistroNotificacion registro(std::uint32_t cbSize, std::uint32_t flags) {
    RegistroNotificacion r;
    r.fijarCbSize(cbSize);
    r.fijarHWnd(0xCAFE);
    r.fijarUId(1);
    r.fijarUFlags(flags);
    r.fijarUCallbackMessage(0x200);
    r.fijarHIcon(42);
    r.fijarSzTip("Semana Epidemiológica 7");
    r.fijarSzInfo("Año nuevo");
    r.fijarSzInfoTitle("Tarvolo");
    r.fijarDwInfoFlags(1);
    r.fijarEntero(RegistroNotificacion::kUTimeout, 10000);
    return r;
}

struct Traduccion {
    const char* caso;
    std::uint32_t cbSize, flags;
    DWORD tamano, nif;
};

TEST(DatosDeNotificacion, CarryWhatTheRecordAsksForAndTheBalloonOnlyInTheLongRecord) {
    const Traduccion casos[] = {
        {"todo, largo", 488, M | I | T | G, sizeof(NOTIFYICONDATAW),
         NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO},
        {"sin globo, largo", 488, M | I | T, sizeof(NOTIFYICONDATAW), NIF_MESSAGE | NIF_ICON | NIF_TIP},
        {"globo en el corto", 88, M | I | T | G, NOTIFYICONDATAW_V1_SIZE, NIF_MESSAGE | NIF_ICON | NIF_TIP},
        {"solo icono", 488, I, sizeof(NOTIFYICONDATAW), NIF_ICON},
        {"solo globo", 488, G, sizeof(NOTIFYICONDATAW), NIF_INFO},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const NOTIFYICONDATAW d = datosDeNotificacion(registro(c.cbSize, c.flags), kVentana, kIcono);
        EXPECT_EQ(d.cbSize, c.tamano);
        EXPECT_EQ(d.uFlags, c.nif);
        // The callbacks come to the back end's window, not the owner's.
        EXPECT_EQ(d.hWnd, kVentana);
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uCallbackMessage, (c.nif & NIF_MESSAGE) ? 0x200u : 0u);
        EXPECT_EQ(d.hIcon, (c.nif & NIF_ICON) ? kIcono : nullptr);
        EXPECT_EQ(std::wstring(d.szTip), (c.nif & NIF_TIP) ? L"Semana Epidemiológica 7" : L"");
        const bool globo = (c.nif & NIF_INFO) != 0;
        EXPECT_EQ(std::wstring(d.szInfo), globo ? L"Año nuevo" : L"");
        EXPECT_EQ(std::wstring(d.szInfoTitle), globo ? L"Tarvolo" : L"");
        EXPECT_EQ(d.dwInfoFlags, globo ? 1u : 0u);
        EXPECT_EQ(d.uTimeout, globo ? 10000u : 0u);
    }
}

struct Tip {
    const char* caso;
    std::uint32_t cbSize;
    std::size_t letras;
    std::size_t esperadas;
};

// The record holds Windows-1252, one byte a letter; the shell's field holds
// 128 UTF-16 units with the NUL, 64 in the short record.
TEST(DatosDeNotificacion, TooltipsOfAccentsAreCutToTheFieldWithItsNul) {
    const Tip casos[] = {
        {"cabe", 488, 127, 127},
        {"llena el campo sin NUL", 488, 128, 127},
        {"corto", 88, 100, 63},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::string tip;
        for (std::size_t i = 0; i < c.letras; ++i) tip += "é";
        RegistroNotificacion r = registro(c.cbSize, T);
        r.fijarSzTip(tip);
        const NOTIFYICONDATAW d = datosDeNotificacion(r, kVentana, nullptr);
        EXPECT_EQ(std::wstring(d.szTip), std::wstring(c.esperadas, L'é'));
    }
}

struct Copia {
    const char* caso;
    std::string texto;
    std::size_t capacidad;
    std::wstring esperado;
};

TEST(CopiarUtf16, CutsAtTheCapacityWithoutSplittingASurrogatePair) {
    const Copia casos[] = {
        {"cabe", "Año", 8, L"Año"},
        {"justo", "abcdefg", 8, L"abcdefg"},
        {"uno de más", "abcdefgh", 8, L"abcdefg"},
        {"par partido", "abcdef\xF0\x9F\x98\x80", 8, L"abcdef"},
        {"par entero", "abcde\xF0\x9F\x98\x80", 8, L"abcde\xD83D\xDE00"},
        {"vacío", "", 8, L""},
        {"campo de uno", "a", 1, L""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<wchar_t> campo(c.capacidad, L'#');
        EXPECT_EQ(copiarUtf16(c.texto, campo.data(), c.capacidad), c.esperado.size());
        EXPECT_EQ(std::wstring(campo.data()), c.esperado);
    }
}

// What the tray object asks on every update, as the shell receives it: only
// ShowBalloon and HideBalloon carry the balloon.
TEST(DatosDeNotificacion, OnlyTheBalloonCallsOfTheTrayObjectCarryNifInfo) {
    BandejaGrabada bandeja;
    RelojFijo reloj{kHoy};
    prueba::VentanaPropietaria propietario{reloj};
    AdvSysTray tray(bandeja, reloj);
    tray.Create(propietario);
    tray.Icon(bandeja.iconoDeSemana(8));
    tray.Tooltip("Semana Epidemiológica 8");
    tray.ShowBalloon("Comienza la semana 8", "Tarvolo", 1);
    tray.Icon(bandeja.iconoDeSemana(9));
    tray.HideBalloon();

    std::vector<DWORD> info;
    std::vector<std::wstring> textos;
    for (const auto& llamada : bandeja.llamadas) {
        if (llamada.operacion != BandejaGrabada::Operacion::Modificar) continue;
        const NOTIFYICONDATAW d = datosDeNotificacion(llamada.leido(), kVentana, kIcono);
        info.push_back(d.uFlags & NIF_INFO);
        textos.push_back(d.szInfo);
    }
    EXPECT_EQ(info, (std::vector<DWORD>{0, 0, NIF_INFO, 0, NIF_INFO}));
    EXPECT_EQ(textos[2], L"Comienza la semana 8");
    EXPECT_EQ(textos[4], L"");  // an empty balloon takes the shown one away
}

// The colour bitmap of an icon, top-down 32-bit pixels, and its side.
std::vector<std::uint32_t> pixeles(HICON icono, int& lado) {
    ICONINFO info{};
    if (!GetIconInfo(icono, &info)) return {};
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof bm, &bm);
    lado = bm.bmWidth;
    EXPECT_EQ(bm.bmHeight, bm.bmWidth);
    BITMAPINFO formato{};
    formato.bmiHeader.biSize = sizeof formato.bmiHeader;
    formato.bmiHeader.biWidth = bm.bmWidth;
    formato.bmiHeader.biHeight = -bm.bmHeight;
    formato.bmiHeader.biPlanes = 1;
    formato.bmiHeader.biBitCount = 32;
    formato.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(bm.bmWidth * bm.bmHeight));
    const HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(bm.bmHeight), bits.data(), &formato, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

TEST(IconoDeSemana, EachWeekIsOneIconOfTheTraysSizeWithItsNumberOnTheBadge) {
    BandejaWin32 bandeja;
    const int lado = GetSystemMetrics(SM_CXSMICON);
    const std::uint32_t s1 = bandeja.iconoDeSemana(1);
    const std::uint32_t s52 = bandeja.iconoDeSemana(52);
    ASSERT_NE(s1, 0u);
    ASSERT_NE(s52, 0u);
    EXPECT_NE(s1, s52);
    // Made once for the run: the record keeps naming it.
    EXPECT_EQ(bandeja.iconoDeSemana(1), s1);

    int lado1 = 0, lado52 = 0;
    const auto p1 = pixeles(bandeja.icono(s1), lado1);
    const auto p52 = pixeles(bandeja.icono(s52), lado52);
    ASSERT_EQ(lado1, lado);
    ASSERT_EQ(lado52, lado);
    EXPECT_NE(p1, p52);
    // Same outside the badge (the picture), different inside (the digits).
    const auto fila = [&](const std::vector<std::uint32_t>& p, int y) {
        return std::vector<std::uint32_t>(p.begin() + y * lado, p.begin() + (y + 1) * lado);
    };
    EXPECT_EQ(fila(p1, 1), fila(p52, 1));
    // The picture's top corner is clear, the badge's middle is opaque.
    EXPECT_EQ(p1[0] >> 24, 0u);
    EXPECT_EQ(p1[static_cast<std::size_t>(lado * (lado - lado / 3) + lado / 2)] >> 24, 0xFFu);
}

struct Lado {
    int semana, lado;
};

TEST(IconoDeSemana, DrawsTheBadgeInBlueWithWhiteDigitsAtEverySide) {
    for (const Lado c : {Lado{7, 16}, Lado{53, 16}, Lado{7, 32}, Lado{53, 48}}) {
        SCOPED_TRACE(std::to_string(c.semana) + " a " + std::to_string(c.lado));
        const HICON icono = dibujarIconoDeSemana(c.semana, c.lado);
        ASSERT_NE(icono, nullptr);
        int lado = 0;
        const auto p = pixeles(icono, lado);
        DestroyIcon(icono);
        EXPECT_EQ(lado, c.lado);
        // The badge's inside is the deep blue and the digits' white.
        int azul = 0, blanco = 0;
        for (int y = c.lado / 2; y < c.lado - c.lado / 8; ++y) {
            for (int x = c.lado / 8; x < c.lado - c.lado / 8; ++x) {
                const std::uint32_t rgb = p[static_cast<std::size_t>(y * c.lado + x)] & 0xFFFFFF;
                azul += rgb == 0x1a237e;
                blanco += rgb == 0xFFFFFF;
            }
        }
        EXPECT_GT(azul, 0);
        EXPECT_GT(blanco, 0);
    }
    EXPECT_EQ(dibujarIconoDeSemana(1, 0), nullptr);
}

TEST(BandejaWin32, MapsItsOwnIconsAndSignExtendsAnyOtherHandle) {
    BandejaWin32 bandeja;
    EXPECT_EQ(bandeja.icono(0), nullptr);
    const std::uint32_t propio = bandeja.iconoDeSemana(7);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(bandeja.icono(propio), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(bandeja.icono(0x80001234u)), static_cast<INT_PTR>(-0x7FFFEDCC));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(bandeja.icono(0x00401234u)), static_cast<INT_PTR>(0x00401234));
}

// The shell as the tray sees it: each call with what it was given.
class BandejaWin32Test : public ::testing::Test {
protected:
    struct Llamada {
        DWORD orden;
        NOTIFYICONDATAW datos;
    };
    std::vector<DWORD> ordenes() const {
        std::vector<DWORD> o;
        for (const auto& l : llamadas) o.push_back(l.orden);
        return o;
    }

    std::vector<Llamada> llamadas;
    bool acepta = true;
    BandejaWin32 bandeja{[this](DWORD orden, NOTIFYICONDATAW* datos) {
        llamadas.push_back({orden, *datos});
        return acepta ? TRUE : FALSE;
    }};
};

TEST_F(BandejaWin32Test, TheIconIsAddedModifiedAndDeletedOnItsWindowWithTheWeeksIcon) {
    EXPECT_FALSE(bandeja.modificar(registro(488, I)));
    EXPECT_FALSE(bandeja.eliminar(registro(488, 0)));
    EXPECT_TRUE(llamadas.empty());

    RegistroNotificacion r = registro(488, M | I | T);
    r.fijarHIcon(bandeja.iconoDeSemana(7));
    ASSERT_TRUE(bandeja.agregar(r));
    r.fijarHIcon(bandeja.iconoDeSemana(8));
    EXPECT_TRUE(bandeja.modificar(r));
    EXPECT_TRUE(bandeja.eliminar(r));
    ASSERT_EQ(ordenes(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
    EXPECT_EQ(llamadas[0].datos.hWnd, bandeja.ventana());
    EXPECT_EQ(llamadas[0].datos.hIcon, bandeja.icono(bandeja.iconoDeSemana(7)));
    EXPECT_EQ(llamadas[1].datos.hIcon, bandeja.icono(bandeja.iconoDeSemana(8)));
    EXPECT_NE(llamadas[0].datos.hIcon, llamadas[1].datos.hIcon);
    EXPECT_FALSE(bandeja.modificar(r));
    EXPECT_EQ(llamadas.size(), 3u);
}

TEST_F(BandejaWin32Test, OnlyTheButtonsAndMovementOfTheCallbackReachTheListener) {
    std::vector<std::uint32_t> oidos;
    bandeja.alRaton([&](std::uint32_t m) { oidos.push_back(m); });
    ASSERT_TRUE(bandeja.agregar(registro(488, M | I | T)));
    // WM_CONTEXTMENU and the balloon's notices (NIN_BALLOONSHOW) are no
    // mouse: a right click must open one menu.
    for (const UINT m : std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU,
                                          WM_USER + 2, WM_RBUTTONDBLCLK})
        SendMessageW(bandeja.ventana(), 0x200, 1, static_cast<LPARAM>(m));
    EXPECT_EQ(oidos, (std::vector<std::uint32_t>{0x200, 0x201, 0x205, 0x206}));
}

TEST_F(BandejaWin32Test, ARestartedTaskbarGetsTheIconBackWithoutItsBalloon) {
    const UINT barraCreada = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);
    EXPECT_TRUE(llamadas.empty());  // no icon yet

    ASSERT_TRUE(bandeja.agregar(registro(488, M | I | T)));
    ASSERT_TRUE(bandeja.modificar(registro(488, M | I | T | G)));
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);
    ASSERT_EQ(ordenes(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD}));
    EXPECT_EQ(llamadas[1].datos.uFlags & NIF_INFO, DWORD{NIF_INFO});
    EXPECT_EQ(llamadas[2].datos.uFlags, DWORD{NIF_MESSAGE | NIF_ICON | NIF_TIP});

    ASSERT_TRUE(bandeja.eliminar(registro(488, 0)));
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);
    EXPECT_EQ(llamadas.size(), 4u);
}

TEST_F(BandejaWin32Test, AnIconTheShellRefusedIsNotThere) {
    acepta = false;
    EXPECT_FALSE(bandeja.agregar(registro(488, M | I | T)));
    EXPECT_FALSE(bandeja.modificar(registro(488, I)));
    EXPECT_FALSE(bandeja.eliminar(registro(488, 0)));
    EXPECT_EQ(ordenes(), (std::vector<DWORD>{NIM_ADD}));
}

TEST(BandejaWin32, ReadsTheShellsVersionFromShell32) {
    BandejaWin32 bandeja;
    const auto version = bandeja.version();
    ASSERT_TRUE(version.has_value());
    // Every shell since Windows 2000 has balloons.
    EXPECT_GE(*version, 5u);
}

}  // namespace
}  // namespace tarvolo
