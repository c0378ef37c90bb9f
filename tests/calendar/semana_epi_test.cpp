// SemanaEpi, AnioEpi, CuatrisemanaEpi and ArmarFecha.

#include "calendar/semana_epi.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>
#include <vector>

#include "calendar/dias.h"
#include "calendar/error_ejecucion.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
using tarvolo::AnioEpi;
using tarvolo::ArmarFecha;
using tarvolo::CuatrisemanaEpi;
using tarvolo::ErrorEjecucion;
using tarvolo::Fecha;
using tarvolo::Parte;
using tarvolo::SemanaEpi;

namespace {

// Today for every test here: Saturday 3 January 2004, the last day of week 53
// of 2003 (period 13), so an omitted part is easy to tell apart.
constexpr Fecha kHoy{year{2004}, January, day{3}};

// Runs `f` and returns the number of the ErrorEjecucion it throws, or -1 if
// it throws nothing. Any other exception fails the test.
template <class F>
int numeroDeError(F&& f, std::string* descripcion = nullptr) {
    try {
        f();
    } catch (const ErrorEjecucion& e) {
        if (descripcion != nullptr) *descripcion = e.descripcion();
        return e.numero();
    }
    return -1;
}

// The years compared day by day against the independent walk: all of
// 100..9999, or 1583..2600 in a sanitized or Debug build.
constexpr int kDesde = oraculo::kPruebaCompleta ? 100 : 1583;
constexpr int kHasta = oraculo::kPruebaCompleta ? 9999 : 2600;

// The independent walk over those years, built once.
const oraculo::Calendario& calendarioCompleto() {
    static const oraculo::Calendario cal(kDesde, kHasta);
    return cal;
}

struct FechaTrabajada {
    int dia, mes, anio;
    int diaSemana;  // Sunday = 1
    int semana, anioEpi, cuatrisemana;
};

// Worked dates around the year boundaries.
const std::vector<FechaTrabajada> kTrabajadas = {
    {29, 12, 2002, 1, 1, 2003, 1},   {1, 1, 2003, 4, 1, 2003, 1},     {28, 12, 2003, 1, 53, 2003, 13},
    {31, 12, 2003, 4, 53, 2003, 13}, {3, 1, 2004, 7, 53, 2003, 13},   {4, 1, 2004, 1, 1, 2004, 1},
    {8, 11, 2004, 2, 45, 2004, 12},  {31, 12, 2004, 6, 52, 2004, 13}, {1, 1, 2005, 7, 52, 2004, 13},
    {2, 1, 2005, 1, 1, 2005, 1},     {31, 12, 2005, 7, 52, 2005, 13}, {1, 1, 2006, 1, 1, 2006, 1},
    {30, 12, 2007, 1, 1, 2008, 1},   {31, 12, 2007, 2, 1, 2008, 1},   {1, 1, 2009, 5, 53, 2008, 13},
    {2, 1, 2010, 7, 52, 2009, 13},   {3, 1, 2010, 1, 1, 2010, 1},
};

// ---------------------------------------------------------------- worked dates

TEST(FechasTrabajadas, SemanaAnioYCuatrisemanaConNumeros) {
    for (const auto& t : kTrabajadas) {
        SCOPED_TRACE(std::to_string(t.dia) + "/" + std::to_string(t.mes) + "/" + std::to_string(t.anio));
        const int semana = SemanaEpi(kHoy, t.dia, t.mes, t.anio);
        EXPECT_EQ(semana, t.semana);
        EXPECT_EQ(AnioEpi(kHoy, t.dia, t.mes, t.anio), t.anioEpi);
        EXPECT_EQ(CuatrisemanaEpi(kHoy, t.dia, t.mes, t.anio), t.cuatrisemana);
        // As DescribirDia calls them: the week passed on to the other two.
        EXPECT_EQ(AnioEpi(kHoy, t.dia, t.mes, t.anio, semana), t.anioEpi);
        EXPECT_EQ(CuatrisemanaEpi(kHoy, t.dia, t.mes, t.anio, semana), t.cuatrisemana);
    }
}

TEST(FechasTrabajadas, SemanaAnioYCuatrisemanaConTextos) {
    for (const auto& t : kTrabajadas) {
        // Two-digit day and month, as "dd/mm/yyyy" would spell them.
        char d[3], m[3];
        std::snprintf(d, sizeof d, "%02d", t.dia);
        std::snprintf(m, sizeof m, "%02d", t.mes);
        const std::string a = std::to_string(t.anio);
        SCOPED_TRACE(std::string(d) + "/" + m + "/" + a);
        const int semana = SemanaEpi(kHoy, d, m, a);
        EXPECT_EQ(semana, t.semana);
        EXPECT_EQ(AnioEpi(kHoy, d, m, a), t.anioEpi);
        EXPECT_EQ(CuatrisemanaEpi(kHoy, d, m, a), t.cuatrisemana);
        // The week as text, as the builders pass it.
        EXPECT_EQ(AnioEpi(kHoy, d, m, a, std::to_string(semana)), t.anioEpi);
    }
}

TEST(FechasTrabajadas, DiaDeLaSemanaConDomingoComoUno) {
    for (const auto& t : kTrabajadas) {
        SCOPED_TRACE(std::to_string(t.dia) + "/" + std::to_string(t.mes) + "/" + std::to_string(t.anio));
        const Fecha f = ArmarFecha(kHoy, t.dia, t.mes, t.anio);
        EXPECT_EQ(
            f, Fecha(year{t.anio}, month{static_cast<unsigned>(t.mes)}, day{static_cast<unsigned>(t.dia)}));
        EXPECT_EQ(static_cast<int>(weekday{sys_days{f}}.c_encoding()) + 1, t.diaSemana);
        EXPECT_EQ(tarvolo::diaDeLaSemana(sys_days{f}) + 1, t.diaSemana);
        EXPECT_EQ(oraculo::diaDeLaSemana(t.anio, t.mes, t.dia) + 1, t.diaSemana);
    }
}

TEST(FechasTrabajadas, ElOraculoDaLasMismasRespuestas) {
    const oraculo::Calendario cal(2002, 2010);
    for (const auto& t : kTrabajadas) {
        bool visto = false;
        for (const auto& d : cal.dias()) {
            if (d.anio != t.anio || d.mes != t.mes || d.dia != t.dia) continue;
            visto = true;
            EXPECT_EQ(d.dds + 1, t.diaSemana);
            EXPECT_EQ(d.semana, t.semana);
            EXPECT_EQ(d.anioEpi, t.anioEpi);
            EXPECT_EQ(d.cuatrisemana, t.cuatrisemana);
        }
        EXPECT_TRUE(visto);
    }
}

TEST(FechasTrabajadas, PrimerDomingoYNumeroDeSemanas) {
    // Week 1 of 2003 begins 29/12/2002, of 2004 on 04/01/2004, of 2008 on
    // 30/12/2007; 2003 and 2008 have 53 weeks, 2004 to 2007 have 52.
    EXPECT_EQ(tarvolo::domingoDeSemana1(2003), sys_days{year{2002} / December / 29});
    EXPECT_EQ(tarvolo::domingoDeSemana1(2004), sys_days{year{2004} / January / 4});
    EXPECT_EQ(tarvolo::domingoDeSemana1(2008), sys_days{year{2007} / December / 30});
    EXPECT_EQ(SemanaEpi(kHoy, 27, 12, 2008), 52);
    EXPECT_EQ(SemanaEpi(kHoy, 28, 12, 2008), 53);
    EXPECT_EQ(SemanaEpi(kHoy, 3, 1, 2009), 53);
    // 28 December always lies in the last week of its year.
    EXPECT_EQ(SemanaEpi(kHoy, 28, 12, 2003), 53);
    for (int a : {2004, 2005, 2006, 2007}) EXPECT_EQ(SemanaEpi(kHoy, 28, 12, a), 52) << a;
    const oraculo::Calendario cal(2002, 2010);
    EXPECT_EQ(cal.semanasDe(2003), 53);
    EXPECT_EQ(cal.semanasDe(2008), 53);
    for (int a : {2004, 2005, 2006, 2007, 2009}) EXPECT_EQ(cal.semanasDe(a), 52) << a;
    // The years with 53 weeks among 1999..2030.
    const oraculo::Calendario largo(1999, 2030);
    for (int a = 1999; a <= 2030; ++a) {
        const bool de53 = a == 2003 || a == 2008 || a == 2014 || a == 2020 || a == 2025;
        EXPECT_EQ(largo.semanasDe(a), de53 ? 53 : 52) << a;
    }
}

// ------------------------------------------------- Sundays on 29..31 December

TEST(DomingosDeFinDeAnio, SonSemanaUnoDelAnioSiguiente) {
    int vistos = 0;
    for (int a = 100; a <= 9999; ++a) {
        for (int d = 29; d <= 31; ++d) {
            if (oraculo::diaDeLaSemana(a, 12, d) != 0) continue;
            ++vistos;
            ASSERT_EQ(SemanaEpi(kHoy, d, 12, a), 1) << d << "/12/" << a;
            ASSERT_EQ(AnioEpi(kHoy, d, 12, a), a + 1) << d << "/12/" << a;
            ASSERT_EQ(CuatrisemanaEpi(kHoy, d, 12, a), 1) << d << "/12/" << a;
            // And the Saturday before closes the last week of the year.
            const int anterior = SemanaEpi(kHoy, d - 1, 12, a);
            ASSERT_TRUE(anterior == 52 || anterior == 53) << d - 1 << "/12/" << a;
            ASSERT_EQ(AnioEpi(kHoy, d - 1, 12, a), a);
        }
    }
    // Three days out of seven, over 9,900 years: about 4,243 Sundays.
    EXPECT_GT(vistos, 4000);
}

// ------------------------------------------------- long-range comparison

// Every day of the years kDesde..kHasta against the independent walk.
TEST(ComparacionLarga, TodosLosDiasContraElOraculo) {
    const oraculo::Calendario& cal = calendarioCompleto();
    long comparados = 0;
    for (const auto& d : cal.dias()) {
        if (d.anio < kDesde || d.anio > kHasta) continue;
        ASSERT_GT(d.semana, 0);  // the walk starts early enough
        const int semana = SemanaEpi(kHoy, d.dia, d.mes, d.anio);
        if (semana != d.semana || AnioEpi(kHoy, d.dia, d.mes, d.anio) != d.anioEpi ||
            CuatrisemanaEpi(kHoy, d.dia, d.mes, d.anio) != d.cuatrisemana ||
            AnioEpi(kHoy, d.dia, d.mes, d.anio, d.semana) != d.anioEpi ||
            CuatrisemanaEpi(kHoy, {}, {}, {}, d.semana) != d.cuatrisemana) {
            FAIL() << d.dia << "/" << d.mes << "/" << d.anio << ": core " << semana << " "
                   << AnioEpi(kHoy, d.dia, d.mes, d.anio) << " "
                   << CuatrisemanaEpi(kHoy, d.dia, d.mes, d.anio) << ", oracle " << d.semana << " "
                   << d.anioEpi << " " << d.cuatrisemana;
        }
        ++comparados;
    }
    if (oraculo::kPruebaCompleta) {
        EXPECT_EQ(comparados, 3'615'900);  // days from 1/1/100 to 31/12/9999
    }
}

// The closed form itself (the benchmarked function) over the same range,
// plus the rule for the years with 53 weeks (1 January on a Wednesday, or a
// Tuesday in a leap year).
TEST(ComparacionLarga, FormaCerradaContraElOraculo) {
    const oraculo::Calendario& cal = calendarioCompleto();
    for (const auto& d : cal.dias()) {
        if (d.anio < kDesde || d.anio > kHasta) continue;
        const auto r = tarvolo::semanaDe(
            sys_days{year{d.anio} / month{static_cast<unsigned>(d.mes)} / day{static_cast<unsigned>(d.dia)}});
        if (r.semana != d.semana || r.anio != d.anioEpi || r.cuatrisemana != d.cuatrisemana)
            FAIL() << d.dia << "/" << d.mes << "/" << d.anio;
    }
    for (int a = kDesde; a <= kHasta; ++a) {
        const int enero1 = oraculo::diaDeLaSemana(a, 1, 1);
        const bool de53 = enero1 == 3 || (enero1 == 2 && oraculo::esBisiesto(a));
        ASSERT_EQ(cal.semanasDe(a), de53 ? 53 : 52) << a;
        const auto& domingo = cal.domingoDeSemana1(a);
        ASSERT_EQ(tarvolo::domingoDeSemana1(a),
                  sys_days{year{domingo.anio} / month{static_cast<unsigned>(domingo.mes)} /
                           day{static_cast<unsigned>(domingo.dia)}})
            << a;
    }
}

// The same answers whether the parts come as numbers or as texts, in several
// spellings, for every day of 1990..2030 and a sample of the whole range.
TEST(ComparacionLarga, TextosYNumerosDanLoMismo) {
    const oraculo::Calendario& cal = calendarioCompleto();
    long i = 0;
    for (const auto& d : cal.dias()) {
        ++i;
        if (d.anio < kDesde || d.anio > kHasta) continue;
        if ((d.anio < 1990 || d.anio > 2030) && i % 211 != 0) continue;
        char dd[3], mm[3];
        std::snprintf(dd, sizeof dd, "%02d", d.dia);
        std::snprintf(mm, sizeof mm, "%02d", d.mes);
        const std::string a = std::to_string(d.anio);
        const std::string ds = std::to_string(d.dia), ms = std::to_string(d.mes);
        const Parte dl = " " + ds + "\t", ml = "  " + ms, al = a + "  ";
        if (SemanaEpi(kHoy, dd, mm, a) != d.semana || SemanaEpi(kHoy, ds, ms, a) != d.semana ||
            SemanaEpi(kHoy, dl, ml, al) != d.semana || SemanaEpi(kHoy, d.dia, ms, a) != d.semana ||
            AnioEpi(kHoy, dd, mm, a) != d.anioEpi || AnioEpi(kHoy, dl, ml, al) != d.anioEpi ||
            CuatrisemanaEpi(kHoy, dd, mm, a) != d.cuatrisemana ||
            CuatrisemanaEpi(kHoy, dl, ml, al) != d.cuatrisemana ||
            ArmarFecha(kHoy, dl, ml, al) != ArmarFecha(kHoy, d.dia, d.mes, d.anio))
            FAIL() << dd << "/" << mm << "/" << a;
    }
}

// ------------------------------------------------- AnioEpi with a week given

TEST(AnioEpiConSemana, PrimerosDiasDeEnero) {
    // Mes 1, Dia 2: Semana 1 keeps the year, 52 or 53 step back.
    EXPECT_EQ(AnioEpi(kHoy, 2, 1, 2005, 1), 2005);
    EXPECT_EQ(AnioEpi(kHoy, 2, 1, 2005, 52), 2004);
    EXPECT_EQ(AnioEpi(kHoy, 2, 1, 2005, 53), 2004);
    EXPECT_EQ(AnioEpi(kHoy, 1, 1, 2005, 2), 2004);  // "greater than 1"
    EXPECT_EQ(AnioEpi(kHoy, 3, 1, 2005, 52), 2004);
    EXPECT_EQ(AnioEpi(kHoy, 4, 1, 2005, 52), 2005);  // 4 is not below 4
    EXPECT_EQ(AnioEpi(kHoy, 2, 2, 2005, 52), 2005);  // only January steps back
}

TEST(AnioEpiConSemana, UltimosDiasDeDiciembre) {
    // Mes 12, Dia 28 keeps the year whatever the week (28 is not above 28).
    for (int s : {0, 1, 2, 52, 53, 99}) EXPECT_EQ(AnioEpi(kHoy, 28, 12, 2005, s), 2005) << s;
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, 2005, 1), 2006);
    EXPECT_EQ(AnioEpi(kHoy, 31, 12, 2005, 1), 2006);
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, 2005, 52), 2005);
    EXPECT_EQ(AnioEpi(kHoy, 30, 11, 2005, 1), 2005);  // only December steps forward
}

