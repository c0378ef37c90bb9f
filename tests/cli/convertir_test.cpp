// The CSV conversion, in memory: the record reader, the date cells, and
// whole conversions compared byte for byte and against the calendar.

#include "cli/convertir.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/semana_epi.h"
#include "calendar/texto_fecha.h"
#include "cli/lector_csv.h"
#include "cli/leer_fecha.h"
#include "prueba_companion.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
using tarvolo::FuenteMemoria;
using tarvolo::LectorCsv;
using tarvolo::OpcionesConvertir;

namespace {

constexpr tarvolo::Fecha kHoy{year{2004}, January, day{3}};

struct Conversion {
    int estado;
    std::string salida;
    std::string errores;
};

Conversion convertir(std::string_view csv, const OpcionesConvertir& opciones = {}, std::size_t trozo = 0) {
    FuenteMemoria fuente(csv, trozo);
    std::ostringstream salida, errores;
    tarvolo::SumideroFlujo sumidero(salida);
    const int estado = tarvolo::convertirCsv(fuente, sumidero, errores, opciones, kHoy);
    return {estado, salida.str(), errores.str()};
}

using prueba::Filas;
using prueba::registros;

// ------------------------------------------------------------ date cells

struct Trabajada {
    int anio, mes, dia;
    int semana, anioEpi, cuatrisemana;
};

// The worked dates around the ends of epidemiological years.
const std::vector<Trabajada> kTrabajadas = {
    {2002, 12, 29, 1, 2003, 1},   {2004, 1, 3, 53, 2003, 13}, {2004, 11, 8, 45, 2004, 12},
    {2005, 1, 1, 52, 2004, 13},   {2005, 1, 2, 1, 2005, 1},   {2009, 1, 1, 53, 2008, 13},
    {2003, 12, 28, 53, 2003, 13}, {2021, 1, 2, 53, 2020, 13}, {2021, 1, 3, 1, 2021, 1},
};

std::string dos(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

TEST(CeldaFecha, LasFechasTrabajadasEnTodasLasFormas) {
    for (const auto& t : kTrabajadas) {
        const std::string a = std::to_string(t.anio), m = std::to_string(t.mes), d = std::to_string(t.dia);
        const std::vector<std::string> formas = {
            d + "/" + m + "/" + a,
            dos(t.dia) + "/" + dos(t.mes) + "/" + a,
            d + "-" + m + "-" + a,
            dos(t.dia) + "." + dos(t.mes) + "." + a,
            a + "-" + dos(t.mes) + "-" + dos(t.dia),
            a + "/" + dos(t.mes) + "/" + dos(t.dia),
            "  " + d + "/" + m + "/" + a + "\t",
            dos(t.dia) + "/" + dos(t.mes) + "/" + a + " 00:00:00",
            d + "/" + m + "/" + a + " 14:30",
            a + "-" + dos(t.mes) + "-" + dos(t.dia) + "T14:30:00",
            a + "-" + dos(t.mes) + "-" + dos(t.dia) + "T14:30:00.250",
            d + "/" + m + "/" + a + "  9:05:59 ",
        };
        for (const auto& f : formas) {
            SCOPED_TRACE(f);
            const auto r = tarvolo::leerCeldaFecha(f, kHoy);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->fecha, tarvolo::Fecha(year{t.anio}, month{unsigned(t.mes)}, day{unsigned(t.dia)}));
            EXPECT_EQ(r->semana, t.semana);
            EXPECT_EQ(r->anio, t.anioEpi);
            EXPECT_EQ(r->cuatrisemana, t.cuatrisemana);
        }
    }
}

TEST(CeldaFecha, LoQueNoEsUnaFechaSeRechaza) {
    for (const std::string f : {"",
                                " ",
                                "abc",
                                "1/1/05",
                                "1/1/205",
                                "1/1/20055",
                                "12/25/2005",
                                "2005-25-12",
                                "31/4/2005",
                                "29/2/2003",
                                "0/1/2005",
                                "1/0/2005",
                                "1/1/0099",
                                "001/1/2005",
                                "1/1-2005",
                                "2005.01.02",
                                "2005-01/02",
                                "1/1/2005x",
                                "1/1/2005 14",
                                "1/1/2005 25:00",
                                "1/1/2005 14:60",
                                "1/1/2005 14:3",
                                "1/1/2005 14:30:",
                                "1/1/2005 14:30:00.",
                                "2005-01-01T",
                                "1/1/2005T",
                                "1/1/2005 14:30 PM",
                                "+1/1/2005",
                                "1 /1/2005",
                                "2005-001-01",
                                "2005-01-001",
                                "1/1/2005\n",
                                "\xef\xbb\xbf"
                                "1/1/2005"}) {
        SCOPED_TRACE('"' + f + '"');
        EXPECT_FALSE(tarvolo::leerCeldaFecha(f, kHoy).has_value());
    }
    // The calendar's limits and leap years decide, not the shape.
    EXPECT_TRUE(tarvolo::leerCeldaFecha("29/2/2004", kHoy).has_value());
    EXPECT_TRUE(tarvolo::leerCeldaFecha("29/02/2000", kHoy).has_value());
    EXPECT_FALSE(tarvolo::leerCeldaFecha("29/02/1900", kHoy).has_value());
    EXPECT_TRUE(tarvolo::leerCeldaFecha("31/12/9999", kHoy).has_value());
    EXPECT_TRUE(tarvolo::leerCeldaFecha("1/1/0100", kHoy).has_value());
}

// ------------------------------------------------------------ the record reader

TEST(LectorCsv, ComillasSeparadorYSaltosDentroDeUnCampo) {
    const std::string csv =
        "a,b,c\n"
        "\"x,y\",\"dijo \"\"hola\"\"\",\"dos\nl\xc3\xad"
        "neas\"\n"
        "\"\",,\"\r\n\"\r\n"
        "sin\"comillas\",\"\"\"\",fin";
    const Filas esperado = {{"a", "b", "c"},
                            {"x,y", "dijo \"hola\"", "dos\nl\xc3\xadneas"},
                            {"", "", "\r\n"},
                            {"sin\"comillas\"", "\"", "fin"}};
    EXPECT_EQ(registros(csv), esperado);
    // Cut anywhere, even inside a doubled quote or between CR and LF, and
    // with a buffer smaller than a record: the same records.
    for (std::size_t trozo = 1; trozo <= 7; ++trozo)
        EXPECT_EQ(registros(csv, 0, trozo, 16), esperado) << trozo;
}

TEST(LectorCsv, BytesFinDeLineaYLineaDeCadaRegistro) {
    const std::string csv = "h1;h2\r\n1;\"a\nb\nc\"\r\n2;x\n\n3;\"q\"\"\"";
    FuenteMemoria fuente(csv, 3);
    LectorCsv lector(fuente);
    std::vector<std::string> bytes, fines;
    std::vector<long> lineas;
    while (lector.siguiente()) {
        bytes.emplace_back(lector.registro().bytes);
        fines.emplace_back(lector.registro().finDeLinea);
        lineas.push_back(lector.registro().linea);
    }
    EXPECT_EQ(lector.separador(), ';');
    EXPECT_EQ(bytes, (std::vector<std::string>{"h1;h2", "1;\"a\nb\nc\"", "2;x", "", "3;\"q\"\"\""}));
    EXPECT_EQ(fines, (std::vector<std::string>{"\r\n", "\r\n", "\n", "\n", ""}));
    EXPECT_EQ(lineas, (std::vector<long>{1, 2, 5, 6, 7}));
}

TEST(LectorCsv, SeparadorDelEncabezado) {
    EXPECT_EQ(registros("a;b;c\n1;2,5;3\n")[1], (std::vector<std::string>{"1", "2,5", "3"}));
    EXPECT_EQ(registros("a\tb\tc,d\n1\t2\t3,4\n")[1], (std::vector<std::string>{"1", "2", "3,4"}));
    EXPECT_EQ(registros("a,b;c\n1,2;3\n")[1], (std::vector<std::string>{"1", "2;3"}));  // a tie: ','
    // Separators inside quotes do not count.
    EXPECT_EQ(registros("\"a;b;c;d\",e,f\n1,2,3\n")[0], (std::vector<std::string>{"a;b;c;d", "e", "f"}));
    EXPECT_EQ(registros("solo\n1\n"), (Filas{{"solo"}, {"1"}}));
    // A given separator wins.
    EXPECT_EQ(registros("a;b,c\n", ',')[0], (std::vector<std::string>{"a;b", "c"}));
}

TEST(LectorCsv, ComillasSinCerrarDicenDondeEmpiezan) {
    for (std::size_t trozo : {0u, 1u}) {
        FuenteMemoria fuente("a,b\n1,2\n3,\"abierto\n\n", trozo);
        LectorCsv lector(fuente);
        ASSERT_TRUE(lector.siguiente());
        ASSERT_TRUE(lector.siguiente());
        try {
            lector.siguiente();
            ADD_FAILURE() << "no error";
        } catch (const tarvolo::ComillasSinCerrar& e) {
            EXPECT_EQ(e.linea(), 3);
        }
    }
}

// ------------------------------------------------------------ conversions

TEST(Convertir, CadaRegistroSaleComoEntroConSusCamposAgregados) {
    const std::string csv =
        "id,nombre,fecha_inicio,direccion\n"
        "1,Jos\xc3\xa9,29/12/2002,\"Calle 1, piso 2\"\n"
        "2,\"Ana \"\"la\"\" P\xc3\xa9rez\",\"3/1/2004\",x\n";
    const auto r = convertir(csv);
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida,
              "id,nombre,fecha_inicio,direccion,semana_epi,anio_epi,cuatrisemana\n"
              "1,Jos\xc3\xa9,29/12/2002,\"Calle 1, piso 2\",1,2003,1\n"
              "2,\"Ana \"\"la\"\" P\xc3\xa9rez\",\"3/1/2004\",x,53,2003,13\n");
    EXPECT_EQ(r.errores, "tarvolo-cli: 2 filas, 0 sin fecha, 0 fechas no v\xc3\xa1lidas\n");
}

