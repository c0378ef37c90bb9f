#include "shell/adv_sys_tray.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>
#include <stdexcept>

#include "falsos/bandeja_grabada.h"
#include "falsos/reloj_fijo.h"
#include "shell/identificadores.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;

// Sunday 11 to Saturday 17 February 2024 is week 7.
constexpr Fecha kSemana7{year{2024}, February, day{17}};

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
    RegistroNotificacion ultimo() const { return bandeja.llamadas.last().leido(); }

    BandejaGrabada bandeja;
    RelojFijo reloj{kSemana7};
    QWidget propietario;
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
    ASSERT_EQ(bandeja.operaciones(), QVector<Op>{Op::Agregar});
    const RegistroNotificacion r = ultimo();
    EXPECT_EQ(r.cbSize(), v.cbSize);
    EXPECT_EQ(r.uFlags(), v.uFlags);
    EXPECT_EQ(r.uID(), 1u);
    EXPECT_EQ(r.uCallbackMessage(), 0x200u);
    EXPECT_EQ(r.hWnd(), identificadorDeVentana(&propietario));
    EXPECT_NE(r.hWnd(), 0u);

    ast->Tooltip(QString(200, QLatin1Char('t')));
    EXPECT_EQ(ast->Tooltip(), QString(v.limiteTip, QLatin1Char('t')));

    bandeja.llamadas.clear();
    ast->ShowBalloon(QString(300, QLatin1Char('g')), QString(80, QLatin1Char('h')), 1);
    ast->HideBalloon();
    if (v.globos) {
        ASSERT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Modificar, Op::Modificar}));
        const RegistroNotificacion globo = bandeja.llamadas.first().leido();
        EXPECT_EQ(globo.szInfo(), QString(255, QLatin1Char('g')));
        EXPECT_EQ(globo.szInfoTitle(), QString(63, QLatin1Char('h')));
        EXPECT_EQ(globo.dwInfoFlags(), 1u);
        EXPECT_TRUE(ultimo().szInfo().isEmpty());
        EXPECT_EQ(ultimo().szInfoTitle(), QString(63, QLatin1Char('h')));  // only the text goes
    } else {
        EXPECT_TRUE(bandeja.llamadas.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Versiones, PorVersion,
                         ::testing::Values(Version{6, 6, 127, 488, 23, true},
                                           Version{5, 5, 127, 488, 23, true}, Version{4, 4, 63, 88, 7, false},
                                           Version{std::nullopt, 0, 63, 88, 7, false}));

TEST_F(AdvSysTrayTest, CreateWritesTodaysWeekInTheTooltipUncut) {
    auto ast = nueva(4);  // limit 63 does not apply at Create
    ast->Create(propietario);
    QByteArray esperado("Semana Epidemiol\xF3gica 7");
    esperado.append('\0');
    esperado.append(QByteArray(128 - esperado.size(), ' '));
    EXPECT_EQ(bandeja.llamadas.last().registro.mid(24, 128), esperado);
    EXPECT_EQ(ast->Tooltip(), QStringLiteral("Semana Epidemiológica 7"));
}

TEST_F(AdvSysTrayTest, CreateTakesTheOwnersIcon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    propietario.setWindowIcon(QIcon(pixmap));
    auto ast = nueva(5);
    ast->Create(propietario);
    EXPECT_EQ(ultimo().hIcon(), identificadorDeIcono(propietario.windowIcon()));
    EXPECT_EQ(ast->Icon().cacheKey(), propietario.windowIcon().cacheKey());

    QPixmap otro(16, 16);
    otro.fill(Qt::blue);
    const QIcon nuevo(otro);
    ast->Icon(nuevo);
    EXPECT_EQ(bandeja.operaciones().last(), Op::Modificar);
    EXPECT_EQ(ultimo().hIcon(), identificadorDeIcono(nuevo));
    EXPECT_NE(ultimo().hIcon(), identificadorDeIcono(propietario.windowIcon()));
}

TEST_F(AdvSysTrayTest, SecondCreateChangesNothing) {
    auto ast = nueva(5);
    ast->Create(propietario);
    reloj.fijar(Fecha{year{2024}, February, day{18}});  // week 8
    ast->Create(propietario);
    EXPECT_EQ(bandeja.operaciones(), QVector<Op>{Op::Agregar});
    EXPECT_EQ(ast->Tooltip(), QStringLiteral("Semana Epidemiológica 7"));
}

TEST_F(AdvSysTrayTest, DestroyBeforeCreateAndTwiceDoesNothing) {
    auto ast = nueva(5);
    ast->Destroy();
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
    ast->Create(propietario);
    ast->Destroy();
    ast->Destroy();
    EXPECT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Agregar, Op::Eliminar}));
    EXPECT_FALSE(ast->registrado());
    EXPECT_TRUE(ast->Tooltip().isEmpty());
}

