// The six year builders.

#include "tables/tablas.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "calendar/error_ejecucion.h"
#include "calendar/semana_epi.h"
#include "tests/calendar/oraculo.h"
#include "tests/tables/escaneo.h"

using namespace std::chrono;
using tarvolo::ErrorEjecucion;
using tarvolo::Fecha;
using tarvolo::Parte;

namespace {

// Today for these tests: the current year is 2005 unless a test says else.
constexpr Fecha kHoy{year{2005}, June, day{15}};

struct Clase {
    const char* nombre;
    tarvolo::Constructor construir;
    escaneo::Constructor referencia;
};

const std::vector<Clase> kClases = {
    {"TablaSemanas", tarvolo::TablaSemanas, escaneo::Constructor::TablaSemanas},
    {"TablaAmbas", tarvolo::TablaAmbas, escaneo::Constructor::TablaAmbas},
    {"TablaCuatrisemanas", tarvolo::TablaCuatrisemanas, escaneo::Constructor::TablaCuatrisemanas},
    {"ListadoSemanas", tarvolo::ListadoSemanas, escaneo::Constructor::ListadoSemanas},
    {"ListadoAmbas", tarvolo::ListadoAmbas, escaneo::Constructor::ListadoAmbas},
    {"ListadoCuatrisemanas", tarvolo::ListadoCuatrisemanas, escaneo::Constructor::ListadoCuatrisemanas},
};

using oraculo::caracteres;
using oraculo::contar;
using oraculo::lineas;

// Every line ends with CR LF, the last one included; no bare CR or LF.
void esperarFinesDeLinea(const std::string& s) {
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s.substr(s.size() - 2), "\r\n");
    EXPECT_EQ(contar(s, "\r"), contar(s, "\r\n"));
    EXPECT_EQ(contar(s, "\n"), contar(s, "\r\n"));
    EXPECT_TRUE(oraculo::utf8Valido(s));
}

// A whole text: its line ends, its length in characters and its count of CR LF.
void esperarTexto(const std::string& s, size_t largo, size_t finesDeLinea) {
    esperarFinesDeLinea(s);
    EXPECT_EQ(caracteres(s), largo);
    EXPECT_EQ(contar(s, "\r\n"), finesDeLinea);
}

// The text has `filas` lines, and each line numbered in `esperadas` reads as
// given there.
void esperarLineas(const std::string& s, size_t filas,
                   std::initializer_list<std::pair<size_t, std::string>> esperadas) {
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), filas);
    for (const auto& [i, texto] : esperadas) EXPECT_EQ(l[i], texto) << "line " << i;
}

int numeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const ErrorEjecucion& e) {
        return e.numero();
    }
    return -1;
}

// ------------------------------------------------------------ TablaSemanas

const std::string kCabeceraSemanas = "        |   Semana   |      Desde       |       Hasta       |";

TEST(TablaSemanas, Anio2005) {
    const std::string s = tarvolo::TablaSemanas("2005", kHoy);
    esperarTexto(s, 3140u, 53u);
    EXPECT_EQ(s.size(), 3140u);  // plain ASCII
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 53u);  // header and 52 rows, no empty line before
    EXPECT_EQ(l[0], kCabeceraSemanas);
    EXPECT_EQ(l[0].size(), 61u);
    EXPECT_EQ(l[1], "        |         1        |  02/01/2005  |  08/01/2005  |");
    EXPECT_EQ(l[1].size(), 58u);
    EXPECT_EQ(l[52], "        |       52        |  25/12/2005  |  31/12/2005  |");
    EXPECT_EQ(l[52].size(), 57u);
}

TEST(TablaSemanas, Anio2003De53Semanas) {
    const std::string s = tarvolo::TablaSemanas(2003, kHoy);
    esperarTexto(s, 3199u, 54u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 54u);
    EXPECT_EQ(l[1], "        |         1        |  29/12/2002  |  04/01/2003  |");
    EXPECT_EQ(l[53], "        |       53        |  28/12/2003  |  03/01/2004  |");
}