TEST(Convertir, PuntoYComaTabuladorYFinesDeLinea) {
    auto r = convertir("Fecha;x\r\n1/1/2005;\"a;b\"\r\n2/1/2005;c\r\n");
    EXPECT_EQ(r.salida,
              "Fecha;x;semana_epi;anio_epi;cuatrisemana\r\n1/1/2005;\"a;b\";52;2004;13\r\n"
              "2/1/2005;c;1;2005;1\r\n");
    r = convertir("x\tFECHA\n\t2005-01-02\n");
    EXPECT_EQ(r.salida, "x\tFECHA\tsemana_epi\tanio_epi\tcuatrisemana\n\t2005-01-02\t1\t2005\t1\n");
    // Mixed line ends stay as each record had it; no line end at the end stays so.
    r = convertir("fecha\r\n1/1/2005\n2/1/2005\r\n3/1/2005");
    EXPECT_EQ(r.salida,
              "fecha,semana_epi,anio_epi,cuatrisemana\r\n1/1/2005,52,2004,13\n2/1/2005,1,2005,1\r\n"
              "3/1/2005,1,2005,1");
}

TEST(Convertir, BytesDeWindows1252YMarcaDeOrdenSinTocar) {
    // "Fecha de notificación" and "Muñoz" in Windows-1252: single bytes that
    // are not UTF-8.
    const std::string csv =
        "apellido;Fecha de notificaci\xf3n\r\nMu\xf1oz;08/11/2004\r\n\xc1lvarez \x80;\r\n";
    auto r = convertir(csv);
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida,
              "apellido;Fecha de notificaci\xf3n;semana_epi;anio_epi;cuatrisemana\r\n"
              "Mu\xf1oz;08/11/2004;45;2004;12\r\n\xc1lvarez \x80;;;;\r\n");
    EXPECT_EQ(r.errores, "tarvolo-cli: 2 filas, 1 sin fecha, 0 fechas no v\xc3\xa1lidas\n");

    const std::string bom = "\xef\xbb\xbf";
    r = convertir(bom + "\"fecha\",b\n1/1/2009,x\n");
    EXPECT_EQ(r.salida, bom + "\"fecha\",b,semana_epi,anio_epi,cuatrisemana\n1/1/2009,x,53,2008,13\n");
    r = convertir(bom + "Fecha,b\n1/1/2009,x\n", {"FECHA"});  // the mark is not part of the name
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.salida.substr(0, 3), bom);
}

