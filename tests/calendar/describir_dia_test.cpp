// DescribirDia, the four-line sentence.

#include "calendar/describir_dia.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "calendar/error_ejecucion.h"
#include "calendar/semana_epi.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
using tarvolo::DescribirDia;
using tarvolo::ErrorEjecucion;
using tarvolo::Fecha;

namespace {

constexpr Fecha kHoy{year{2004}, January, day{3}};

const std::string k29_12_2002 =
    "El domingo 29 de diciembre de 2002\r\n"
    " es el 1\xc2\xba d\xc3\xad"
    "a de la semana epidemiol\xc3\xb3gica 1,\r\n"
    "cuatrisemana 1\r\n"
    "del a\xc3\xb1o epidemiol\xc3\xb3gico 2003";

const std::string k01_01_2005 =
    "El s\xc3\xa1"
    "bado 01 de enero de 2005\r\n"
    " es el 7\xc2\xba d\xc3\xad"
    "a de la semana epidemiol\xc3\xb3gica 52,\r\n"
    "cuatrisemana 13\r\n"
    "del a\xc3\xb1o epidemiol\xc3\xb3gico 2004";

const std::string k03_01_2004 =
    "El s\xc3\xa1"
    "bado 03 de enero de 2004\r\n"
    " es el 7\xc2\xba d\xc3\xad"
    "a de la semana epidemiol\xc3\xb3gica 53,\r\n"
    "cuatrisemana 13\r\n"
    "del a\xc3\xb1o epidemiol\xc3\xb3gico 2003";

// The same texts as the source file spells them, to catch an encoding slip
// in either.
TEST(DescribirDia, LosLiteralesDeLaPruebaSonUtf8) {
    EXPECT_EQ(k29_12_2002,
              "El domingo 29 de diciembre de 2002\r\n es el 1º día de la semana epidemiológica 1,\r\n"
              "cuatrisemana 1\r\ndel año epidemiológico 2003");
    EXPECT_EQ(k01_01_2005,
              "El sábado 01 de enero de 2005\r\n es el 7º día de la semana epidemiológica 52,\r\n"
              "cuatrisemana 13\r\ndel año epidemiológico 2004");
}

TEST(DescribirDia, EjemplosConCambioDeAnio) {
    EXPECT_EQ(DescribirDia(kHoy, 29, 12, 2002), k29_12_2002);
    EXPECT_EQ(DescribirDia(kHoy, 1, 1, 2005), k01_01_2005);
    EXPECT_EQ(DescribirDia(kHoy, 3, 1, 2004), k03_01_2004);
    // The date lookup window passes the raw text of its boxes.
    EXPECT_EQ(DescribirDia(kHoy, "29", "12", "2002"), k29_12_2002);
    EXPECT_EQ(DescribirDia(kHoy, "01", "01", "2005"), k01_01_2005);
    EXPECT_EQ(DescribirDia(kHoy, " 3 ", "1", "2004 "), k03_01_2004);
}

TEST(DescribirDia, TresSaltosCrLfYNingunoAlFinal) {
    for (const auto& [d, m, a] : std::vector<std::tuple<int, int, int>>{
             {29, 12, 2002}, {1, 1, 2005}, {3, 1, 2004}, {31, 12, 9999}, {1, 1, 100}, {29, 2, 2000}}) {
        const std::string s = DescribirDia(kHoy, d, m, a);
        SCOPED_TRACE(s);
        EXPECT_EQ(oraculo::contar(s, "\r\n"), 3u);
        EXPECT_EQ(oraculo::contar(s, "\n"), 3u);  // no bare LF
        EXPECT_EQ(oraculo::contar(s, "\r"), 3u);  // no bare CR
        ASSERT_FALSE(s.empty());
        EXPECT_TRUE(s.back() >= '0' && s.back() <= '9');  // ends with the year's last digit
        EXPECT_EQ(oraculo::lineas(s).size(), 4u);
        EXPECT_EQ(oraculo::lineas(s)[1].substr(0, 7), " es el ");
    }
}

TEST(DescribirDia, ElOrdinalEsU00BAYNoElSignoDeGrado) {
    const std::string s = DescribirDia(kHoy, 29, 12, 2002);
    EXPECT_NE(s.find("1\xc2\xba d"), std::string::npos);
    EXPECT_EQ(s.find("\xc2\xb0"), std::string::npos);  // U+00B0 DEGREE SIGN
}

TEST(DescribirDia, LongitudesEnCaracteres) {
    // Characters are code points: "º", "í", "ó", "ñ" and "á" count one each.
    const std::string a = DescribirDia(kHoy, 29, 12, 2002);
    EXPECT_TRUE(oraculo::utf8Valido(a));
    EXPECT_EQ(oraculo::caracteres(a), 125u);
    EXPECT_EQ(a.size(), 130u);  // five two-byte characters: º í ó ñ ó
    const auto la = oraculo::lineas(a);
    EXPECT_EQ(oraculo::caracteres(la[0]), 34u);
    EXPECT_EQ(oraculo::caracteres(la[1]), 44u);
    EXPECT_EQ(oraculo::caracteres(la[2]), 14u);
    EXPECT_EQ(oraculo::caracteres(la[3]), 27u);

    const std::string b = DescribirDia(kHoy, 1, 1, 2005);
    EXPECT_EQ(oraculo::caracteres(b), 122u);
    EXPECT_EQ(b.size(), 128u);  // plus the "á" of sábado
    const auto lb = oraculo::lineas(b);
    EXPECT_EQ(oraculo::caracteres(lb[0]), 29u);
    EXPECT_EQ(oraculo::caracteres(lb[1]), 45u);
    EXPECT_EQ(oraculo::caracteres(lb[2]), 15u);
    EXPECT_EQ(oraculo::caracteres(lb[3]), 27u);
}

TEST(DescribirDia, NombresDeLosSieteDiasYLosDoceMeses) {
    // 2/1/2005 is a Sunday; the week runs to Saturday 8/1/2005.
    const std::vector<std::string> dias = {"domingo",
                                           "lunes",
                                           "martes",
                                           "mi\xc3\xa9rcoles",
                                           "jueves",
                                           "viernes",
                                           "s\xc3\xa1"
                                           "bado"};
    for (int i = 0; i < 7; ++i) {
        const std::string s = DescribirDia(kHoy, 2 + i, 1, 2005);
        EXPECT_EQ(s.rfind("El " + dias[static_cast<size_t>(i)] + " 0" + std::to_string(2 + i) +
                              " de enero de 2005\r\n",
                          0),
                  0u)
            << s;
        EXPECT_NE(s.find(" es el " + std::to_string(i + 1) + "\xc2\xba d"), std::string::npos) << s;
        EXPECT_EQ(tarvolo::nombreDia(i), dias[static_cast<size_t>(i)]);
    }
    const std::vector<std::string> meses = {"enero",      "febrero", "marzo",     "abril",
                                            "mayo",       "junio",   "julio",     "agosto",
                                            "septiembre", "octubre", "noviembre", "diciembre"};
    for (unsigned m = 1; m <= 12; ++m) {
        const std::string s = DescribirDia(kHoy, 15, static_cast<int>(m), 2005);
        EXPECT_NE(s.find(" 15 de " + meses[m - 1] + " de 2005\r\n"), std::string::npos) << s;
        EXPECT_EQ(tarvolo::nombreMes(m), meses[m - 1]);
    }
}

TEST(DescribirDia, LosNumerosSinCerosNiSignos) {
    // Week 45, period 12, weekday 2: plain digits; the day keeps two digits.
    const std::string s = DescribirDia(kHoy, 8, 11, 2004);
    EXPECT_EQ(s,
              "El lunes 08 de noviembre de 2004\r\n es el 2\xc2\xba d\xc3\xad"
              "a de la semana epidemiol\xc3\xb3gica 45,\r\ncuatrisemana 12\r\ndel a\xc3\xb1o "
              "epidemiol\xc3\xb3gico 2004");
    // The far edges of the range. 1/1/100 is a Friday in the last week of
    // the year 99, which line 4 names as it is.
    const std::string inicio = DescribirDia(kHoy, 1, 1, 100);
    EXPECT_EQ(inicio.rfind("El viernes 01 de enero de ", 0), 0u) << inicio;
    EXPECT_EQ(inicio.substr(inicio.size() - 5), "co 99") << inicio;
    const std::string fin = DescribirDia(kHoy, 31, 12, 9999);
    EXPECT_NE(fin.find("El viernes 31 de diciembre de 9999\r\n"), std::string::npos) << fin;
}

TEST(DescribirDia, CoincideConLasOperacionesDelCalendario) {
    const oraculo::Calendario cal(2000, 2010);
    for (const auto& d : cal.dias()) {
        if (d.anio < 2000 || d.anio > 2010) continue;
        const std::string s = DescribirDia(kHoy, d.dia, d.mes, d.anio);
        const std::string esperado = " es el " + std::to_string(d.dds + 1) + "\xc2\xba d\xc3\xad" +
                                     "a de la semana epidemiol\xc3\xb3gica " + std::to_string(d.semana) +
                                     ",\r\ncuatrisemana " + std::to_string(d.cuatrisemana) +
                                     "\r\ndel a\xc3\xb1o epidemiol\xc3\xb3gico " + std::to_string(d.anioEpi);
        ASSERT_NE(s.find("\r\n" + esperado), std::string::npos) << s;
        ASSERT_EQ(s.size(), s.find("\r\n") + 2 + esperado.size()) << s;
    }
}

TEST(DescribirDia, SinArgumentosDescribeHoy) {
    EXPECT_EQ(DescribirDia(kHoy), k03_01_2004);
    EXPECT_EQ(DescribirDia(Fecha{year{2002}, December, day{29}}), k29_12_2002);
    // Each omitted part is today's: the year from kHoy (2004).
    EXPECT_EQ(DescribirDia(kHoy, 3, 1), k03_01_2004);
    EXPECT_EQ(DescribirDia(Fecha{year{2005}, January, day{1}}, {}, {}, 2005), k01_01_2005);
}

TEST(DescribirDia, FechaInvalidaEsError13) {
    for (const auto& [d, m, a] :
         std::vector<std::tuple<tarvolo::Parte, tarvolo::Parte, tarvolo::Parte>>{{31, 4, 2005},
                                                                                 {29, 2, 2003},
                                                                                 {"", 1, 2005},
                                                                                 {1, "x", 2005},
                                                                                 {1, 1, "05"},
                                                                                 {"4", "31", "2005"},
                                                                                 {1, 1, 10000},
                                                                                 {1, 1, 99}}) {
        try {
            DescribirDia(kHoy, d, m, a);
            ADD_FAILURE() << "no error for " << d.texto() << "/" << m.texto() << "/" << a.texto();
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.numero(), 13);
            EXPECT_EQ(e.descripcion(), "No coinciden los tipos");
        }
    }
}