TEST(TablaSemanas, Anio2004EmpiezaDentroDeLaSemana53De2003) {
    esperarLineas(tarvolo::TablaSemanas("2004", kHoy), 53u,
                  {{1, "        |         1        |  04/01/2004  |  10/01/2004  |"},
                   {52, "        |       52        |  26/12/2004  |  01/01/2005  |"}});
}

TEST(TablaSemanas, Anio2008EmpiezaEnSabado) {
    esperarLineas(tarvolo::TablaSemanas("2008", kHoy), 54u,
                  {{1, "        |         1        |  30/12/2007  |  05/01/2008  |"},
                   {53, "        |       53        |  28/12/2008  |  03/01/2009  |"}});
}

TEST(TablaSemanas, LargoDeCadaFilaSegunLaSemana) {
    for (int anio = 1990; anio <= 2030; ++anio) {
        const auto l = lineas(tarvolo::TablaSemanas(anio, kHoy));
        const size_t semanas = l.size() - 1;
        ASSERT_TRUE(semanas == 52 || semanas == 53) << anio;
        for (size_t w = 1; w <= semanas; ++w)
            ASSERT_EQ(l[w].size(), w <= 9 ? 58u : 57u) << anio << " week " << w;
        EXPECT_EQ(caracteres(tarvolo::TablaSemanas(anio, kHoy)), semanas == 53 ? 3199u : 3140u) << anio;
    }
}

// ------------------------------------------------------------ TablaAmbas

TEST(TablaAmbas, Anio2005) {
    const std::string s = tarvolo::TablaAmbas("2005", kHoy);
    esperarTexto(s, 3387u, 53u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 53u);
    EXPECT_EQ(l[0],
              "  | Semana |      Desde       |       Hasta       |   Cuatri   |");  // no empty line first
    EXPECT_EQ(l[0].size(), 64u);
    EXPECT_EQ(l[1], "  |       1      |  02/01/2005  |  08/01/2005  |       1      |");
    EXPECT_EQ(l[10], "  |     10      |  06/03/2005  |  12/03/2005  |       3      |");
    EXPECT_EQ(l[52], "  |     52      |  25/12/2005  |  31/12/2005  |     13      |");
}

TEST(TablaAmbas, Anio2003De53Semanas) {
    const std::string s = tarvolo::TablaAmbas("2003", kHoy);
    esperarTexto(s, 3450u, 54u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 54u);
    EXPECT_EQ(l[53], "  |     53      |  28/12/2003  |  03/01/2004  |     13      |");
    EXPECT_EQ(l[49], "  |     49      |  30/11/2003  |  06/12/2003  |     13      |");
    EXPECT_EQ(l[48], "  |     48      |  23/11/2003  |  29/11/2003  |     12      |");
}

TEST(TablaAmbas, LargoDeCadaFilaYCuatrisemanaDeCadaSemana) {
    for (int anio : {2003, 2005, 2008, 2020}) {
        const auto l = lineas(tarvolo::TablaAmbas(anio, kHoy));
        for (size_t w = 1; w < l.size(); ++w) {
            const size_t largo = w <= 9 ? 63u : w <= 36 ? 62u : 61u;
            EXPECT_EQ(l[w].size(), largo) << anio << " week " << w;
            const int c = oraculo::cuatrisemana(static_cast<int>(w));
            const std::string celda = (c < 10 ? "  " : "") + std::to_string(c);
            EXPECT_EQ(l[w].substr(l[w].size() - 7 - celda.size() - 8), "  |     " + celda + "      |")
                << l[w];
        }
    }
}

// ------------------------------------------------------------ TablaCuatrisemanas

TEST(TablaCuatrisemanas, Anio2005) {
    const std::string s = tarvolo::TablaCuatrisemanas("2005", kHoy);
    esperarTexto(s, 819u, 16u);
    EXPECT_EQ(s.substr(0, 4), "\r\n\r\n");  // two empty lines before the header
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 16u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "          |   Cuatri   |      Desde       |       Hasta       |");
    EXPECT_EQ(l[2].size(), 63u);
    EXPECT_EQ(l[3], "          |       1      |  02/01/2005  |  29/01/2005  |");
    EXPECT_EQ(l[12], "          |     10      |  11/09/2005  |  08/10/2005  |");
    EXPECT_EQ(l[15], "          |     13      |  04/12/2005  |  31/12/2005  |");
}