TEST(AnioEpiConSemana, ElTextoDeLaSemanaEnsanchadoValeLoMismo) {
    // The builders pass the week text widened with two blanks ("  1").
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, 2002, "  1"), 2003);
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, 2002, "1"), 2003);
    EXPECT_EQ(AnioEpi(kHoy, "29", "12", "2002", "  1"), 2003);
    EXPECT_EQ(AnioEpi(kHoy, 2, 1, 2005, "52"), 2004);
}

TEST(AnioEpiConSemana, NoFormaFechaYNoFallaConFechasImposibles) {
    // With an explicit week no date is formed: 31/4 and 29/2 of a common
    // year are just numbers here.
    EXPECT_EQ(AnioEpi(kHoy, 31, 4, 2005, 18), 2005);
    EXPECT_EQ(AnioEpi(kHoy, 29, 2, 2003, 9), 2003);
    EXPECT_EQ(AnioEpi(kHoy, 3, 1, 50, 53), 49);  // no year range either
}

TEST(AnioEpiConSemana, DesbordamientoEsElError6) {
    std::string descripcion;
    EXPECT_EQ(numeroDeError([] { AnioEpi(kHoy, 29, 12, 32767, 1); }, &descripcion), 6);
    EXPECT_EQ(descripcion, "Desbordamiento");
    EXPECT_EQ(numeroDeError([] { AnioEpi(kHoy, 31, 12, "32767", "1"); }), 6);
    EXPECT_EQ(numeroDeError([] { AnioEpi(kHoy, 1, 1, -32768, 52); }), 6);
    EXPECT_EQ(numeroDeError([] { AnioEpi(kHoy, 15, 6, 40000, 24); }), 6);
    EXPECT_EQ(numeroDeError([] { AnioEpi(kHoy, 15, 6, "99999999999999999999999", 24); }), 6);
    // The edges that still fit.
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, 32766, 1), 32767);
    EXPECT_EQ(AnioEpi(kHoy, 28, 12, 32767, 1), 32767);
    EXPECT_EQ(AnioEpi(kHoy, 1, 1, -32767, 52), -32768);
    EXPECT_EQ(AnioEpi(kHoy, 1, 1, -32768, 1), -32768);
}

