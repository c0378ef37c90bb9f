// The command-line companion's contract, through
// ejecutarCompanion with string streams and a fixed today, and once through
// the real tarvolo-cli executable.

#include "cli/companion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/describir_dia.h"
#include "calendar/reloj.h"
#include "proceso.h"
#include "tables/tablas.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
using tarvolo::Fecha;
using tarvolo::Parte;

namespace {

// Today: Saturday 3 January 2004, week 53 of 2003, period 13.
constexpr Fecha kHoy{year{2004}, January, day{3}};

struct Resultado {
    int estado;
    std::string salida;
    std::string errores;
};

Resultado correr(const std::vector<std::string>& args, const Fecha& hoy = kHoy) {
    std::ostringstream salida, errores;
    const int estado = tarvolo::ejecutarCompanion(args, hoy, salida, errores);
    return {estado, salida.str(), errores.str()};
}

size_t lineasDe(const std::string& s) {
    return oraculo::contar(s, "\n");
}

// ------------------------------------------------------------ semana

TEST(Semana, UnaLineaPorFecha) {
    const auto r = correr({"semana", "28/12/2003"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "53 2003 13\n");
    EXPECT_EQ(r.errores, "");
}

TEST(Semana, FechasTrabajadasEnOrden) {
    const auto r =
        correr({"semana", "29/12/2002", "3/1/2004", "8/11/2004", "1/1/2005", "02/01/2005", "1/1/2009"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "1 2003 1\n53 2003 13\n45 2004 12\n52 2004 13\n1 2005 1\n53 2008 13\n");
    EXPECT_EQ(r.errores, "");
}

TEST(Semana, FechasIso) {
    EXPECT_EQ(correr({"semana", "2003-12-28"}).salida, "53 2003 13\n");
    EXPECT_EQ(correr({"semana", "2002-12-29", "2005-01-01"}).salida, "1 2003 1\n52 2004 13\n");
    EXPECT_EQ(correr({"semana", "2004-11-08"}).salida, correr({"semana", "8/11/2004"}).salida);
}

TEST(Semana, SinFechaEsHoy) {
    const auto r = correr({"semana"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "53 2003 13\n");
    EXPECT_EQ(correr({"semana"}, Fecha{year{2005}, January, day{2}}).salida, "1 2005 1\n");
}

TEST(Semana, UnaFechaInvalidaEntreVarias) {
    const auto r = correr({"semana", "29/12/2002", "31/4/2005", "28/12/2003"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida, "1 2003 1\n53 2003 13\n");  // the valid ones, in order
    EXPECT_EQ(lineasDe(r.errores), 1u);
    EXPECT_NE(r.errores.find("31/4/2005"), std::string::npos) << r.errores;
    EXPECT_NE(r.errores.find("error 13"), std::string::npos) << r.errores;
    EXPECT_NE(r.errores.find("No coinciden los tipos"), std::string::npos) << r.errores;
    EXPECT_EQ(r.errores,
              "tarvolo-cli: fecha no v\xc3\xa1lida: 31/4/2005 (error 13: No coinciden los tipos)\n");
}

TEST(Semana, UnaLineaDeErrorPorCadaFechaInvalida) {
    const auto r = correr({"semana", "abc", "1/1/2005", "4/31/2005", "29/2/2003"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida, "52 2004 13\n");
    EXPECT_EQ(lineasDe(r.errores), 3u);
    EXPECT_NE(r.errores.find(": abc ("), std::string::npos);
    EXPECT_NE(r.errores.find(": 4/31/2005 ("), std::string::npos);
    EXPECT_NE(r.errores.find(": 29/2/2003 ("), std::string::npos);
}

TEST(Semana, LasReglasDelCalendarioValenParaCadaParte) {
    // Two-digit years, month-first pairs, signs, blanks inside: error 13.
    for (const std::string f :
         {"1/1/05",     "1/1/5",     "12/25/2005", "2005-25-12", "+1/1/2005", "-1/1/2005",
          "1/-1/2005",  "1/1/+2005", "1 0/1/2005", "0/1/2005",   "1/0/2005",  "1/1/0",
          "1/1/10000",  "1/1/99",    "1/1",        "1/1/2005/1", "2005-01",   "2005-01-01-01",
          "01.01.2005", "1-1/2005",  "//",         "--",         "/",         "-",
          "",           " ",         "2005",       "hoy",        "1/1/ ",     " /1/2005"}) {
        const auto r = correr({"semana", f});
        EXPECT_EQ(r.estado, 1) << '"' << f << '"';
        EXPECT_EQ(r.salida, "") << '"' << f << '"';
        EXPECT_EQ(lineasDe(r.errores), 1u) << '"' << f << '"';
        EXPECT_NE(r.errores.find("error 13"), std::string::npos) << '"' << f << '"';
    }
    // Blanks around a part are accepted, as in the date lookup window.
    EXPECT_EQ(correr({"semana", " 28/ 12 /2003 "}).salida, "53 2003 13\n");
    EXPECT_EQ(correr({"semana", "1/1/100"}).salida, "52 99 13\n");
    EXPECT_EQ(correr({"semana", "31/12/9999"}).estado, 0);
}

// ------------------------------------------------------------ describir

TEST(Describir, CuatroLineasYUnSaltoAlFinal) {
    const auto r = correr({"describir", "29/12/2002"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, tarvolo::DescribirDia(kHoy, 29, 12, 2002) + "\n");
    EXPECT_EQ(r.salida,
              "El domingo 29 de diciembre de 2002\r\n es el 1\xc2\xba d\xc3\xad"
              "a de la semana epidemiol\xc3\xb3gica 1,\r\ncuatrisemana 1\r\ndel a\xc3\xb1o "
              "epidemiol\xc3\xb3gico 2003\n");
    EXPECT_EQ(oraculo::contar(r.salida, "\r\n"), 3u);
    EXPECT_EQ(lineasDe(r.salida), 4u);
    EXPECT_NE(r.salida.substr(r.salida.size() - 2), "\r\n");
}

TEST(Describir, VariasFechasSinFechaEIso) {
    const auto r = correr({"describir", "1/1/2005", "2004-01-03"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, tarvolo::DescribirDia(kHoy, 1, 1, 2005) + "\n" +
                            tarvolo::DescribirDia(kHoy, 3, 1, 2004) + "\n");
    EXPECT_EQ(correr({"describir"}).salida, tarvolo::DescribirDia(kHoy) + "\n");
}

TEST(Describir, FechaInvalida) {
    const auto r = correr({"describir", "31/4/2005", "29/12/2002"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida, tarvolo::DescribirDia(kHoy, 29, 12, 2002) + "\n");
    EXPECT_EQ(r.errores,
              "tarvolo-cli: fecha no v\xc3\xa1lida: 31/4/2005 (error 13: No coinciden los tipos)\n");
}

// ------------------------------------------------------------ tabla / listado

struct Clase {
    const char* orden;
    const char* palabra;
    tarvolo::Constructor construir;
};

const std::vector<Clase> kClases = {
    {"tabla", "semanas", tarvolo::TablaSemanas},
    {"tabla", "cuatrisemanas", tarvolo::TablaCuatrisemanas},
    {"tabla", "ambas", tarvolo::TablaAmbas},
    {"listado", "semanas", tarvolo::ListadoSemanas},
    {"listado", "cuatrisemanas", tarvolo::ListadoCuatrisemanas},
    {"listado", "ambas", tarvolo::ListadoAmbas},
};

TEST(TablaYListado, ByteAByteComoElConstructor) {
    for (const auto& c : kClases) {
        SCOPED_TRACE(std::string(c.orden) + " " + c.palabra);
        for (const std::string anio : {"2005", "2003", "2008", " 2005", "02005"}) {
            const std::string esperado = c.construir(anio, kHoy);
            const auto primero = correr({c.orden, anio, c.palabra});
            EXPECT_EQ(primero.estado, 0);
            EXPECT_EQ(primero.salida, esperado);  // CR LF kept, nothing added
            EXPECT_EQ(primero.errores, "");
            const auto segundo = correr({c.orden, c.palabra, anio});
            EXPECT_EQ(segundo.estado, 0);
            EXPECT_EQ(segundo.salida, esperado);
        }
    }
    // A spot check of the bytes themselves.
    EXPECT_EQ(correr({"tabla", "2005", "cuatrisemanas"}).salida.substr(0, 4), "\r\n\r\n");
    EXPECT_EQ(correr({"listado", "ambas", "2005"}).salida.size(), 5630u);
}

TEST(TablaYListado, SinAnioEsElAnioEnCurso) {
    for (const auto& c : kClases) {
        SCOPED_TRACE(std::string(c.orden) + " " + c.palabra);
        const auto r = correr({c.orden, c.palabra});
        EXPECT_EQ(r.estado, 0);
        EXPECT_EQ(r.salida, c.construir(Parte(), kHoy));
        EXPECT_EQ(r.salida, c.construir(2004, kHoy));
    }
    EXPECT_NE(correr({"listado", "semanas"}).salida.find("DEL 2004\r\n"), std::string::npos);
}

TEST(TablaYListado, AnioInvalido) {
    for (const std::string anio : {"abc", "9999", "100", "10000", "05", "-2005", "+2005", "20 05", ""}) {
        for (const auto& c : kClases) {
            SCOPED_TRACE(std::string(c.orden) + " " + c.palabra + " \"" + anio + '"');
            const auto r = correr({c.orden, anio, c.palabra});
            if (anio.empty()) {
                // An empty year is the current year, as in the year window.
                EXPECT_EQ(r.estado, 0);
                EXPECT_EQ(r.salida, c.construir(Parte(), kHoy));
                continue;
            }
            EXPECT_EQ(r.estado, 1);
            EXPECT_EQ(r.salida, "");  // no half-built text
            EXPECT_EQ(lineasDe(r.errores), 1u);
            EXPECT_NE(r.errores.find(anio), std::string::npos) << r.errores;
            EXPECT_NE(r.errores.find("error 13"), std::string::npos) << r.errores;
        }
    }
    EXPECT_EQ(correr({"tabla", "abc", "semanas"}).errores,
              "tarvolo-cli: a\xc3\xb1o no v\xc3\xa1lido: abc (error 13: No coinciden los tipos)\n");
}

// ------------------------------------------------------------ usage

void esperarUso(const std::vector<std::string>& args) {
    const auto r = correr(args);
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.errores.find("Uso: tarvolo-cli"), std::string::npos) << r.errores;
}

TEST(Uso, ErroresDeUsoSalenConEstado2) {
    esperarUso({});
    esperarUso({"semanas"});
    esperarUso({"foo"});
    esperarUso({""});
    esperarUso({"SEMANA"});
    esperarUso({"tabla"});
    esperarUso({"listado"});
    esperarUso({"tabla", "2005"});
    esperarUso({"tabla", "2005", "2006"});
    esperarUso({"tabla", "2005", "semana"});
    esperarUso({"tabla", "2005", "semanas", "extra"});
    esperarUso({"listado", "ambas", "2005", "2006"});
    esperarUso({"tabla", "semanas", "ambas", "2005"});
    esperarUso({"--help", "semana"});
}

TEST(Uso, AyudaPorLaSalidaEstandar) {
    for (const std::string opcion : {"--help", "-h"}) {
        const auto r = correr({opcion});
        EXPECT_EQ(r.estado, 0);
        EXPECT_EQ(r.errores, "");
        EXPECT_NE(r.salida.find("Uso: tarvolo-cli semana [FECHA...]"), std::string::npos);
        EXPECT_NE(r.salida.find("tarvolo-cli describir"), std::string::npos);
        EXPECT_NE(r.salida.find("tarvolo-cli tabla [A\xc3\x91O] semanas|cuatrisemanas|ambas"),
                  std::string::npos);
        EXPECT_NE(r.salida.find("tarvolo-cli listado"), std::string::npos);
        EXPECT_TRUE(oraculo::utf8Valido(r.salida));
    }
}

// ------------------------------------------------------------ robustness

TEST(Robustez, NadaLoRompe) {
    const std::string largo(100000, '1');
    const std::vector<std::string> raros = {"",
                                            " ",
                                            "\t",
                                            "\n",
                                            "\r\n",
                                            "abc",
                                            "+",
                                            "-",
                                            "+5",
                                            "-5",
                                            "/",
                                            "//",
                                            "///",
                                            "--",
                                            "---",
                                            "99999999999999999999999999999999/1/2005",
                                            "1/99999999999999999999999999/2005",
                                            "1/1/99999999999999999999999999999",
                                            "-1/-1/-2005",
                                            "1/1/-0",
                                            "0/0/0",
                                            "0000-00-00",
                                            "9999-12-32",
                                            "2005-02-29",
                                            largo,
                                            std::string(100000, '/'),
                                            std::string(100000, '-'),
                                            std::string(100000, 'a'),
                                            std::string(100000, ' '),
                                            largo + "/1/2005",
                                            "1/1/" + largo,
                                            std::string("1/1/20\0"
                                                        "05",
                                                        9),
                                            "\xff\xfe",
                                            "1/1/\xc2\xa0"
                                            "2005",
                                            "%s%n%d",
                                            "1/1/2005 2/2/2005"};
    for (const auto& a : raros) {
        for (const char* orden : {"semana", "describir"}) {
            const auto r = correr({orden, a});
            EXPECT_EQ(r.estado, 1) << orden << " [" << a.substr(0, 40) << "]";
            EXPECT_EQ(r.salida, "");
            EXPECT_EQ(lineasDe(r.errores), 1u + (a.find('\n') != std::string::npos ? 1u : 0u));
        }
        for (const auto& c : kClases) {
            const auto r = correr({c.orden, a, c.palabra});
            EXPECT_TRUE(r.estado == 0 || r.estado == 1) << c.orden << " [" << a.substr(0, 40) << "]";
            if (r.estado == 1) {
                EXPECT_EQ(r.salida, "");
            }
            const auto s = correr({c.orden, c.palabra, a});
            EXPECT_EQ(s.estado, r.estado);
            EXPECT_EQ(s.salida, r.salida);
        }
        EXPECT_EQ(correr({a}).estado, a == "-h" ? 0 : 2);
        EXPECT_EQ(correr({"tabla", a}).estado, 2);
    }
    // A very long list of dates, all answered.
    std::vector<std::string> muchas = {"semana"};
    for (int i = 0; i < 5000; ++i) muchas.push_back("28/12/2003");
    const auto r = correr(muchas);
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(lineasDe(r.salida), 5000u);
}

// ------------------------------------------------------------ the real executable

using tarvolo::prueba::Proceso;

// Runs tarvolo-cli with `args` (no shell), stdout and stderr to files.
Proceso ejecutar(const std::vector<std::string>& args) {
    return tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, args);
}

TEST(Ejecutable, CodigosDeSalidaYBytesDelConstructor) {
    const Fecha hoy = tarvolo::RelojSistema{}.hoy();

    auto p = ejecutar({"tabla", "2005", "semanas"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, tarvolo::TablaSemanas("2005", hoy));
    EXPECT_EQ(p.errores, "");

    p = ejecutar({"listado", "ambas", "2003"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, tarvolo::ListadoAmbas("2003", hoy));  // "Ó" and CR LF as bytes

    p = ejecutar({"listado", "cuatrisemanas"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, tarvolo::ListadoCuatrisemanas(Parte(), hoy));

    p = ejecutar({"semana", "28/12/2003", "2002-12-29"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, "53 2003 13\n1 2003 1\n");

    p = ejecutar({"describir", "01/01/2005"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, tarvolo::DescribirDia(hoy, 1, 1, 2005) + "\n");

    p = ejecutar({"semana", "29/12/2002", "31/4/2005"});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "1 2003 1\n");
    EXPECT_EQ(p.errores,
              "tarvolo-cli: fecha no v\xc3\xa1lida: 31/4/2005 (error 13: No coinciden los tipos)\n");

    p = ejecutar({"tabla", "abc", "ambas"});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "");

    p = ejecutar({});
    EXPECT_EQ(p.estado, 2);
    EXPECT_EQ(p.salida, "");
    EXPECT_NE(p.errores.find("Uso:"), std::string::npos);

    p = ejecutar({"bogus"});
    EXPECT_EQ(p.estado, 2);

    p = ejecutar({"--help"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_NE(p.salida.find("Uso:"), std::string::npos);
    EXPECT_EQ(p.errores, "");

    // As long as the platform lets an argument be (a Windows command line
    // holds 32,767 characters in all).
    const std::size_t largo =
        std::min<std::size_t>(100000, tarvolo::prueba::argumentoMasLargo(TARVOLO_CLI_PATH, {"semana"}));
    p = ejecutar({"semana", std::string(largo, '9')});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "");
}

// convertir through the real program: statuses, and --salida written only whole.
TEST(Ejecutable, ConvertirEstadosYSalidaEntera) {
    using tarvolo::prueba::leerArchivo;
    const tarvolo::prueba::CarpetaTemporal dir;
    const std::string entrada = (dir.ruta() / "casos.csv").string();
    const std::string salida = (dir.ruta() / "sem.csv").string();
    tarvolo::prueba::escribirArchivo(entrada, "id;fecha\r\n1;29/12/2002 00:00:00\r\n2;ayer\r\n");

    auto p = ejecutar({"convertir", "--salida", salida, entrada});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "");
    EXPECT_EQ(leerArchivo(salida),
              "id;fecha;semana_epi;anio_epi;cuatrisemana\r\n1;29/12/2002 00:00:00;1;2003;1\r\n2;ayer;;;\r\n");
    EXPECT_EQ(p.errores,
              "tarvolo-cli: l\xc3\xadnea 3: fecha no v\xc3\xa1lida: \xc2\xab"
              "ayer\xc2\xbb\n"
              "tarvolo-cli: 2 filas, 0 sin fecha, 1 fechas no v\xc3\xa1lidas\n");
    std::filesystem::remove(salida);

    // Through standard input and output, CR LF and LF stay what they were.
    p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"convertir", "-"},
                                  "fecha\r\n01/01/2005\r\n\"x\r\ny\"\n02/01/2005\n");
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida,
              "fecha,semana_epi,anio_epi,cuatrisemana\r\n01/01/2005,52,2004,13\r\n\"x\r\ny\",,,\n"
              "02/01/2005,1,2005,1\n");

    tarvolo::prueba::escribirArchivo(entrada, "fecha\n\"1/1/2005\n");
    p = ejecutar({"convertir", "--salida", salida, entrada});
    EXPECT_EQ(p.estado, 2);
    EXPECT_FALSE(std::filesystem::exists(salida));
    p = ejecutar({"convertir", "--salida", entrada, entrada});
    EXPECT_EQ(p.estado, 2);
    EXPECT_EQ(leerArchivo(entrada), "fecha\n\"1/1/2005\n");

    p = ejecutar({"--version"});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, "tarvolo-cli 1.3.2\n");
}

}  // namespace