TEST(TablaCuatrisemanas, Anio2003ConUltimoPeriodoDeCincoSemanas) {
    esperarLineas(tarvolo::TablaCuatrisemanas("2003", kHoy), 16u,
                  {{3, "          |       1      |  29/12/2002  |  25/01/2003  |"},
                   {15, "          |     13      |  30/11/2003  |  03/01/2004  |"}});
}

TEST(TablaCuatrisemanas, Anio2008) {
    esperarLineas(tarvolo::TablaCuatrisemanas("2008", kHoy), 16u,
                  {{3, "          |       1      |  30/12/2007  |  26/01/2008  |"},
                   {15, "          |     13      |  30/11/2008  |  03/01/2009  |"}});
}

TEST(TablaCuatrisemanas, CualquierAnio819CaracteresY13Filas) {
    for (int anio = 1900; anio <= 2100; ++anio) {
        const std::string s = tarvolo::TablaCuatrisemanas(anio, kHoy);
        ASSERT_EQ(caracteres(s), 819u) << anio;
        ASSERT_EQ(contar(s, "\r\n"), 16u) << anio;
        const auto l = lineas(s);
        for (size_t k = 1; k <= 13; ++k)
            ASSERT_EQ(l[2 + k].size(), k <= 9 ? 56u : 55u) << anio << " period " << k;
    }
}

// ------------------------------------------------------------ ListadoSemanas

const std::string kTituloSemanas = std::string(36, ' ') + "SEMANAS EPIDEMIOL\xc3\x93GICAS DEL ";
const std::string kTituloCuatri = std::string(36, ' ') + "CUATRISEMANAS EPIDEMIOL\xc3\x93GICAS DEL ";
const std::string kSangria(36, ' ');

TEST(ListadoSemanas, LasPiezasLiteralesTienenSuLargo) {
    EXPECT_EQ(caracteres(kTituloSemanas), 64u);
    EXPECT_EQ(caracteres(kTituloCuatri), 70u);
    EXPECT_EQ(kTituloSemanas, "                                    SEMANAS EPIDEMIOLÓGICAS DEL ");
}

TEST(ListadoSemanas, Anio2005) {
    const std::string s = tarvolo::ListadoSemanas("2005", kHoy);
    esperarTexto(s, 4553u, 54u);
    EXPECT_EQ(s.size(), 4554u);  // "Ó" is two bytes
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 54u);
    EXPECT_EQ(l[0], kTituloSemanas + "2005");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], kSangria + "Semana   1:    del   02/01/2005   al   08/01/2005");
    EXPECT_EQ(l[53], kSangria + "Semana 52:    del   25/12/2005   al   31/12/2005");
    for (size_t w = 1; w <= 52; ++w) EXPECT_EQ(l[w + 1].size(), w <= 9 ? 85u : 84u) << w;
}

TEST(ListadoSemanas, Anio2003De53Semanas) {
    const std::string s = tarvolo::ListadoSemanas("2003", kHoy);
    esperarTexto(s, 4553u + 84u + 2u, 55u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 55u);
    EXPECT_EQ(l[2], kSangria + "Semana   1:    del   29/12/2002   al   04/01/2003");
    EXPECT_EQ(l[54], "                                    Semana 53:    del   28/12/2003   al   03/01/2004");
}

// ------------------------------------------------------------ ListadoAmbas

TEST(ListadoAmbas, Anio2005) {
    const std::string s = tarvolo::ListadoAmbas("2005", kHoy);
    esperarTexto(s, 5629u, 54u);
    EXPECT_EQ(s.size(), 5630u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 54u);
    EXPECT_EQ(l[0], kTituloSemanas + "2005");  // the same title as ListadoSemanas
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2],
              "                                    Semana   1:    del   02/01/2005   al   08/01/2005   "
              "(Cuatrisemana   1)");
    EXPECT_EQ(l[53],
              "                                    Semana 52:    del   25/12/2005   al   31/12/2005   "
              "(Cuatrisemana 13)");
    for (size_t w = 1; w <= 52; ++w) EXPECT_EQ(l[w + 1].size(), w <= 9 ? 106u : w <= 36 ? 105u : 104u) << w;
}

