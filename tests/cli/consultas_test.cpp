// The week-to-dates questions, dates from standard input, the version, and
// `convertir` as a command: its options, files and `--salida`.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/describir_dia.h"
#include "cli/archivos.h"
#include "cli/companion.h"
#include "tables/tablas.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

constexpr tarvolo::Fecha kHoy{year{2004}, January, day{3}};

struct Resultado {
    int estado;
    std::string salida;
    std::string errores;
};

Resultado correr(const std::vector<std::string>& args, const std::string& entrada = "") {
    std::istringstream in(entrada);
    std::ostringstream salida, errores;
    const int estado = tarvolo::ejecutarCompanion(args, kHoy, in, salida, errores);
    return {estado, salida.str(), errores.str()};
}

std::string fecha(const oraculo::Dia& d) {
    auto dos = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return dos(d.dia) + "/" + dos(d.mes) + "/" + std::to_string(d.anio);
}

// ------------------------------------------------------------ fechas, semanas, cuatrisemana

TEST(Fechas, LaSemana53SoloEnLosAniosQueLaTienen) {
    auto r = correr({"fechas", "2020", "53"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "27/12/2020 02/01/2021\n");
    EXPECT_EQ(r.errores, "");
    EXPECT_EQ(correr({"fechas", "2003", "1"}).salida, "29/12/2002 04/01/2003\n");
    EXPECT_EQ(correr({"fechas", "2005", "01"}).salida, "02/01/2005 08/01/2005\n");

    r = correr({"fechas", "2021", "53"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida, "");  // never a week of 2022
    EXPECT_EQ(r.errores, "tarvolo-cli: semana no v\xc3\xa1lida: 53 (el a\xc3\xb1o 2021 tiene 52 semanas)\n");
    for (const std::string s : {"0", "54", "-1", "x", "", "1.5", "99999999999999999999"}) {
        SCOPED_TRACE(s);
        r = correr({"fechas", "2020", s});
        EXPECT_EQ(r.estado, 1);
        EXPECT_EQ(r.salida, "");
        EXPECT_NE(r.errores.find("semana no v\xc3\xa1lida"), std::string::npos);
    }
    r = correr({"fechas", "abc", "1"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.errores,
              "tarvolo-cli: a\xc3\xb1o no v\xc3\xa1lido: abc (error 13: No coinciden los tipos)\n");
}

TEST(Fechas, CadaAnioDe1900A2100ComoLasTablasYElCalendarioIndependiente) {
    const oraculo::Calendario cal(1900, 2100);
    for (int anio = 1900; anio <= 2100; ++anio) {
        SCOPED_TRACE(anio);
        const auto r = correr({"fechas", std::to_string(anio)});
        ASSERT_EQ(r.estado, 0);
        std::vector<std::string> lineas;
        std::istringstream texto(r.salida);
        for (std::string l; std::getline(texto, l);) lineas.push_back(l);
        const int semanas = cal.semanasDe(anio);
        ASSERT_EQ(correr({"semanas", std::to_string(anio)}).salida, std::to_string(semanas) + "\n");
        ASSERT_EQ(oraculo::contar(r.salida, "\n"), static_cast<std::size_t>(semanas));
        // The year table lists the same Sundays and Saturdays.
        const std::string tabla = tarvolo::TablaSemanas(anio, kHoy);
        const auto& dias = cal.dias();
        std::size_t i = static_cast<std::size_t>(&cal.domingoDeSemana1(anio) - dias.data());
        for (int s = 1; s <= semanas; ++s, i += 7) {
            const std::string domingo = fecha(dias[i]), sabado = fecha(dias[i + 6]);
            ASSERT_EQ(lineas[static_cast<std::size_t>(s - 1)],
                      std::to_string(s) + " " + domingo + " " + sabado);
            ASSERT_NE(tabla.find(domingo + "  |  " + sabado), std::string::npos) << s;
            if (s == 1 || s == semanas) {
                ASSERT_EQ(correr({"fechas", std::to_string(anio), std::to_string(s)}).salida,
                          domingo + " " + sabado + "\n");
            }
        }
        const auto fuera = correr({"fechas", std::to_string(anio), std::to_string(semanas + 1)});
        ASSERT_EQ(fuera.estado, 1);
        ASSERT_EQ(fuera.salida, "");
    }
}

TEST(Cuatrisemana, PrimerYUltimoDia) {
    EXPECT_EQ(correr({"cuatrisemana", "2005", "1"}).salida, "02/01/2005 29/01/2005\n");
    EXPECT_EQ(correr({"cuatrisemana", "2005", "13"}).salida, "04/12/2005 31/12/2005\n");
    // In a 53-week year the thirteenth period takes five weeks.
    EXPECT_EQ(correr({"cuatrisemana", "2020", "13"}).salida, "29/11/2020 02/01/2021\n");
    EXPECT_EQ(correr({"cuatrisemana", "2003", "1"}).salida, "29/12/2002 25/01/2003\n");
    for (const std::string n : {"0", "14", "x", ""}) {
        const auto r = correr({"cuatrisemana", "2005", n});
        EXPECT_EQ(r.estado, 1) << n;
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.errores, "tarvolo-cli: cuatrisemana no v\xc3\xa1lida: " + n + " (de 1 a 13)\n");
    }
    EXPECT_EQ(correr({"semanas", "2020"}).salida, "53\n");
    EXPECT_EQ(correr({"semanas", "2021"}).salida, "52\n");
    EXPECT_EQ(correr({"semanas", "10000"}).estado, 1);
}

TEST(Consultas, ArgumentosDeMasODeMenosSonErroresDeUso) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"fechas"},
                                                 {"fechas", "2005", "1", "2"},
                                                 {"semanas"},
                                                 {"semanas", "2005", "1"},
                                                 {"cuatrisemana", "2005"},
                                                 {"cuatrisemana"},
                                                 {"cuatrisemana", "2005", "1", "2"}}) {
        const auto r = correr(args);
        EXPECT_EQ(r.estado, 2) << args[0] << " " << args.size();
        EXPECT_EQ(r.salida, "");
        EXPECT_NE(r.errores.find("Uso: tarvolo-cli " + args[0]), std::string::npos);
    }
}

