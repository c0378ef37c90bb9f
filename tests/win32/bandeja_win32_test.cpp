// The notification area's Windows back end: the record as Shell_NotifyIconW
// takes it, the week's icon drawn in GDI, and the calls to a stand-in shell.

#include "win32/bandeja_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

RegistroNotificacion registro(std::uint32_t cbSize, std::uint32_t flags, std::string_view tip = "Semana 7") {
    RegistroNotificacion r;
    r.fijarCbSize(cbSize);
    r.fijarHWnd(0xCAFE);
    r.fijarUId(1);
    r.fijarUFlags(flags);
    r.fijarUCallbackMessage(0x200);
    r.fijarHIcon(42);
    r.fijarSzTip(tip);
    r.fijarSzInfo("Año nuevo");
    r.fijarSzInfoTitle("Tarvolo");
    r.fijarDwInfoFlags(1);
    r.fijarEntero(RegistroNotificacion::kUTimeout, 10000);
    return r;
}

TEST(DatosDeNotificacion, CarryWhatTheRecordAsksForAndTheBalloonOnlyInTheLongRecord) {
    const struct {
        std::uint32_t cbSize, flags;
        DWORD tamano, nif;
    } casos[] = {
        {488, M | I | T | G, sizeof(NOTIFYICONDATAW), NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO},
        {488, M | I | T, sizeof(NOTIFYICONDATAW), NIF_MESSAGE | NIF_ICON | NIF_TIP},
        {88, M | I | T | G, NOTIFYICONDATAW_V1_SIZE, NIF_MESSAGE | NIF_ICON | NIF_TIP},
        {488, I, sizeof(NOTIFYICONDATAW), NIF_ICON},
        {488, G, sizeof(NOTIFYICONDATAW), NIF_INFO},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.cbSize << " bytes, flags " << c.flags);
        const NOTIFYICONDATAW d = datosDeNotificacion(registro(c.cbSize, c.flags), kVentana, kIcono);
        EXPECT_EQ(d.cbSize, c.tamano);
        EXPECT_EQ(d.uFlags, c.nif);
        // The callbacks come to the back end's window, not the owner's.
        EXPECT_EQ(d.hWnd, kVentana);
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uCallbackMessage, (c.nif & NIF_MESSAGE) ? 0x200u : 0u);
        EXPECT_EQ(d.hIcon, (c.nif & NIF_ICON) ? kIcono : nullptr);
        EXPECT_EQ(std::wstring(d.szTip), (c.nif & NIF_TIP) ? L"Semana 7" : L"");
        const bool globo = (c.nif & NIF_INFO) != 0;
        EXPECT_EQ(std::wstring(d.szInfo), globo ? L"Año nuevo" : L"");
        EXPECT_EQ(std::wstring(d.szInfoTitle), globo ? L"Tarvolo" : L"");
        EXPECT_EQ(d.dwInfoFlags, globo ? 1u : 0u);
        EXPECT_EQ(d.uTimeout, globo ? 10000u : 0u);
    }
}