TEST(ListadoAmbas, Anio2003De53Semanas) {
    const std::string s = tarvolo::ListadoAmbas("2003", kHoy);
    EXPECT_EQ(contar(s, "\r\n"), 55u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 55u);
    EXPECT_EQ(l[54], kSangria + "Semana 53:    del   28/12/2003   al   03/01/2004   (Cuatrisemana 13)");
}

// ------------------------------------------------------------ ListadoCuatrisemanas

TEST(ListadoCuatrisemanas, Anio2005) {
    const std::string s = tarvolo::ListadoCuatrisemanas("2005", kHoy);
    esperarTexto(s, 1335u, 15u);
    EXPECT_EQ(s.size(), 1336u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[0], "                                    CUATRISEMANAS EPIDEMIOLÓGICAS DEL 2005");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(
        l[2],
        "                                    Cuatrisemana       1      del  02/01/2005  al  29/01/2005  ");
    EXPECT_EQ(
        l[14],
        "                                    Cuatrisemana     13      del  04/12/2005  al  31/12/2005  ");
    for (size_t k = 1; k <= 13; ++k) {
        EXPECT_EQ(l[k + 1].size(), k <= 9 ? 95u : 94u) << k;
        EXPECT_EQ(l[k + 1].substr(l[k + 1].size() - 2), "  ") << k;
    }
}

TEST(ListadoCuatrisemanas, Anio2003ConUltimoPeriodoDeCincoSemanas) {
    const std::string s = tarvolo::ListadoCuatrisemanas("2003", kHoy);
    EXPECT_EQ(contar(s, "\r\n"), 15u);
    const auto l = lineas(s);
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[14], kSangria + "Cuatrisemana     13      del  30/11/2003  al  03/01/2004  ");
    EXPECT_NE(s.find("del  30/11/2003  al  03/01/2004"), std::string::npos);
}

// ------------------------------------------------------------ the year argument

TEST(ArgumentoAnio, NumeroYTextoDanLoMismo) {
    for (const auto& c : kClases) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.construir(2005, kHoy), c.construir("2005", kHoy));
        EXPECT_EQ(c.construir(2005LL, kHoy), c.construir(std::string("2005"), kHoy));
        EXPECT_EQ(c.construir(2003, kHoy), c.construir(std::string_view("2003"), kHoy));
    }
}

TEST(ArgumentoAnio, ElTituloRepiteElTextoTalComoVino) {
    for (const auto& [texto, titulo] : std::vector<std::pair<std::string, std::string>>{
             {" 2005", " 2005"}, {"2005 ", "2005 "}, {"02005", "02005"}, {"\t2005", "\t2005"}}) {
        SCOPED_TRACE('"' + texto + '"');
        const std::string s = tarvolo::ListadoSemanas(texto, kHoy);
        const std::string base = tarvolo::ListadoSemanas(2005, kHoy);
        EXPECT_EQ(lineas(s)[0], kTituloSemanas + titulo);
        // The rows depend on the number only.
        EXPECT_EQ(s.substr(s.find("\r\n")), base.substr(base.find("\r\n")));
        const std::string c = tarvolo::ListadoCuatrisemanas(texto, kHoy);
        EXPECT_EQ(lineas(c)[0], kTituloCuatri + titulo);
        EXPECT_EQ(lineas(tarvolo::ListadoAmbas(texto, kHoy))[0], kTituloSemanas + titulo);
        // Tables have no title: exactly the same text.
        EXPECT_EQ(tarvolo::TablaSemanas(texto, kHoy), tarvolo::TablaSemanas(2005, kHoy));
        EXPECT_EQ(tarvolo::TablaAmbas(texto, kHoy), tarvolo::TablaAmbas(2005, kHoy));
        EXPECT_EQ(tarvolo::TablaCuatrisemanas(texto, kHoy), tarvolo::TablaCuatrisemanas(2005, kHoy));
    }
}