TEST(AnioEpiConSemana, AniosExtremosSonError6SinDesbordarElPaso) {
    // Number parts reach AnioEpi unchecked; the one-year step must not be
    // taken on a year that is already far out of range.
    constexpr long long kMin = std::numeric_limits<long long>::min();
    constexpr long long kMax = std::numeric_limits<long long>::max();
    struct Caso {
        long long dia, mes, anio, semana;
    };
    const std::vector<Caso> casos = {
        {1, 1, kMin, 52},     {3, 1, kMin, 2},       {1, 1, kMin, 1},    {29, 12, kMax, 1},
        {31, 12, kMax, 1},    {28, 12, kMax, 1},     {15, 6, kMin, 24},  {15, 6, kMax, 24},
        {1, 1, kMin + 1, 52}, {31, 12, kMax - 1, 1}, {1, 1, -32770, 52}, {29, 12, 32769, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.dia) + "/" + std::to_string(c.mes) + "/" + std::to_string(c.anio) +
                     " semana " + std::to_string(c.semana));
        EXPECT_EQ(numeroDeError([&c] { AnioEpi(kHoy, c.dia, c.mes, c.anio, c.semana); }), 6);
    }
    // One step beyond 16 bits that the step brings back still counts.
    EXPECT_EQ(AnioEpi(kHoy, 1, 1, 32768, 52), 32767);
    EXPECT_EQ(AnioEpi(kHoy, 29, 12, -32769, 1), -32768);
}