// ------------------------------------------------------------ dates from standard input

TEST(EntradaEstandar, UnaFechaPorLinea) {
    auto r = correr({"semana", "-"}, "29/12/2002\r\n31/4/2005\n\n2005-01-01\n3/1/2004");
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida, "1 2003 1\n52 2004 13\n53 2003 13\n");
    EXPECT_EQ(r.errores,
              "tarvolo-cli: fecha no v\xc3\xa1lida: 31/4/2005 (error 13: No coinciden los tipos)\n"
              "tarvolo-cli: fecha no v\xc3\xa1lida:  (error 13: No coinciden los tipos)\n");
    r = correr({"describir", "-"}, "1/1/2005\n29/12/2002\n");
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, tarvolo::DescribirDia(kHoy, 1, 1, 2005) + "\n" +
                            tarvolo::DescribirDia(kHoy, 29, 12, 2002) + "\n");
    r = correr({"semana", "-"}, "");
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "");
    // "-" among other dates is a date, and a bad one.
    EXPECT_EQ(correr({"semana", "1/1/2005", "-"}, "29/12/2002\n").estado, 1);
}

TEST(Version, LaVersionDelProyecto) {
    const auto r = correr({"--version"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida, "tarvolo-cli 1.3.2\n");
    EXPECT_EQ(r.errores, "");
    const auto ayuda = correr({"--help"}).salida;
    // Every command: its usage line and one example.
    for (const std::string orden :
         {"semana", "describir", "tabla", "listado", "fechas", "semanas", "cuatrisemana", "convertir"})
        EXPECT_GE(oraculo::contar(ayuda, "tarvolo-cli " + orden + " "), 2u) << orden;
    EXPECT_NE(ayuda.find("tarvolo-cli --version\n"), std::string::npos);
}

// ------------------------------------------------------------ convertir as a command

class ConvertirArchivos : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta_ = fs::temp_directory_path() /
                   ("tarvolo-convertir-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(carpeta_);
        fs::create_directories(carpeta_);
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    std::string ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }
    void escribir(const std::string& nombre, const std::string& bytes) const {
        std::ofstream(ruta(nombre), std::ios::binary) << bytes;
    }
    static std::string leer(const std::string& r) {
        std::ifstream f(r, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> contenido() const {
        std::vector<std::string> nombres;
        for (const auto& e : fs::directory_iterator(carpeta_))
            nombres.push_back(e.path().filename().string());
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    fs::path carpeta_;
};

const std::string kCasos = "id;fecha\r\n1;29/12/2002\r\n2;\r\n";
const std::string kConvertidos =
    "id;fecha;semana_epi;anio_epi;cuatrisemana\r\n1;29/12/2002;1;2003;1\r\n2;;;;\r\n";

TEST_F(ConvertirArchivos, DeArchivoAArchivoSinRestos) {
    escribir("casos.csv", kCasos);
    escribir("salida.csv", "lo de antes");
    const auto r = correr({"convertir", "--salida", ruta("salida.csv"), ruta("casos.csv")});
    EXPECT_EQ(r.estado, 0) << r.errores;
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(leer(ruta("salida.csv")), kConvertidos);
    EXPECT_EQ(contenido(), (std::vector<std::string>{"casos.csv", "salida.csv"}));  // no temporary left
    EXPECT_EQ(r.errores, "tarvolo-cli: 2 filas, 1 sin fecha, 0 fechas no v\xc3\xa1lidas\n");
    // Bad dates still give the whole file, with status 1.
    escribir("malos.csv", "fecha\nayer\n");
    EXPECT_EQ(correr({"convertir", "--salida=" + ruta("m.csv"), ruta("malos.csv")}).estado, 1);
    EXPECT_EQ(leer(ruta("m.csv")), "fecha,semana_epi,anio_epi,cuatrisemana\nayer,,,\n");
}

TEST_F(ConvertirArchivos, UnFalloNoDejaArchivoNiTocaElAnterior) {
    escribir("abierto.csv", "fecha,x\n1/1/2005,\"sin cerrar\n");
    escribir("sin_fecha.csv", "id,x\n1,2\n");
    escribir("previo.csv", "lo de antes");
    for (const std::string entrada : {"abierto.csv", "sin_fecha.csv", "no_existe.csv"}) {
        SCOPED_TRACE(entrada);
        for (const std::string destino : {"nuevo.csv", "previo.csv"}) {
            const auto r = correr({"convertir", "--salida", ruta(destino), ruta(entrada)});
            EXPECT_EQ(r.estado, 2);
            EXPECT_EQ(r.salida, "");
            EXPECT_FALSE(fs::exists(ruta("nuevo.csv")));
            EXPECT_EQ(leer(ruta("previo.csv")), "lo de antes");
        }
    }
    EXPECT_EQ(contenido(), (std::vector<std::string>{"abierto.csv", "previo.csv", "sin_fecha.csv"}));
}

// Names reach the companion in UTF-8 on every system; Windows must not read
// them in its ANSI code page.
TEST_F(ConvertirArchivos, NombresConAcentosYEnes) {
    auto enCarpeta = [this](std::string_view nombre) {
        return tarvolo::textoRuta(carpeta_ / tarvolo::rutaUtf8(nombre));
    };
    const std::string entrada = enCarpeta("casos año.csv"), salida = enCarpeta("semanas ñandú.csv");
    std::ofstream(tarvolo::rutaUtf8(entrada), std::ios::binary) << kCasos;
    const auto r = correr({"convertir", "--salida", salida, entrada});
    EXPECT_EQ(r.estado, 0) << r.errores;
    std::ifstream leido(tarvolo::rutaUtf8(salida), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(leido), {}), kConvertidos);
    EXPECT_EQ(tarvolo::textoRuta(tarvolo::rutaUtf8(salida)), salida);
}

TEST_F(ConvertirArchivos, LaSalidaNoPuedeSerLaEntrada) {
    escribir("casos.csv", kCasos);
    for (const std::string& destino : {std::string("casos.csv"), std::string("./casos.csv"),
                                       "../" + carpeta_.filename().string() + "/casos.csv"}) {
        const auto r = correr({"convertir", ruta("casos.csv"), "--salida", ruta(destino)});
        EXPECT_EQ(r.estado, 2) << destino;
        EXPECT_NE(r.errores.find("la salida no puede ser el archivo de entrada"), std::string::npos);
        EXPECT_EQ(leer(ruta("casos.csv")), kCasos);
    }
    EXPECT_EQ(contenido(), (std::vector<std::string>{"casos.csv"}));
}

TEST_F(ConvertirArchivos, EntradaEstandarYOpciones) {
    EXPECT_EQ(correr({"convertir"}, kCasos).salida, kConvertidos);
    EXPECT_EQ(correr({"convertir", "-"}, kCasos).salida, kConvertidos);
    // The separator given: ';' is then part of a field.
    auto r = correr({"convertir", "--separador", ",", "--columna", "1"}, "a;b,fecha\n1;2,3/1/2004\n");
    EXPECT_EQ(r.salida, "a;b,fecha,semana_epi,anio_epi,cuatrisemana\n1;2,3/1/2004,,,\n");
    EXPECT_EQ(r.estado, 1);
    r = correr({"convertir", "--separador=tab", "--fechas", "--columna=b"}, "a\tb\n1\t2005-01-01\n");
    EXPECT_EQ(r.salida,
              "a\tb\tsemana_epi\tanio_epi\tcuatrisemana\tinicio_semana\tfin_semana\n"
              "1\t2005-01-01\t52\t2004\t13\t26/12/2004\t01/01/2005\n");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"convertir", "--separador", "|"},
                                                 {"convertir", "--columna"},
                                                 {"convertir", "--columna", " "},
                                                 {"convertir", "--salida"},
                                                 {"convertir", "--otra"},
                                                 {"convertir", "a.csv", "b.csv"}}) {
        r = correr(args, kCasos);
        EXPECT_EQ(r.estado, 2) << args.back();
        EXPECT_EQ(r.salida, "");
        EXPECT_NE(r.errores.find("Uso: tarvolo-cli convertir"), std::string::npos);
    }
    r = correr({"convertir", carpeta_.string()});
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
}

}  // namespace
