#include "shell/adv_sys_tray.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "falsos/bandeja_grabada.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;
using Ops = std::vector<Op>;
using prueba::VentanaGrabada;

// Sunday 11 to Saturday 17 February 2024 is week 7.
constexpr Fecha kSemana7{year{2024}, February, day{17}};

std::string repetido(std::size_t n, char c) {
    return std::string(n, c);
}

class AdvSysTrayTest : public ::testing::Test {
protected:
    std::unique_ptr<AdvSysTray> nueva(std::optional<std::uint32_t> version) {
        if (version) {
            bandeja.versionMayor = *version;
        } else {
            bandeja.fallan.insert(Op::Version);
        }
        auto ast = std::make_unique<AdvSysTray>(bandeja, reloj);
        bandeja.llamadas.clear();
        bandeja.fallan.clear();
        return ast;
    }
    RegistroNotificacion ultimo() const { return bandeja.llamadas.back().leido(); }

    BandejaGrabada bandeja;
    RelojFijo reloj{kSemana7};
    prueba::VentanaPropietaria propietario{reloj};
};

struct Version {
    std::optional<std::uint32_t> consulta;
    std::int32_t shellVersion;
    std::int16_t limiteTip;
    std::uint32_t cbSize, uFlags;
    bool globos;
};

void PrintTo(const Version& v, std::ostream* os) {
    *os << "version " << (v.consulta ? std::to_string(*v.consulta) : std::string("desconocida"));
}

class PorVersion : public AdvSysTrayTest, public ::testing::WithParamInterface<Version> {};

TEST_P(PorVersion, VersionDecidesRecordSizeFlagsTipLimitAndBalloons) {
    const Version v = GetParam();
    auto ast = nueva(v.consulta);
    EXPECT_EQ(ast->ShellVersion(), v.shellVersion);
    EXPECT_EQ(ast->limiteTip(), v.limiteTip);

    ast->Create(propietario);
    ASSERT_EQ(bandeja.operaciones(), Ops{Op::Agregar});
    const RegistroNotificacion r = ultimo();
    EXPECT_EQ(r.cbSize(), v.cbSize);
    EXPECT_EQ(r.uFlags(), v.uFlags);
    EXPECT_EQ(r.uID(), 1u);
    EXPECT_EQ(r.uCallbackMessage(), 0x200u);
    EXPECT_EQ(r.hWnd(), propietario.identificador());
    EXPECT_NE(r.hWnd(), 0u);

    ast->Tooltip(repetido(200, 't'));
    EXPECT_EQ(ast->Tooltip(), repetido(static_cast<std::size_t>(v.limiteTip), 't'));

    bandeja.llamadas.clear();
    ast->ShowBalloon(repetido(300, 'g'), repetido(80, 'h'), 1);
    ast->HideBalloon();
    if (v.globos) {
        ASSERT_EQ(bandeja.operaciones(), (Ops{Op::Modificar, Op::Modificar}));
        const RegistroNotificacion globo = bandeja.llamadas.front().leido();
        EXPECT_EQ(globo.szInfo(), repetido(255, 'g'));
        EXPECT_EQ(globo.szInfoTitle(), repetido(63, 'h'));
        EXPECT_EQ(globo.dwInfoFlags(), 1u);
        EXPECT_TRUE(ultimo().szInfo().empty());
        EXPECT_EQ(ultimo().szInfoTitle(), repetido(63, 'h'));  // only the text goes
    } else {
        EXPECT_TRUE(bandeja.llamadas.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Versiones, PorVersion,
                         ::testing::Values(Version{6, 6, 127, 488, 23, true},
                                           Version{5, 5, 127, 488, 23, true}, Version{4, 4, 63, 88, 7, false},
                                           Version{std::nullopt, 0, 63, 88, 7, false}));

TEST_F(AdvSysTrayTest, CreateWritesTodaysWeekInTheTooltipUncut) {
    auto ast = nueva(4);  // limit 63 does not apply at Create
    ast->Create(propietario);
    std::string esperado("Semana Epidemiol\xF3gica 7");
    esperado += '\0';
    esperado += std::string(128 - esperado.size(), ' ');
    const auto& bytes = bandeja.llamadas.back().registro;
    EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 24 + 128), esperado);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 7");
}