// ------------------------------------------------- CuatrisemanaEpi with a week

TEST(CuatrisemanaConSemana, SoloLaSemana) {
    const std::vector<std::pair<long long, int>> casos = {
        {1, 1},    {4, 1},       {5, 2},   {8, 2},   {9, 3},   {12, 3},  {13, 4},  {36, 9},
        {37, 10},  {44, 11},     {45, 12}, {48, 12}, {49, 13}, {52, 13}, {53, 13}, {60, 13},
        {255, 13}, {100000, 13}, {0, 0},   {-1, 0},  {-5, 0},  {-4, 0},  {-53, 0}, {-1000000000000LL, 0}};
    for (const auto& [semana, esperado] : casos) {
        EXPECT_EQ(CuatrisemanaEpi(kHoy, {}, {}, {}, semana), esperado) << semana;
        if (semana >= 0) {
            EXPECT_EQ(CuatrisemanaEpi(kHoy, {}, {}, {}, std::to_string(semana)), esperado) << semana;
        }
    }
    // Every week against the strict range table.
    for (int s = -10; s <= 70; ++s)
        EXPECT_EQ(CuatrisemanaEpi(kHoy, {}, {}, {}, s), oraculo::cuatrisemana(s)) << s;
}

TEST(CuatrisemanaConSemana, NoMiraLasPartesDeLaFecha) {
    EXPECT_EQ(CuatrisemanaEpi(kHoy, 31, 4, 2005, 18), 5);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, "x", "y", "z", 5), 2);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, "", "", "", "  9"), 3);
}

