#include "shell/temporizador_semana.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "falsos/bandeja_grabada.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"
#include "falsos/temporizador_limite_falso.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;

// 2020 has 53 weeks: week 53 begins on Sunday 27 December 2020 and week 1
// of 2021 on Sunday 3 January 2021.
constexpr Fecha kSabado52 = 2020y / December / 26;
constexpr Fecha kDomingo53 = 2020y / December / 27;
constexpr Fecha kSabado53 = 2021y / January / 2;
constexpr Fecha kDomingo1 = 2021y / January / 3;

class TemporizadorSemanaTest : public ::testing::Test {
protected:
    TemporizadorSemanaTest() {
        ast->Create(propietario);
        bandeja.llamadas.clear();
    }

    std::unique_ptr<TemporizadorSemana> empezar() {
        auto falso = std::make_unique<TemporizadorLimiteFalso>();
        limite = falso.get();
        return std::make_unique<TemporizadorSemana>([this] { return ast.get(); }, bandeja, reloj,
                                                    std::move(falso));
    }

    // The clock now reads `dia` and the alarm goes off.
    void sonarEl(Fecha dia) {
        reloj.fijar(dia);
        limite->sonarYa();
    }

    // The week the icon shows, by the icon handle handed to the tray.
    std::uint32_t icono() const { return ast->Icon(); }
    static std::uint32_t iconoDe(int semana) {
        return BandejaGrabada::kIconosDeSemana + static_cast<std::uint32_t>(semana);
    }
    long modificaciones() const {
        const auto ops = bandeja.operaciones();
        return static_cast<long>(std::count(ops.begin(), ops.end(), Op::Modificar));
    }

    BandejaGrabada bandeja;
    RelojFijo reloj{kSabado52};
    prueba::VentanaPropietaria propietario{reloj};
    std::unique_ptr<AdvSysTray> ast = std::make_unique<AdvSysTray>(bandeja, reloj);
    TemporizadorLimiteFalso* limite = nullptr;
};

TEST_F(TemporizadorSemanaTest, AtStartTheIconShowsTheWeekAndTheAlarmWaitsForSunday) {
    const auto semana = empezar();
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 52");
    EXPECT_EQ(icono(), iconoDe(52));
    // The tooltip written by Create was right already: only the icon changed.
    EXPECT_EQ(bandeja.operaciones(), std::vector<Op>{Op::Modificar});
    EXPECT_EQ(limite->armados, std::vector<Fecha>{kDomingo53});
    EXPECT_EQ(semana->proximoLimite(), kDomingo53);
}

TEST_F(TemporizadorSemanaTest, TheNewWeekNeverShowsTheGreetingAgain) {
    const std::string saludo = "Semana Epidemiológica Actual: 52";
    ast->ShowBalloon(saludo, "Tarvolo", 1);
    const auto semana = empezar();
    sonarEl(kDomingo53);
    ASSERT_EQ(modificaciones(), 4);  // the greeting, the start's icon, Sunday's tooltip and icon
    for (std::size_t i = 1; i < bandeja.llamadas.size(); ++i) {
        const RegistroNotificacion r = bandeja.llamadas[i].leido();
        EXPECT_EQ(r.uFlags() & RegistroNotificacion::kGlobo, 0u) << "llamada " << i << ": " << r.szTip();
    }
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 53");
}

TEST_F(TemporizadorSemanaTest, ChangesExactlyAtSundayAcrossA53WeekYearsEnd) {
    const auto semana = empezar();
    bandeja.llamadas.clear();

    // The clock set forward within Saturday: still week 52, nothing sent.
    sonarEl(kSabado52);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 52");
    EXPECT_EQ(icono(), iconoDe(52));
    EXPECT_EQ(modificaciones(), 0);
    EXPECT_EQ(limite->armados.back(), kDomingo53);

    sonarEl(kDomingo53);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 53");
    EXPECT_EQ(icono(), iconoDe(53));
    EXPECT_EQ(limite->armados.back(), kDomingo1);

    sonarEl(kSabado53);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 53");
    EXPECT_EQ(limite->armados.back(), kDomingo1);

    sonarEl(kDomingo1);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 1");
    EXPECT_EQ(icono(), iconoDe(1));
    EXPECT_EQ(limite->armados.back(), 2021y / January / 10);
    // Two changes of week, each one tooltip and one icon.
    EXPECT_EQ(modificaciones(), 4);
}

TEST_F(TemporizadorSemanaTest, AClockSetBackAWeekShowsThatWeekAgain) {
    reloj.fijar(kDomingo1);
    const auto semana = empezar();
    sonarEl(kSabado53);
    EXPECT_EQ(ast->Tooltip(), "Semana Epidemiológica 53");
    EXPECT_EQ(icono(), iconoDe(53));
    EXPECT_EQ(limite->armados.back(), kDomingo1);
}

TEST_F(TemporizadorSemanaTest, WithoutTheTrayItStillWaitsAndWritesNothing) {
    ast->Destroy();
    bandeja.llamadas.clear();
    const auto semana = empezar();
    sonarEl(kDomingo53);
    EXPECT_TRUE(bandeja.llamadas.empty());
    EXPECT_EQ(limite->armados, (std::vector<Fecha>{kDomingo53, kDomingo1}));

    // The tray object released at the program's end: the alarm is harmless.
    ast.reset();
    bandeja.llamadas.clear();
    sonarEl(kDomingo1);
    EXPECT_TRUE(bandeja.llamadas.empty());
    EXPECT_EQ(limite->armados.back(), 2021y / January / 10);
}

struct Siguiente {
    Fecha dia, domingo;
};

TEST(DomingoSiguiente, IsTheStartOfTheNextWeek) {
    const Siguiente casos[] = {
        {2021y / January / 3, 2021y / January / 10},     // a Sunday: the one after
        {2020y / December / 26, 2020y / December / 27},  // a Saturday: the next day
        {2020y / December / 30, 2021y / January / 3},    // across the year's end
        {2004y / February / 28, 2004y / February / 29},  // onto a leap day
        {2100y / February / 27, 2100y / February / 28},  // no leap day in 2100
    };
    for (const auto& c : casos) {
        EXPECT_EQ(domingoSiguiente(c.dia), c.domingo)
            << static_cast<int>(c.dia.year()) << "-" << static_cast<unsigned>(c.dia.month()) << "-"
            << static_cast<unsigned>(c.dia.day());
        EXPECT_EQ(diaDeLaSemana(Dias{domingoSiguiente(c.dia)}), 0);
    }
}

}  // namespace
}  // namespace tarvolo