TEST(ArgumentoAnio, OmitidoOVacioEsElAnioEnCurso) {
    for (const Fecha hoy : {kHoy, Fecha{year{2008}, January, day{1}}, Fecha{year{2003}, December, day{31}}}) {
        const int actual = static_cast<int>(hoy.year());
        for (const auto& c : kClases) {
            SCOPED_TRACE(std::string(c.nombre) + " " + std::to_string(actual));
            const std::string esperado = c.construir(actual, hoy);
            EXPECT_EQ(c.construir(Parte(), hoy), esperado);
            EXPECT_EQ(c.construir("", hoy), esperado);
            EXPECT_EQ(c.construir("   ", hoy), esperado);
        }
        // The title names the current year's digits.
        EXPECT_EQ(lineas(tarvolo::ListadoSemanas(Parte(), hoy))[0], kTituloSemanas + std::to_string(actual));
        EXPECT_EQ(lineas(tarvolo::ListadoCuatrisemanas("", hoy))[0], kTituloCuatri + std::to_string(actual));
    }
}

TEST(ArgumentoAnio, TextosQueNoSonAnioYAniosFueraDeRangoSonError13) {
    std::vector<Parte> malos = {"abc", "dos mil", "20a5", "2005a", "+2005", "-2005", "20 05", "2005.0",
                                "2,005", "0x7D5", std::string(1000, '9'), "18446744073709553621",
                                "\xef\xbc\x92"
                                "005",
                                // The scan would leave the years 100..9999.
                                100, "100", 99, "99", "5", "05", 0, "0", -5, 10000, "10000", 9999, "9999",
                                4294969301LL, -2005};
    for (const auto& c : kClases) {
        for (const auto& anio : malos) {
            EXPECT_EQ(numeroDeError([&] { c.construir(anio, kHoy); }), 13)
                << c.nombre << " \"" << anio.texto() << '"';
        }
    }
    try {
        tarvolo::TablaSemanas("abc", kHoy);
        FAIL();
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.descripcion(), "No coinciden los tipos");
    }
}

TEST(ArgumentoAnio, Anios101Y9998EstanDentro) {
    for (const auto& c : kClases) {
        SCOPED_TRACE(c.nombre);
        for (int anio : {101, 9998}) {
            const std::string s = c.construir(anio, kHoy);
            EXPECT_EQ(s, escaneo::construir(c.referencia, anio, std::to_string(anio), kHoy));
            esperarFinesDeLinea(s);
        }
    }
    // The first week of 101 and the last of 9998, against the walk.
    const oraculo::Calendario inicio(101, 101), fin(9998, 9998);
    const oraculo::Dia* primero = nullptr;
    const oraculo::Dia* ultimo = nullptr;
    for (const auto& d : inicio.dias())
        if (d.anioEpi == 101 && primero == nullptr) primero = &d;
    for (const auto& d : fin.dias())
        if (d.anioEpi == 9998) ultimo = &d;
    ASSERT_TRUE(primero != nullptr && ultimo != nullptr);
    EXPECT_EQ(primero->dds, 0);
    EXPECT_EQ(ultimo->dds, 6);
    const auto p = lineas(tarvolo::TablaSemanas(101, kHoy));
    EXPECT_EQ(p[1].substr(30, 10), escaneo::textoFecha(primero->dia, primero->mes, primero->anio)) << p[1];
    const auto u = lineas(tarvolo::TablaSemanas(9998, kHoy));
    EXPECT_EQ(u.back().substr(u.back().size() - 13, 10),
              escaneo::textoFecha(ultimo->dia, ultimo->mes, ultimo->anio))
        << u.back();
}

// ------------------------------------------------------------ the literal scan