TEST(Convertir, FilasIncompletasVaciasYFechasNoValidas) {
    const std::string csv =
        "id,nota,fecha,x\n"  // 1
        "1,\"dos\nl\xc3\xad"
        "neas\",hoy,x\n"            // 2-3: bad date on a record that starts on line 2
        "2\n"                       // 4: ragged, no date cell
        "3,a,  ,x\n"                // 5: blanks only
        "4,\"b\nc\",31/4/2005\n"    // 6-7
        "5,a,\"1/1/2005\"\n"        // 8
        "\n"                        // 9: a blank line stays blank
        "6,a,\"29/2\n/2004\",x\n";  // 10-11: a line break inside the date cell
    const auto r = convertir(csv);
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.salida,
              "id,nota,fecha,x,semana_epi,anio_epi,cuatrisemana\n"
              "1,\"dos\nl\xc3\xadneas\",hoy,x,,,\n"
              "2,,,\n"
              "3,a,  ,x,,,\n"
              "4,\"b\nc\",31/4/2005,,,\n"
              "5,a,\"1/1/2005\",52,2004,13\n"
              "\n"
              "6,a,\"29/2\n/2004\",x,,,\n");
    EXPECT_EQ(r.errores,
              "tarvolo-cli: l\xc3\xadnea 2: fecha no v\xc3\xa1lida: \xc2\xabhoy\xc2\xbb\n"
              "tarvolo-cli: l\xc3\xadnea 6: fecha no v\xc3\xa1lida: \xc2\xab"
              "31/4/2005\xc2\xbb\n"
              "tarvolo-cli: l\xc3\xadnea 10: fecha no v\xc3\xa1lida: \xc2\xab"
              "29/2 /2004\xc2\xbb\n"
              "tarvolo-cli: 6 filas, 2 sin fecha, 3 fechas no v\xc3\xa1lidas\n");
}