// The record holds Windows-1252, a byte a letter; the shell's field holds
// 128 UTF-16 units with the NUL, and the short record's 64.
TEST(DatosDeNotificacion, TextsAreCutToTheFieldWithItsNulAndNeverInsideASurrogatePair) {
    const struct {
        std::uint32_t cbSize;
        std::size_t letras, esperadas;
    } tips[] = {{488, 127, 127}, {488, 128, 127}, {88, 100, 63}};
    for (const auto& c : tips) {
        std::string tip;
        for (std::size_t i = 0; i < c.letras; ++i) tip += "é";
        const NOTIFYICONDATAW d = datosDeNotificacion(registro(c.cbSize, T, tip), kVentana, nullptr);
        EXPECT_EQ(std::wstring(d.szTip), std::wstring(c.esperadas, L'é')) << c.letras;
    }
    const struct {
        std::string texto;
        std::size_t capacidad;
        std::wstring esperado;
    } copias[] = {
        {"abcdefgh", 8, L"abcdefg"},
        {"abcdef\xF0\x9F\x98\x80", 8, L"abcdef"},
        {"abcde\xF0\x9F\x98\x80", 8, L"abcde\xD83D\xDE00"},
        {"a", 1, L""},
    };
    for (const auto& c : copias) {
        std::vector<wchar_t> campo(c.capacidad, L'#');
        EXPECT_EQ(copiarUtf16(c.texto, campo.data(), c.capacidad), c.esperado.size()) << c.texto;
        EXPECT_EQ(std::wstring(campo.data()), c.esperado) << c.texto;
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

    std::vector<std::wstring> globos;  // "-" where no NIF_INFO
    for (const auto& llamada : bandeja.llamadas) {
        if (llamada.operacion != BandejaGrabada::Operacion::Modificar) continue;
        const NOTIFYICONDATAW d = datosDeNotificacion(llamada.leido(), kVentana, kIcono);
        globos.push_back((d.uFlags & NIF_INFO) ? d.szInfo : L"-");
    }
    // An empty balloon takes the shown one away.
    EXPECT_EQ(globos, (std::vector<std::wstring>{L"-", L"-", L"Comienza la semana 8", L"-", L""}));
}

// The colour bitmap of an icon as top-down 32-bit pixels; its side in `lado`.
std::vector<std::uint32_t> pixeles(HICON icono, int& lado) {
    ICONINFO info{};
    if (!GetIconInfo(icono, &info)) return {};
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof bm, &bm);
    lado = bm.bmHeight == bm.bmWidth ? bm.bmWidth : -1;
    BITMAPINFO formato{};
    formato.bmiHeader = {sizeof formato.bmiHeader, bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
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
    const std::uint32_t s1 = bandeja.iconoDeSemana(1), s52 = bandeja.iconoDeSemana(52);
    ASSERT_NE(s1, 0u);
    EXPECT_NE(s1, s52);
    // Made once for the run: the record keeps naming it.
    EXPECT_EQ(bandeja.iconoDeSemana(1), s1);
    int lado1 = 0, lado52 = 0;
    const auto p1 = pixeles(bandeja.icono(s1), lado1), p52 = pixeles(bandeja.icono(s52), lado52);
    ASSERT_EQ(lado1, lado);
    ASSERT_EQ(lado52, lado);
    // The same picture above the badge, other digits on it.
    EXPECT_TRUE(std::equal(p1.begin(), p1.begin() + lado * (lado / 4), p52.begin()));
    EXPECT_NE(p1, p52);
    // The picture's top corner is clear, the badge's middle opaque.
    EXPECT_EQ(p1[0] >> 24, 0u);
    EXPECT_EQ(p1[static_cast<std::size_t>(lado * (lado - lado / 3) + lado / 2)] >> 24, 0xFFu);

    // Other handles are the session's USER handles, sign-extended.
    EXPECT_EQ(bandeja.icono(0), nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(bandeja.icono(0x80001234u)), INT_PTR{-0x7FFFEDCC});
    EXPECT_EQ(reinterpret_cast<INT_PTR>(bandeja.icono(0x00401234u)), INT_PTR{0x00401234});
}

TEST(IconoDeSemana, DrawsTheBadgeInBlueWithWhiteDigitsAtEverySide) {
    for (const auto& [semana, lado] :
         {std::pair{7, 16}, std::pair{53, 16}, std::pair{7, 32}, std::pair{53, 48}}) {
        SCOPED_TRACE(testing::Message() << semana << " a " << lado);
        const HICON icono = dibujarIconoDeSemana(semana, lado);
        ASSERT_NE(icono, nullptr);
        int hecho = 0;
        const auto p = pixeles(icono, hecho);
        DestroyIcon(icono);
        ASSERT_EQ(hecho, lado);
        int azul = 0, blanco = 0;
        for (int y = lado / 2; y < lado - lado / 8; ++y) {
            for (int x = lado / 8; x < lado - lado / 8; ++x) {
                const std::uint32_t rgb = p[static_cast<std::size_t>(y * lado + x)] & 0xFFFFFF;
                azul += rgb == 0x1a237e;
                blanco += rgb == 0xFFFFFF;
            }
        }
        EXPECT_GT(azul, 0);
        EXPECT_GT(blanco, 0);
    }
    EXPECT_EQ(dibujarIconoDeSemana(1, 0), nullptr);
}

// The shell as the tray sees it: each call with what it was given.
class BandejaWin32Test : public ::testing::Test {
protected:
    std::vector<DWORD> ordenes() const {
        std::vector<DWORD> o;
        for (const auto& [orden, datos] : llamadas) o.push_back(orden);
        return o;
    }

    std::vector<std::pair<DWORD, NOTIFYICONDATAW>> llamadas;
    bool acepta = true;
    BandejaWin32 bandeja{[this](DWORD orden, NOTIFYICONDATAW* datos) {
        llamadas.emplace_back(orden, *datos);
        return acepta ? TRUE : FALSE;
    }};
};

TEST_F(BandejaWin32Test, TheIconIsAddedModifiedAndDeletedOnItsWindowOnlyOnceTheShellTookIt) {
    EXPECT_FALSE(bandeja.modificar(registro(488, I)));
    acepta = false;
    EXPECT_FALSE(bandeja.agregar(registro(488, M | I | T)));
    EXPECT_FALSE(bandeja.eliminar(registro(488, 0)));
    acepta = true;
    RegistroNotificacion r = registro(488, M | I | T);
    r.fijarHIcon(bandeja.iconoDeSemana(7));
    ASSERT_TRUE(bandeja.agregar(r));
    r.fijarHIcon(bandeja.iconoDeSemana(8));
    EXPECT_TRUE(bandeja.modificar(r));
    EXPECT_TRUE(bandeja.eliminar(r));
    EXPECT_FALSE(bandeja.modificar(r));
    ASSERT_EQ(ordenes(), (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_MODIFY, NIM_DELETE}));
    EXPECT_EQ(llamadas[1].second.hWnd, bandeja.ventana());
    EXPECT_EQ(llamadas[1].second.hIcon, bandeja.icono(bandeja.iconoDeSemana(7)));
    EXPECT_EQ(llamadas[2].second.hIcon, bandeja.icono(bandeja.iconoDeSemana(8)));
}