TEST(CuatrisemanaConSemana, UnaSemanaQueNoEsNumeroEsError13) {
    for (const char* s : {"", "abc", "-5", "+5", "4 8"})
        EXPECT_EQ(numeroDeError([s] { CuatrisemanaEpi(kHoy, {}, {}, {}, s); }), 13) << '"' << s << '"';
}

// ------------------------------------------------- invalid dates: error 13

struct FechaInvalida {
    Parte dia, mes, anio;
    const char* que;
};

std::vector<FechaInvalida> fechasInvalidas() {
    const std::string enorme(400, '9');
    return {
        {31, 4, 2005, "31 April"},
        {31, 6, 2005, "31 June"},
        {29, 2, 2003, "29 February, common year"},
        {29, 2, 1900, "29 February 1900"},
        {30, 2, 2004, "30 February, leap year"},
        {0, 1, 2005, "day 0"},
        {32, 1, 2005, "day 32"},
        {1, 0, 2005, "month 0"},
        {1, 13, 2005, "month 13"},
        {-1, 1, 2005, "negative day"},
        {1, -1, 2005, "negative month"},
        {"", 1, 2005, "empty day"},
        {1, "", 2005, "empty month"},
        {1, 1, "", "empty year"},
        {" ", 1, 2005, "blank day"},
        {1, 1, "   ", "blank year"},
        {"a", 1, 2005, "letter day"},
        {1, "enero", 2005, "month name"},
        {1, 1, "dos mil", "year in words"},
        {"1a", 1, 2005, "digit then letter"},
        {1, 1, "2005x", "year with trailing letter"},
        {"+5", 1, 2005, "plus sign"},
        {"-5", 1, 2005, "minus sign"},
        {5, 1, "+2005", "plus sign on year"},
        {5, 1, "-2005", "minus sign on year"},
        {"1 5", 1, 2005, "inner blank"},
        {1, 1, "20 05", "inner blank in year"},
        {"1.0", 1, 2005, "decimal point"},
        {1, 1, "2,005", "thousands separator"},
        {"0x1", 1, 2005, "hex"},
        {1, 1, "2e3", "exponent"},
        {1, 1, "5", "one-digit year"},
        {1, 1, "05", "two-digit year"},
        {1, 1, 5, "one-digit year as number"},
        {1, 1, 99, "two-digit year as number"},
        {1, 1, "99", "year 99"},
        {1, 1, "0", "year 0"},
        {1, 1, 0, "year 0 as number"},
        {1, 1, "10000", "year 10000"},
        {1, 1, 10000, "year 10000 as number"},
        {1, 1, -2005, "negative year"},
        {enorme, 1, 2005, "huge day"},
        {1, enorme, 2005, "huge month"},
        {1, 1, enorme, "huge year"},
        {1, 1, "18446744073709551617", "year beyond 64 bits"},
        {1, 1, 4294969301LL, "year that wraps to 2005 in 32 bits"},
        {4294967297LL, 1, 2005, "day that wraps to 1 in 32 bits"},
        {"4", "31", "2005", "month first 4/31"},
        {"12", "25", "2005", "month first 12/25"},
        {"1", "13", "2005", "month first 1/13"},
        {"\xef\xbc\x91", 1, 2005, "full-width digit"},
        {"\xd9\xa1", 1, 2005, "Arabic-Indic digit"},
        {std::string("1\0", 2), 1, 2005, "NUL after digit"},
    };
}