TEST(Convertir, ConFechasElDomingoYElSabadoDeLaSemana) {
    OpcionesConvertir op;
    op.fechas = true;
    const auto r = convertir("fecha\n3/1/2004\n29/12/2002 10:00\n\n", op);
    EXPECT_EQ(r.salida,
              "fecha,semana_epi,anio_epi,cuatrisemana,inicio_semana,fin_semana\n"
              "3/1/2004,53,2003,13,28/12/2003,03/01/2004\n"
              "29/12/2002 10:00,1,2003,1,29/12/2002,04/01/2003\n\n");
    EXPECT_EQ(convertir("fecha\n\n1/1/x\n", op).salida,
              "fecha,semana_epi,anio_epi,cuatrisemana,inicio_semana,fin_semana\n\n1/1/x,,,,,\n");
}

TEST(Convertir, LaColumnaPorNombreONumero) {
    const std::string csv = "alta, Fecha Inicio ,fecha_fin\n1/1/2005,2/1/2005,3/1/2004\n";
    auto tercera = [](const Conversion& c) { return c.salida.substr(c.salida.find('\n') + 1); };
    EXPECT_EQ(tercera(convertir(csv)), "1/1/2005,2/1/2005,3/1/2004,1,2005,1\n");  // first holding "fecha"
    EXPECT_EQ(tercera(convertir(csv, {"fecha inicio"})), "1/1/2005,2/1/2005,3/1/2004,1,2005,1\n");
    EXPECT_EQ(tercera(convertir(csv, {" FECHA_FIN "})), "1/1/2005,2/1/2005,3/1/2004,53,2003,13\n");
    EXPECT_EQ(tercera(convertir(csv, {"1"})), "1/1/2005,2/1/2005,3/1/2004,52,2004,13\n");
    EXPECT_EQ(tercera(convertir(csv, {"3"})), "1/1/2005,2/1/2005,3/1/2004,53,2003,13\n");
    for (const std::string mala : {"0", "4", "fecha", "inicio", "alta2"}) {
        SCOPED_TRACE(mala);
        const auto r = convertir(csv, {mala});
        EXPECT_EQ(r.estado, 2);
        EXPECT_EQ(r.salida, "");
        EXPECT_NE(r.errores.find("\xc2\xab" + mala + "\xc2\xbb"), std::string::npos) << r.errores;
        EXPECT_NE(r.errores.find("\xc2\xab"
                                 "Fecha Inicio\xc2\xbb, \xc2\xab"
                                 "fecha_fin\xc2\xbb"),
                  std::string::npos);
    }
    const auto r = convertir("id;nombre\n1;x\n");
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores,
              "tarvolo-cli: ninguna columna contiene \xc2\xab"
              "fecha\xc2\xbb; columnas: \xc2\xabid\xc2\xbb, "
              "\xc2\xabnombre\xc2\xbb\n");
}

TEST(Convertir, ComillasSinCerrarYEntradaVacia) {
    const auto r = convertir("fecha,x\n1/1/2005,a\n2/1/2005,\"sin\ncerrar\n");
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "fecha,x,semana_epi,anio_epi,cuatrisemana\n1/1/2005,a,52,2004,13\n");
    EXPECT_EQ(r.errores,
              "tarvolo-cli: l\xc3\xadnea 3: campo entre comillas sin cerrar al final de la entrada\n");
    const auto v = convertir("");
    EXPECT_EQ(v.estado, 2);
    EXPECT_EQ(v.salida, "");
    EXPECT_NE(v.errores.find("vac\xc3\xad"
                             "a"),
              std::string::npos);
}