TEST_F(AdvSysTrayTest, WritesBeforeCreateAreLost) {
    auto ast = nueva(5);
    ast->Tooltip(QStringLiteral("perdido"));
    ast->Icon(QIcon(QPixmap(16, 16)));
    ast->ShowBalloon(QStringLiteral("t"), QStringLiteral("x"), 1);
    ast->HideBalloon();
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
    EXPECT_TRUE(ast->Tooltip().isEmpty());
    EXPECT_TRUE(ast->Icon().isNull());
    ast->Create(propietario);
    EXPECT_EQ(ast->Tooltip(), QStringLiteral("Semana Epidemiológica 7"));
    EXPECT_TRUE(ultimo().szInfo().isEmpty());
}

TEST_F(AdvSysTrayTest, FailedAddLeavesItUnregisteredUntilALaterCreate) {
    auto ast = nueva(5);
    bandeja.fallan.insert(Op::Agregar);
    ast->Create(propietario);
    EXPECT_FALSE(ast->registrado());
    EXPECT_TRUE(ast->Tooltip().isEmpty());
    ast->ShowBalloon(QStringLiteral("t"), QStringLiteral("x"), 1);
    ast->Tooltip(QStringLiteral("y"));
    EXPECT_EQ(bandeja.operaciones(), QVector<Op>{Op::Agregar});

    // The owner is remembered, so its mouse still arrives.
    QSignalSpy arriba(ast.get(), &AdvSysTray::LButtonUp);
    bandeja.inyectar(0x202);
    EXPECT_EQ(arriba.count(), 1);

    bandeja.fallan.clear();
    ast->Create(propietario);
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Agregar, Op::Agregar}));
    bandeja.inyectar(0x202);
    EXPECT_EQ(arriba.count(), 2);  // one subscription, not two
}

TEST_F(AdvSysTrayTest, FailedDeleteKeepsTheFlagButDropsTheOwner) {
    auto ast = nueva(5);
    ast->Create(propietario);
    bandeja.fallan.insert(Op::Eliminar);
    ast->Destroy();
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(ast->Tooltip(), QStringLiteral("Semana Epidemiológica 7"));

    QSignalSpy arriba(ast.get(), &AdvSysTray::RButtonUp);
    bandeja.inyectar(0x205);
    EXPECT_EQ(arriba.count(), 0);

    ast->Create(propietario);  // still registered: nothing
    EXPECT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Agregar, Op::Eliminar}));
}

TEST_F(AdvSysTrayTest, ReleasingARegisteredObjectRemovesTheIcon) {
    auto ast = nueva(5);
    ast->Create(propietario);
    const QByteArray registro = bandeja.llamadas.last().registro;
    ast.reset();
    ASSERT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Agregar, Op::Eliminar}));
    EXPECT_EQ(bandeja.llamadas.last().registro, registro);

    bandeja.llamadas.clear();
    auto nunca = nueva(5);
    nunca.reset();
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
}