// Names and digits must not follow the machine's locale.
class BajoOtroLocale : public ::testing::Test {
protected:
    void SetUp() override {
        anteriorC_ = std::setlocale(LC_ALL, nullptr);
        anterior_ = std::locale();
    }
    void TearDown() override {
        std::setlocale(LC_ALL, anteriorC_.c_str());
        std::locale::global(anterior_);
    }
    // Switches the C global locale, and the C++ one with it where the C++
    // library builds that locale (MinGW's builds only "C" and "POSIX", so
    // there a Windows name switches the C library alone); false if the
    // platform has no locale of that name.
    static bool usar(const char* nombre) {
        if (std::setlocale(LC_ALL, nombre) == nullptr) return false;
        try {
            std::locale::global(std::locale(nombre));
        } catch (const std::runtime_error&) {
            // The C++ global locale stays; setting any would reset the C one.
        }
        return true;
    }

private:
    std::string anteriorC_;
    std::locale anterior_;
};

TEST_F(BajoOtroLocale, LosNombresSiguenEnCastellano) {
    int probados = 0;
    // POSIX names, then Windows's own (language_country.code page).
    for (const char* nombre : {"C", "POSIX", "C.UTF-8", "C.utf8", "en_US.UTF-8", "en_US.utf8", "de_DE.UTF-8",
                               "fr_FR.UTF-8", "es_ES.UTF-8", "English_United States.1252",
                               "German_Germany.1252", "French_France.1252", "Spanish_Spain.1252"}) {
        if (!usar(nombre)) continue;
        ++probados;
        SCOPED_TRACE(nombre);
        EXPECT_EQ(DescribirDia(kHoy, 29, 12, 2002), k29_12_2002);
        EXPECT_EQ(DescribirDia(kHoy, 1, 1, 2005), k01_01_2005);
        EXPECT_NE(DescribirDia(kHoy, 31, 12, 2003).find("El mi\xc3\xa9rcoles 31 de diciembre de 2003"),
                  std::string::npos);
    }
    EXPECT_GE(probados, 2);  // "C" and at least one other each platform has
}

TEST_F(BajoOtroLocale, UnLocaleConSeparadorDeMilesNoCambiaLosNumeros) {
    // A global C++ locale whose numbers group thousands must not reach the
    // year of line 4 ("2.003" or "2,003").
    struct Agrupado : std::numpunct<char> {
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale::global(std::locale(std::locale::classic(), new Agrupado));
    EXPECT_EQ(DescribirDia(kHoy, 29, 12, 2002), k29_12_2002);
}

}  // namespace