TEST(FechasInvalidas, TodasLasOperacionesFallanConError13) {
    for (const auto& f : fechasInvalidas()) {
        SCOPED_TRACE(f.que);
        std::string descripcion;
        EXPECT_EQ(numeroDeError([&] { SemanaEpi(kHoy, f.dia, f.mes, f.anio); }, &descripcion), 13);
        EXPECT_EQ(descripcion, "No coinciden los tipos");
        EXPECT_EQ(numeroDeError([&] { ArmarFecha(kHoy, f.dia, f.mes, f.anio); }), 13);
        EXPECT_EQ(numeroDeError([&] { AnioEpi(kHoy, f.dia, f.mes, f.anio); }), 13);
        EXPECT_EQ(numeroDeError([&] { CuatrisemanaEpi(kHoy, f.dia, f.mes, f.anio); }), 13);
    }
}

TEST(FechasInvalidas, ElErrorEsUnaExcepcionDeTiempoDeEjecucion) {
    // Callers that only know std::exception still get the description.
    try {
        SemanaEpi(kHoy, 31, 4, 2005);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "No coinciden los tipos");
    }
}

TEST(FechasValidas, LimitesDelRangoDeAnios) {
    // 100..9999 are accepted, with their edges.
    EXPECT_EQ(ArmarFecha(kHoy, 1, 1, 100), Fecha(year{100}, January, day{1}));
    EXPECT_EQ(ArmarFecha(kHoy, "31", "12", "9999"), Fecha(year{9999}, December, day{31}));
    const oraculo::Calendario inicio(100, 100), fin(9999, 9999);
    const auto& primero = inicio.buscar(100, 1, 1);
    EXPECT_EQ(SemanaEpi(kHoy, 1, 1, 100), primero.semana);
    EXPECT_EQ(AnioEpi(kHoy, 1, 1, 100), primero.anioEpi);
    EXPECT_EQ(primero.anioEpi, 99);  // a Friday in the last week of 99
    const auto& ultimo = fin.buscar(9999, 12, 31);
    EXPECT_EQ(SemanaEpi(kHoy, 31, 12, 9999), ultimo.semana);
    EXPECT_EQ(AnioEpi(kHoy, 31, 12, 9999), ultimo.anioEpi);
    // 29 February in leap years, century rules included.
    EXPECT_NO_THROW(ArmarFecha(kHoy, 29, 2, 2000));
    EXPECT_NO_THROW(ArmarFecha(kHoy, 29, 2, 2004));
    EXPECT_NO_THROW(ArmarFecha(kHoy, 29, 2, 400));
}