TEST_F(BandejaWin32Test, OnlyTheMouseOfTheCallbackReachesTheListener) {
    std::vector<std::uint32_t> oidos;
    bandeja.alRaton([&](std::uint32_t m) { oidos.push_back(m); });
    ASSERT_TRUE(bandeja.agregar(registro(488, M | I | T)));
    // WM_CONTEXTMENU and the balloon's notices (NIN_BALLOONSHOW) are no
    // mouse: a right click must open one menu.
    for (const UINT m : {0x200u, 0x201u, 0x205u, 0x7Bu, 0x402u, 0x206u})
        SendMessageW(bandeja.ventana(), 0x200, 1, static_cast<LPARAM>(m));
    EXPECT_EQ(oidos, (std::vector<std::uint32_t>{0x200, 0x201, 0x205, 0x206}));
}

TEST_F(BandejaWin32Test, ARestartedTaskbarGetsTheIconBackWithoutItsBalloon) {
    const UINT barraCreada = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);  // no icon yet
    ASSERT_TRUE(bandeja.agregar(registro(488, M | I | T)));
    ASSERT_TRUE(bandeja.modificar(registro(488, M | I | T | G)));
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);
    ASSERT_TRUE(bandeja.eliminar(registro(488, 0)));
    SendMessageW(bandeja.ventana(), barraCreada, 0, 0);
    ASSERT_EQ(ordenes(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_DELETE}));
    EXPECT_EQ(llamadas[2].second.uFlags, DWORD{NIF_MESSAGE | NIF_ICON | NIF_TIP});
}

TEST(BandejaWin32, ReadsTheShellsVersionFromShell32) {
    // Every shell since Windows 2000 has balloons.
    EXPECT_GE(BandejaWin32().version().value_or(0), 5u);
}

}  // namespace
}  // namespace tarvolo