TEST_F(AdvSysTrayTest, CreateTakesTheOwnersIcon) {
    auto ast = nueva(5);
    ast->Create(propietario);
    EXPECT_EQ(ultimo().hIcon(), VentanaGrabada::kIconoPrograma);
    EXPECT_EQ(ast->Icon(), VentanaGrabada::kIconoPrograma);

    ast->Icon(1053);
    EXPECT_EQ(bandeja.operaciones().back(), Op::Modificar);
    EXPECT_EQ(ultimo().hIcon(), 1053u);
    EXPECT_EQ(ast->Icon(), 1053u);
}

TEST_F(AdvSysTrayTest, SecondCreateChangesNothing) {
    auto ast = nueva(5);
    ast->Create(propietario);
    reloj.fijar(Fecha{year{2024}, February, day{18}});  // week 8
    ast->Create(propietario);
    EXPECT_EQ(bandeja.operaciones(), Ops{Op::Agregar});
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 7");
}

TEST_F(AdvSysTrayTest, DestroyBeforeCreateAndTwiceDoesNothing) {
    auto ast = nueva(5);
    ast->Destroy();
    EXPECT_TRUE(bandeja.llamadas.empty());
    ast->Create(propietario);
    ast->Destroy();
    ast->Destroy();
    EXPECT_EQ(bandeja.operaciones(), (Ops{Op::Agregar, Op::Eliminar}));
    EXPECT_FALSE(ast->registrado());
    EXPECT_TRUE(ast->Tooltip().empty());
}

TEST_F(AdvSysTrayTest, WritesBeforeCreateAreLost) {
    auto ast = nueva(5);
    ast->Tooltip("perdido");
    ast->Icon(99);
    ast->ShowBalloon("t", "x", 1);
    ast->HideBalloon();
    EXPECT_TRUE(bandeja.llamadas.empty());
    EXPECT_TRUE(ast->Tooltip().empty());
    EXPECT_EQ(ast->Icon(), 0u);
    ast->Create(propietario);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 7");
    EXPECT_TRUE(ultimo().szInfo().empty());
}

TEST_F(AdvSysTrayTest, FailedAddLeavesItUnregisteredUntilALaterCreate) {
    auto ast = nueva(5);
    int arriba = 0;
    ast->LButtonUp = [&] { ++arriba; };
    bandeja.fallan.insert(Op::Agregar);
    ast->Create(propietario);
    EXPECT_FALSE(ast->registrado());
    EXPECT_TRUE(ast->Tooltip().empty());
    ast->ShowBalloon("t", "x", 1);
    ast->Tooltip("y");
    EXPECT_EQ(bandeja.operaciones(), Ops{Op::Agregar});

    // The owner is remembered, so its mouse still arrives.
    bandeja.inyectar(0x202);
    EXPECT_EQ(arriba, 1);

    bandeja.fallan.clear();
    ast->Create(propietario);
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(bandeja.operaciones(), (Ops{Op::Agregar, Op::Agregar}));
    bandeja.inyectar(0x202);
    EXPECT_EQ(arriba, 2);  // one subscription, not two
}

TEST_F(AdvSysTrayTest, FailedDeleteKeepsTheFlagButDropsTheOwner) {
    auto ast = nueva(5);
    int arriba = 0;
    ast->RButtonUp = [&] { ++arriba; };
    ast->Create(propietario);
    bandeja.fallan.insert(Op::Eliminar);
    ast->Destroy();
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 7");

    bandeja.inyectar(0x205);
    EXPECT_EQ(arriba, 0);

    ast->Create(propietario);  // still registered: nothing
    EXPECT_EQ(bandeja.operaciones(), (Ops{Op::Agregar, Op::Eliminar}));
}

TEST_F(AdvSysTrayTest, ReleasingARegisteredObjectRemovesTheIcon) {
    auto ast = nueva(5);
    ast->Create(propietario);
    const auto registro = bandeja.llamadas.back().registro;
    ast.reset();
    ASSERT_EQ(bandeja.operaciones(), (Ops{Op::Agregar, Op::Eliminar}));
    EXPECT_EQ(bandeja.llamadas.back().registro, registro);

    bandeja.llamadas.clear();
    auto nunca = nueva(5);
    nunca.reset();
    EXPECT_TRUE(bandeja.llamadas.empty());
}