// A few hundred thousand dates in every form, through the whole
// conversion, against an independent calendar and the calendar's own
// per-date answers.
TEST(Convertir, MilesDeFechasComoElCalendario) {
    const oraculo::Calendario cal(1900, 2100);
    std::mt19937 azar(2002);
    std::uniform_int_distribution<std::size_t> cualDia(0, cal.dias().size() - 1);
    std::string csv = "id;\"Fecha de inicio\";resto\r\n";
    std::vector<const oraculo::Dia*> elegidos;
    const std::size_t n = oraculo::kPruebaCompleta ? 300000 : 30000;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& d = cal.dias()[cualDia(azar)];
        if (d.semana == 0) continue;
        elegidos.push_back(&d);
        const std::string a = std::to_string(d.anio);
        std::string celda;
        switch (i % 4) {
            case 0:
                celda = std::to_string(d.dia) + "/" + std::to_string(d.mes) + "/" + a;
                break;
            case 1:
                celda = dos(d.dia) + "/" + dos(d.mes) + "/" + a + " 00:00:00";
                break;
            case 2:
                celda = a + "-" + dos(d.mes) + "-" + dos(d.dia) + "T12:00";
                break;
            default:
                celda = "\"" + dos(d.dia) + "." + dos(d.mes) + "." + a + "\"";
                break;
        }
        csv += std::to_string(i) + ";" + celda + ";\"a;b\"\r\n";
    }
    OpcionesConvertir op;
    op.fechas = true;
    const auto r = convertir(csv, op, 4093);  // reads that cut records anywhere
    ASSERT_EQ(r.estado, 0) << r.errores.substr(0, 200);
    const auto filas = registros(r.salida);
    ASSERT_EQ(filas.size(), elegidos.size() + 1);
    for (std::size_t i = 0; i < elegidos.size(); ++i) {
        const auto& d = *elegidos[i];
        const auto& f = filas[i + 1];
        ASSERT_EQ(f.size(), 8u);
        const std::string esperado =
            std::to_string(d.semana) + " " + std::to_string(d.anioEpi) + " " + std::to_string(d.cuatrisemana);
        ASSERT_EQ(f[3] + " " + f[4] + " " + f[5], esperado) << f[1];
        const tarvolo::Fecha hoy = kHoy;
        ASSERT_EQ(std::stoi(f[3]), tarvolo::SemanaEpi(hoy, d.dia, d.mes, d.anio)) << f[1];
        ASSERT_EQ(std::stoi(f[4]), tarvolo::AnioEpi(hoy, d.dia, d.mes, d.anio)) << f[1];
        const tarvolo::Dias dia{tarvolo::Fecha{year{d.anio}, month{unsigned(d.mes)}, day{unsigned(d.dia)}}};
        ASSERT_EQ(f[6], tarvolo::textoFecha(dia - days{d.dds})) << f[1];
        ASSERT_EQ(f[7], tarvolo::textoFecha(dia + days{6 - d.dds})) << f[1];
    }
}

struct Leido {
    std::string bytes, fin;
};

std::vector<Leido> crudos(std::string_view csv, char sep) {
    FuenteMemoria fuente(csv);
    LectorCsv lector(fuente, sep);
    std::vector<Leido> todos;
    while (lector.siguiente())
        todos.push_back({std::string(lector.registro().bytes), std::string(lector.registro().finDeLinea)});
    return todos;
}

// Random bytes full of quotes, separators and line ends: whatever the
// status, every whole record comes out in order, as it went in, with its
// own line end, and the same at any read size.
TEST(Convertir, BytesAlAzarNuncaPierdenNiCambianUnRegistro) {
    std::mt19937 azar(29122002);
    const std::string alfabeto = "a1/,;\"\"\r\n\n \t2005";
    for (int caso = 0; caso < 2000; ++caso) {
        std::string csv = "fecha,x;y\n";
        const std::size_t largo = azar() % 120;
        for (std::size_t i = 0; i < largo; ++i) csv += alfabeto[azar() % alfabeto.size()];
        SCOPED_TRACE(csv);
        const auto r = convertir(csv);
        EXPECT_EQ(convertir(csv, {}, 1 + azar() % 5).salida, r.salida);
        if (r.estado == 2) {
            EXPECT_NE(r.errores.find("comillas sin cerrar"), std::string::npos);
            continue;
        }
        const auto entrada = crudos(csv, ','), salida = crudos(r.salida, ',');
        ASSERT_EQ(salida.size(), entrada.size());
        for (std::size_t i = 0; i < entrada.size(); ++i) {
            EXPECT_EQ(salida[i].bytes.substr(0, entrada[i].bytes.size()), entrada[i].bytes);
            EXPECT_EQ(salida[i].fin, entrada[i].fin);
        }
    }
}

}  // namespace