TEST_F(AdvSysTrayTest, UpdatesCarryTheCurrentBalloonText) {
    auto ast = nueva(5);
    ast->Create(propietario);
    ast->ShowBalloon(QStringLiteral("Semana Epidemiológica Actual: 7"), QStringLiteral("T"), 1);
    ast->Tooltip(QStringLiteral("otro"));
    EXPECT_EQ(ultimo().szInfo(), QStringLiteral("Semana Epidemiológica Actual: 7"));
    EXPECT_EQ(ultimo().szTip(), QStringLiteral("otro"));
}

// A greeting, then what the new week writes, then two more greetings: only
// the greetings (and hiding one) ask the shell for a balloon; the other
// updates keep every other flag.
TEST_F(AdvSysTrayTest, OnlyTheBalloonCallsCarryTheBalloonFlag) {
    auto ast = nueva(5);
    ast->Create(propietario);
    const QString saludo = QStringLiteral("Semana Epidemiológica Actual: 7");
    ast->ShowBalloon(saludo, QStringLiteral("T"), 1);
    ast->Tooltip(QStringLiteral("Semana Epidemiológica 8"));
    ast->Icon(QIcon(QPixmap(16, 16)));
    ast->ShowBalloon(saludo, QStringLiteral("T"), 1);
    ast->HideBalloon();

    QVector<std::uint32_t> flags;
    for (const auto& llamada : bandeja.llamadas) flags.append(llamada.leido().uFlags());
    EXPECT_EQ(flags, (QVector<std::uint32_t>{23, 23, 7, 7, 23, 23}));
    // The text was not cleared by the updates between: the record keeps it.
    EXPECT_EQ(bandeja.llamadas[3].leido().szInfo(), saludo);
}

TEST_F(AdvSysTrayTest, FailedModifyIsIgnored) {
    auto ast = nueva(5);
    ast->Create(propietario);
    bandeja.fallan.insert(Op::Modificar);
    ast->Tooltip(QStringLiteral("nuevo"));
    ast->ShowBalloon(QStringLiteral("a"), QStringLiteral("b"), 1);
    EXPECT_TRUE(ast->registrado());
    EXPECT_EQ(ast->Tooltip(), QStringLiteral("nuevo"));
}

class BandejaQueLanza : public Bandeja {
public:
    std::optional<std::uint32_t> version() override { throw std::runtime_error("sin DllGetVersion"); }
    bool agregar(const RegistroNotificacion&) override { return true; }
    bool modificar(const RegistroNotificacion&) override { return true; }
    bool eliminar(const RegistroNotificacion&) override { return true; }
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
    QSignalSpy s1(ast.get(), &AdvSysTray::LButtonDown), s2(ast.get(), &AdvSysTray::LButtonUp),
        s3(ast.get(), &AdvSysTray::LButtonDblClk), s4(ast.get(), &AdvSysTray::RButtonDown),
        s5(ast.get(), &AdvSysTray::RButtonUp), s6(ast.get(), &AdvSysTray::RButtonDblClk);
    QSignalSpy* espias[] = {&s1, &s2, &s3, &s4, &s5, &s6};
    const auto cuentas = [&] {
        std::vector<int> c;
        for (auto* e : espias) c.push_back(static_cast<int>(e->count()));
        return c;
    };
    for (quint32 nada : {0u, 0x200u, 0x207u, 519u, 1000u, 0x0202u + 0x10000u}) bandeja.inyectar(nada);
    EXPECT_EQ(cuentas(), std::vector<int>(6, 0));
    for (quint32 m = 0x201; m <= 0x206; ++m) {
        bandeja.inyectar(m);
        std::vector<int> esperado(6, 0);
        for (quint32 k = 0x201; k <= m; ++k) esperado[k - 0x201] = 1;
        EXPECT_EQ(cuentas(), esperado) << "mensaje " << m;
    }
}

}  // namespace
}  // namespace tarvolo