TEST_F(AdvSysTrayTest, UpdatesCarryTheCurrentBalloonText) {
    auto ast = nueva(5);
    ast->Create(propietario);
    ast->ShowBalloon("Semana Epidemiológica Actual: 7", "T", 1);
    ast->Tooltip("otro");
    EXPECT_EQ(ultimo().szInfo(), "Semana Epidemiológica Actual: 7");
    EXPECT_EQ(ultimo().szTip(), "otro");
}

// A greeting, then what the new week writes, then two more greetings: only
// the greetings (and hiding one) ask the shell for a balloon; the other
// updates keep every other flag.
TEST_F(AdvSysTrayTest, OnlyTheBalloonCallsCarryTheBalloonFlag) {
    auto ast = nueva(5);
    ast->Create(propietario);
    const std::string saludo = "Semana Epidemiológica Actual: 7";
    ast->ShowBalloon(saludo, "T", 1);
    ast->Tooltip("Semana Epidemiológica 8");
    ast->Icon(1008);
    ast->ShowBalloon(saludo, "T", 1);
    ast->HideBalloon();

    std::vector<std::uint32_t> flags;
    for (const auto& llamada : bandeja.llamadas) flags.push_back(llamada.leido().uFlags());
    EXPECT_EQ(flags, (std::vector<std::uint32_t>{23, 23, 7, 7, 23, 23}));
    // The text was not cleared by the updates between: the record keeps it.
    EXPECT_EQ(bandeja.llamadas[3].leido().szInfo(), saludo);
}

TEST_F(AdvSysTrayTest, FailedModifyIsIgnored) {
    auto ast = nueva(5);
    ast->Create(propietario);
    bandeja.fallan.insert(Op::Modificar);
    ast->Tooltip("nuevo");
    ast->ShowBalloon("a", "b", 1);
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(ast->Tooltip(), "nuevo");
}

class BandejaQueLanza : public Bandeja {
public:
    std::optional<std::uint32_t> version() override { throw std::runtime_error("sin DllGetVersion"); }
    bool agregar(const RegistroNotificacion&) override { return true; }
    bool modificar(const RegistroNotificacion&) override { return true; }
    bool eliminar(const RegistroNotificacion&) override { return true; }
    std::uint32_t iconoDeSemana(int) override { return 0; }
};

TEST_F(AdvSysTrayTest, AVersionQueryThatThrowsCountsAsVersionZero) {
    BandejaQueLanza lanza;
    AdvSysTray ast(lanza, reloj);
    EXPECT_EQ(ast.ShellVersion(), 0);
    EXPECT_EQ(ast.limiteTip(), 63);
}

// Which event, if any, each mouse message raises.
TEST_F(AdvSysTrayTest, MouseMessagesRaiseTheirEvents) {
    auto ast = nueva(5);
    ast->Create(propietario);
    std::vector<int> cuentas(6, 0);
    std::function<void()>* eventos[] = {&ast->LButtonDown, &ast->LButtonUp, &ast->LButtonDblClk,
                                        &ast->RButtonDown, &ast->RButtonUp, &ast->RButtonDblClk};
    for (std::size_t i = 0; i < 6; ++i) *eventos[i] = [&cuentas, i] { ++cuentas[i]; };
    for (std::uint32_t nada : {0u, 0x200u, 0x207u, 519u, 1000u, 0x0202u + 0x10000u}) bandeja.inyectar(nada);
    EXPECT_EQ(cuentas, std::vector<int>(6, 0));
    for (std::uint32_t m = 0x201; m <= 0x206; ++m) {
        bandeja.inyectar(m);
        std::vector<int> esperado(6, 0);
        for (std::uint32_t k = 0x201; k <= m; ++k) esperado[k - 0x201] = 1;
        EXPECT_EQ(cuentas, esperado) << "mensaje " << m;
    }
}

TEST_F(AdvSysTrayTest, AHandlerMayReleaseTheObjectThatRaisedIt) {
    auto ast = nueva(5);
    ast->Create(propietario);
    int llamadas = 0;
    ast->RButtonUp = [&] {
        ++llamadas;
        ast.reset();  // what Salir in the icon's menu comes to
    };
    bandeja.inyectar(0x205);
    EXPECT_EQ(llamadas, 1);
    EXPECT_EQ(bandeja.operaciones().back(), Op::Eliminar);
    bandeja.inyectar(0x205);
    EXPECT_EQ(llamadas, 1);
}

}  // namespace
}  // namespace tarvolo