TEST(FechasValidas, BlancosAlrededorSeAceptan) {
    EXPECT_EQ(SemanaEpi(kHoy, " 29", "12 ", " 2002 "), 1);
    EXPECT_EQ(SemanaEpi(kHoy, "\t28", "\t12\t", "2003\t"), 53);
    EXPECT_EQ(AnioEpi(kHoy, "  1 ", " 1", "2005  "), 2004);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, " 8 ", " 11 ", " 2004 "), 12);
    // Leading zeros are digits like any other.
    EXPECT_EQ(SemanaEpi(kHoy, "02", "01", "2005"), 1);
    EXPECT_EQ(SemanaEpi(kHoy, "0002", "0001", "02005"), 1);
}

// ------------------------------------------------- omitted parts

TEST(PartesOmitidas, SinArgumentosEsHoy) {
    // 3 January 2004: week 53 of 2003, period 13.
    EXPECT_EQ(SemanaEpi(kHoy), 53);
    EXPECT_EQ(AnioEpi(kHoy), 2003);
    EXPECT_EQ(CuatrisemanaEpi(kHoy), 13);
    EXPECT_EQ(ArmarFecha(kHoy), kHoy);
    // Another today, another answer.
    constexpr Fecha otroHoy{year{2005}, January, day{2}};
    EXPECT_EQ(SemanaEpi(otroHoy), 1);
    EXPECT_EQ(AnioEpi(otroHoy), 2005);
    EXPECT_EQ(CuatrisemanaEpi(otroHoy), 1);
}