// The builders' shortcut against the day-by-day scan of the year, for every
// year 1900..2100 (1990..2030 in a sanitized or Debug build), the edges of
// the range, and a stride across all of it.
TEST(EscaneoLiteral, LosSeisConstructoresCoincidenConElEscaneoDiaADia) {
    std::vector<int> anios;
    for (int a = oraculo::kPruebaCompleta ? 1900 : 1990; a <= (oraculo::kPruebaCompleta ? 2100 : 2030); ++a)
        anios.push_back(a);
    for (int a : {101, 102, 103, 104, 105, 106, 107, 399, 400, 401, 1582, 1583, 9992, 9993, 9994, 9995, 9996,
                  9997, 9998})
        anios.push_back(a);
    for (int a = 101; a <= 9998; a += oraculo::kPruebaCompleta ? 37 : 97) anios.push_back(a);
    for (const auto& c : kClases) {
        for (int anio : anios) {
            const std::string texto = std::to_string(anio);
            ASSERT_EQ(c.construir(texto, kHoy), escaneo::construir(c.referencia, anio, texto, kHoy))
                << c.nombre << " " << anio;
        }
        // And with a title text that is not the plain digits.
        ASSERT_EQ(c.construir(" 2020 ", kHoy), escaneo::construir(c.referencia, 2020, " 2020 ", kHoy))
            << c.nombre;
    }
}

// The literal scan itself reproduces the Parts' examples, so the comparison
// above is against the described algorithm and not against a copy of a bug.
TEST(EscaneoLiteral, ElEscaneoDaLosEjemplosDeLasPartes) {
    using escaneo::Constructor;
    const auto cuenta = [](Constructor c, int anio) {
        const std::string s = escaneo::construir(c, anio, std::to_string(anio), kHoy);
        return std::make_pair(caracteres(s), contar(s, "\r\n"));
    };
    EXPECT_EQ(cuenta(Constructor::TablaSemanas, 2005), std::make_pair(size_t{3140}, size_t{53}));
    EXPECT_EQ(cuenta(Constructor::TablaSemanas, 2003), std::make_pair(size_t{3199}, size_t{54}));
    EXPECT_EQ(cuenta(Constructor::TablaAmbas, 2005), std::make_pair(size_t{3387}, size_t{53}));
    EXPECT_EQ(cuenta(Constructor::TablaAmbas, 2003), std::make_pair(size_t{3450}, size_t{54}));
    EXPECT_EQ(cuenta(Constructor::TablaCuatrisemanas, 2005), std::make_pair(size_t{819}, size_t{16}));
    EXPECT_EQ(cuenta(Constructor::TablaCuatrisemanas, 2003), std::make_pair(size_t{819}, size_t{16}));
    EXPECT_EQ(cuenta(Constructor::ListadoSemanas, 2005), std::make_pair(size_t{4553}, size_t{54}));
    EXPECT_EQ(cuenta(Constructor::ListadoAmbas, 2005), std::make_pair(size_t{5629}, size_t{54}));
    EXPECT_EQ(cuenta(Constructor::ListadoCuatrisemanas, 2005), std::make_pair(size_t{1335}, size_t{15}));
    EXPECT_EQ(lineas(escaneo::construir(Constructor::TablaSemanas, 2008, "2008", kHoy))[1],
              "        |         1        |  30/12/2007  |  05/01/2008  |");
    EXPECT_EQ(lineas(escaneo::construir(Constructor::ListadoCuatrisemanas, 2003, "2003", kHoy))[14],
              kSangria + "Cuatrisemana     13      del  30/11/2003  al  03/01/2004  ");
}

// Rows against the independent calendar walk: each week row's Sunday and
// Saturday are the oracle's.
TEST(EscaneoLiteral, FilasDeSemanaContraElOraculo) {
    const oraculo::Calendario cal(1999, 2031);
    for (int anio = 2000; anio <= 2030; ++anio) {
        const auto l = lineas(tarvolo::TablaSemanas(anio, kHoy));
        ASSERT_EQ(l.size() - 1, static_cast<size_t>(cal.semanasDe(anio))) << anio;
        std::vector<std::string> domingos, sabados;
        for (const auto& d : cal.dias()) {
            if (d.anioEpi != anio) continue;
            if (d.dds == 0) domingos.push_back(escaneo::textoFecha(d.dia, d.mes, d.anio));
            if (d.dds == 6) sabados.push_back(escaneo::textoFecha(d.dia, d.mes, d.anio));
        }
        ASSERT_EQ(domingos.size(), l.size() - 1);
        for (size_t w = 1; w < l.size(); ++w) {
            EXPECT_NE(l[w].find("|  " + domingos[w - 1] + "  |  " + sabados[w - 1] + "  |"),
                      std::string::npos)
                << anio << ": " << l[w];
        }
    }
}

}  // namespace
