// The loosely typed part (Parte), its reading into a number, the run-time
// error object, and the clock seam.

#include "calendar/parte.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "calendar/error_ejecucion.h"
#include "falsos/reloj_fijo.h"

using namespace std::chrono;
using tarvolo::ErrorEjecucion;
using tarvolo::Fecha;
using tarvolo::leerDecimal;
using tarvolo::Parte;

namespace {

TEST(LeerDecimal, DigitosConBlancosAlrededor) {
    EXPECT_EQ(leerDecimal("0"), 0);
    EXPECT_EQ(leerDecimal("7"), 7);
    EXPECT_EQ(leerDecimal("2005"), 2005);
    EXPECT_EQ(leerDecimal("002005"), 2005);
    EXPECT_EQ(leerDecimal(" 2005"), 2005);
    EXPECT_EQ(leerDecimal("2005 "), 2005);
    EXPECT_EQ(leerDecimal("  1"), 1);  // a widened week text
    EXPECT_EQ(leerDecimal("\t12\t"), 12);
}

TEST(LeerDecimal, TodoLoDemasNoEsUnNumero) {
    for (const std::string t : {"", " ", "\t", "a", "12a", "a12", "+5", "-5", "+", "-", "1 2", "1.5", "1,5",
                                "0x10", "1e3", "\xef\xbc\x91", "\xd9\xa1",
                                "\xc2\xa0"
                                "5"}) {
        EXPECT_FALSE(leerDecimal(t).has_value()) << '"' << t << '"';
    }
    EXPECT_FALSE(leerDecimal(std::string("5\0", 2)).has_value());
    EXPECT_FALSE(leerDecimal(std::string("\0"
                                         "5",
                                         2))
                     .has_value());
}

TEST(LeerDecimal, CadenasEnormesSaturanSinDarLaVuelta) {
    // 2^64 + 2005 must not wrap to 2005; any huge string stays huge.
    const auto v = leerDecimal("18446744073709553621");
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(*v, 100000);
    const auto w = leerDecimal(std::string(100000, '9'));
    ASSERT_TRUE(w.has_value());
    EXPECT_GT(*w, 100000);
    const auto z = leerDecimal(std::string(100000, '0') + "2005");
    ASSERT_TRUE(z.has_value());
    EXPECT_EQ(*z, 2005);  // leading zeros are not a huge number
}

TEST(ParteTest, OmitidaVaciaYTexto) {
    // Named parts, not temporaries: GCC 12 under the sanitizers warns
    // (wrongly) about an uninitialised string inside a temporary variant.
    const Parte omitida;
    EXPECT_TRUE(omitida.omitida());
    EXPECT_TRUE(omitida.vacia());
    EXPECT_EQ(omitida.texto(), "");

    const Parte vacia(""), blancos("   "), uno(" 1 "), cero(0);
    EXPECT_FALSE(vacia.omitida());
    EXPECT_TRUE(vacia.vacia());
    EXPECT_TRUE(blancos.vacia());
    EXPECT_FALSE(uno.vacia());
    EXPECT_FALSE(cero.vacia());

    EXPECT_EQ(Parte(2005).texto(), "2005");
    EXPECT_EQ(Parte(-7).texto(), "-7");
    EXPECT_EQ(Parte(2005LL).texto(), "2005");
    EXPECT_EQ(Parte(" 2005").texto(), " 2005");  // as passed
    EXPECT_EQ(Parte(std::string("abc")).texto(), "abc");
    EXPECT_EQ(Parte(std::string_view("2005")).texto(), "2005");
}

TEST(ParteTest, Leer) {
    EXPECT_EQ(Parte().leer(42), 42);  // omitted: the stand-in
    EXPECT_EQ(Parte(7).leer(42), 7);
    EXPECT_EQ(Parte(-7).leer(42), -7);
    EXPECT_EQ(Parte("7").leer(42), 7);
    EXPECT_EQ(Parte(" 07 ").leer(42), 7);
    for (const char* t : {"", " ", "x", "-7", "+7", "7 7"}) {
        try {
            Parte(t).leer(42);
            ADD_FAILURE() << "no error for \"" << t << '"';
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.numero(), 13);
        }
    }
}

TEST(ErrorEjecucionTest, NumerosYDescripciones) {
    const auto a = ErrorEjecucion::tiposNoCoinciden();
    EXPECT_EQ(a.numero(), 13);
    EXPECT_EQ(a.descripcion(), "No coinciden los tipos");
    EXPECT_STREQ(a.what(), "No coinciden los tipos");
    const auto b = ErrorEjecucion::desbordamiento();
    EXPECT_EQ(b.numero(), 6);
    EXPECT_EQ(b.descripcion(), "Desbordamiento");
    EXPECT_EQ(ErrorEjecucion::kTiposNoCoinciden, 13);
    EXPECT_EQ(ErrorEjecucion::kDesbordamiento, 6);
}

TEST(RelojTest, RelojFijoDevuelveLaFechaFijada) {
    tarvolo::RelojFijo reloj(Fecha{year{2005}, January, day{2}});
    const tarvolo::Reloj& comoInterfaz = reloj;
    EXPECT_EQ(comoInterfaz.hoy(), Fecha(year{2005}, January, day{2}));
    reloj.fijar(Fecha{year{2003}, December, day{28}});
    EXPECT_EQ(comoInterfaz.hoy(), Fecha(year{2003}, December, day{28}));
}

TEST(RelojTest, RelojDelSistemaDaUnaFechaLocalValida) {
    const Fecha hoy = tarvolo::RelojSistema{}.hoy();
    ASSERT_TRUE(hoy.ok());
    // The local date is within a day of the UTC date.
    const auto utc = floor<days>(system_clock::now());
    const auto diferencia = sys_days{hoy} - utc;
    EXPECT_LE(std::abs(diferencia.count()), 1);
}

}  // namespace