TEST(PartesOmitidas, CadaParteSeTomaPorSeparado) {
    // Day omitted: 3/12/2002, week 49 of 2002.
    EXPECT_EQ(ArmarFecha(kHoy, {}, 12, 2002), Fecha(year{2002}, December, day{3}));
    EXPECT_EQ(SemanaEpi(kHoy, {}, 12, 2002), 49);
    EXPECT_EQ(AnioEpi(kHoy, {}, 12, 2002), 2002);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, {}, 12, 2002), 13);
    // Month omitted: 29/1/2005, week 4.
    EXPECT_EQ(ArmarFecha(kHoy, 29, {}, 2005), Fecha(year{2005}, January, day{29}));
    EXPECT_EQ(SemanaEpi(kHoy, 29, {}, 2005), 4);
    EXPECT_EQ(AnioEpi(kHoy, 29, {}, 2005), 2005);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, 29, {}, 2005), 1);
    // Year omitted: 29/12/2004, a Wednesday in week 52 of 2004.
    EXPECT_EQ(ArmarFecha(kHoy, 29, 12), Fecha(year{2004}, December, day{29}));
    EXPECT_EQ(SemanaEpi(kHoy, 29, 12), 52);
    EXPECT_EQ(AnioEpi(kHoy, 29, 12), 2004);
    EXPECT_EQ(CuatrisemanaEpi(kHoy, 29, 12), 13);
    // Year omitted on 1 January: 1/1/2004 is in week 53 of 2003.
    EXPECT_EQ(SemanaEpi(kHoy, 1, 1), 53);
    EXPECT_EQ(AnioEpi(kHoy, 1, 1), 2003);
    // Day and month omitted: 3/1/2010, week 1 of 2010.
    EXPECT_EQ(SemanaEpi(kHoy, {}, {}, 2010), 1);
    EXPECT_EQ(AnioEpi(kHoy, {}, {}, 2010), 2010);
    // AnioEpi with a week and the date parts omitted reads them from today:
    // 3 January with week 53 steps back.
    EXPECT_EQ(AnioEpi(kHoy, {}, {}, {}, 53), 2003);
    EXPECT_EQ(AnioEpi(kHoy, {}, {}, {}, 1), 2004);
}

TEST(PartesOmitidas, UnaParteOmitidaPuedeDarUnaFechaInvalida) {
    // Today is the 3rd; a February of a common year is fine, but a today of
    // the 31st with month 4 is not.
    constexpr Fecha dia31{year{2005}, March, day{31}};
    EXPECT_EQ(numeroDeError([&] { SemanaEpi(dia31, {}, 4, 2005); }), 13);
    EXPECT_EQ(SemanaEpi(dia31, {}, 5, 2005), 22);
}

}  // namespace
