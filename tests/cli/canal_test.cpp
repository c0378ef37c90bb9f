// The endemic channel: its figures against values worked by hand, the
// week-53 rule, the history, rates, the CSV it writes, every error, and the
// chart, drawn on a recording surface and as SVG checked against the SVG 1.1
// DTD.

#include "cli/canal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "cli/grafico_canal.h"
#include "falsos/formas.h"
#include "proceso.h"
#include "prueba_companion.h"
#include "servicios/dibujo.h"
#include "servicios/lienzo.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;
using tarvolo::ConteoAnio;
using tarvolo::Metodo;
using tarvolo::Zona;

namespace {

// Wednesday 18 June 2025: week 25 of 2025 began on Sunday the 15th.
constexpr tarvolo::Fecha kHoy{year{2025}, June, day{18}};

// Weeks of the years the tests use, as the year tables list them.
int semanasDe(int anio) {
    return anio == 2014 || anio == 2020 || anio == 2025 ? 53 : 52;
}

// A year of counts: `base` in every week, then the weeks given.
ConteoAnio anio(int numero, std::int64_t base, std::map<int, std::int64_t> semanas = {}) {
    ConteoAnio c;
    c.anio = numero;
    c.semanas = semanasDe(numero);
    for (int s = 1; s <= c.semanas; ++s) c.casos[static_cast<std::size_t>(s - 1)] = base;
    for (const auto& [s, n] : semanas) c.casos[static_cast<std::size_t>(s - 1)] = n;
    return c;
}

using Datos = std::map<int, ConteoAnio>;

tarvolo::Canal canal(const Datos& datos, int objetivo, Metodo metodo = Metodo::kCuartiles, int historia = 5) {
    tarvolo::OpcionesCanal o;
    o.anio = objetivo;
    o.metodo = metodo;
    o.historia = historia;
    return tarvolo::calcularCanal(datos, o, kHoy);
}

void esperarLimites(const tarvolo::Limites& l, double inferior, double central, double superior) {
    EXPECT_NEAR(l.inferior, inferior, 5e-7);
    EXPECT_NEAR(l.central, central, 5e-7);
    EXPECT_NEAR(l.superior, superior, 5e-7);
}

// ------------------------------------------------------------ the figures

TEST(Limites, CuartilesComoCuartilInc) {
    // h = (n - 1) p; Q = x[h] + (h - floor h)(x[h + 1] - x[h]).
    esperarLimites(tarvolo::limitesDe({10, 0, 4, 15, 6}, Metodo::kCuartiles), 4, 6, 10);    // h = 1, 2, 3
    esperarLimites(tarvolo::limitesDe({4, 1, 3, 2}, Metodo::kCuartiles), 1.75, 2.5, 3.25);  // 0.75, 1.5, 2.25
    esperarLimites(tarvolo::limitesDe({7, 1, 3, 9, 2, 20}, Metodo::kCuartiles), 2.25, 5,
                   8.5);  // 1.25, 2.5, 3.75
    esperarLimites(tarvolo::limitesDe({5, 5, 5}, Metodo::kCuartiles), 5, 5, 5);
}

TEST(Limites, BortmanAMano) {
    // {0, 4, 6, 10, 15}: y = ln(x + 1) = 0, 1.609438, 1.945910, 2.397895,
    // 2.772589; m = 1.745166, s = 1.070745, t(4) = 2.776445,
    // t s / sqrt 5 = 1.329505: e^(m - 1.329505) - 1, e^m - 1, e^(m + 1.329505) - 1.
    esperarLimites(tarvolo::limitesDe({10, 0, 4, 15, 6}, Metodo::kBortman), 0.515372, 4.726854, 20.642774);
    // {12, 20, 15, 30, 18}: m = 2.952097, s = 0.325164, margin 0.403744.
    esperarLimites(tarvolo::limitesDe({12, 20, 15, 30, 18}, Metodo::kBortman), 11.786031, 18.146067,
                   27.669717);
    // {0, 0, 0, 0, 20}: m = 0.608904, margin 1.690590; e^(m - margin) - 1 =
    // -0.660976 is written as 0.
    esperarLimites(tarvolo::limitesDe({0, 0, 0, 0, 20}, Metodo::kBortman), 0, 0.838416, 8.969140);
    esperarLimites(tarvolo::limitesDe({3, 3, 3, 3}, Metodo::kBortman), 3, 3, 3);
}

// Each t of the table, checked by integrating Student's density from 0 to
// it: the area must be 0.475.
TEST(Limites, LaTablaDeStudent) {
    for (int nu = 2; nu <= 9; ++nu) {
        const double t = tarvolo::tStudent975(nu);
        const double k =
            std::tgamma((nu + 1) / 2.0) / (std::sqrt(nu * std::numbers::pi) * std::tgamma(nu / 2.0));
        const auto f = [&](double x) { return k * std::pow(1 + x * x / nu, -(nu + 1) / 2.0); };
        constexpr int n = 20000;  // Simpson
        double area = f(0) + f(t);
        for (int i = 1; i < n; ++i) area += (i % 2 == 1 ? 4 : 2) * f(t * i / n);
        area *= t / n / 3;
        EXPECT_NEAR(area, 0.475, 3e-8) << nu;  // six decimals of t move it by 2e-8 at most
    }
    EXPECT_THROW(tarvolo::tStudent975(1), std::out_of_range);
    EXPECT_THROW(tarvolo::tStudent975(10), std::out_of_range);
}

// ------------------------------------------------------------ the channel

// The five-year history of week 10 from the figures above, the target's
// cases placed in the zones at each edge.
TEST(Canal, ZonasEnCadaBorde) {
    Datos d;
    const std::int64_t valores[] = {10, 0, 15, 4, 6};
    for (int a = 2019; a <= 2023; ++a) d[a] = anio(a, valores[a - 2019]);
    const std::map<int, std::int64_t> casos = {{1, 3}, {2, 4}, {3, 6}, {4, 7}, {5, 10}, {6, 11}};
    d[2024] = anio(2024, 0, casos);
    const auto c = canal(d, 2024);
    ASSERT_EQ(c.filas.size(), 52u);
    EXPECT_EQ(c.historia, (std::vector<int>{2019, 2020, 2021, 2022, 2023}));
    const Zona zonas[] = {Zona::kExito,  Zona::kSeguridad, Zona::kSeguridad,
                          Zona::kAlerta, Zona::kAlerta,    Zona::kEpidemia};
    for (int s = 1; s <= 6; ++s) {
        const auto& f = c.filas[static_cast<std::size_t>(s - 1)];
        esperarLimites(f.limites, 4, 6, 10);
        EXPECT_EQ(f.casos, casos.at(s));
        EXPECT_EQ(f.zona, zonas[s - 1]) << s;
    }
    // Bortman rounds to hundredths, then places: 4.73 < 5 <= 20.64.
    d[2024] = anio(2024, 5);
    const auto b = canal(d, 2024, Metodo::kBortman);
    esperarLimites(b.filas[9].limites, 0.52, 4.73, 20.64);
    EXPECT_EQ(b.filas[9].zona, Zona::kAlerta);
}

// Week 53 of a 53-week year is measured against each history year's week 53,
// or its week 52 if it has none; a 52-week year never uses a week 53.
TEST(Canal, LaSemana53) {
    Datos d;
    for (int a = 2020; a <= 2025; ++a) d[a] = anio(a, 50, {{52, 100 + (a - 2020)}});
    d[2020].casos[51] = 1000;
    d[2020].casos[52] = 7;      // 2020's own week 53
    d[2025].casos[52] = 99999;  // a week 53 no 52-week year's channel may use
    const auto c = canal(d, 2025);
    ASSERT_EQ(c.filas.size(), 53u);
    esperarLimites(c.filas[52].limites, 101, 102, 103);  // 7, 101, 102, 103, 104
    esperarLimites(c.filas[51].limites, 102, 103, 104);  // 101, 102, 103, 104, 1000
    EXPECT_FALSE(c.filas[52].casos.has_value());         // begins after today

    d[2026] = anio(2026, 0);
    const auto siguiente = canal(d, 2026);
    ASSERT_EQ(siguiente.filas.size(), 52u);
    esperarLimites(siguiente.filas[51].limites, 102, 103, 104);  // 2021..2025's week 52
    ASSERT_EQ(siguiente.conteos.size(), 6u);
    EXPECT_EQ(siguiente.conteos[4].anio, 2025);
    EXPECT_EQ(siguiente.conteos[4].casos[52], 99999);  // the counts keep every case
}

TEST(Canal, HistoriaSinAniosExcluidosYSemanasFuturas) {
    Datos d;
    for (int a = 2019; a <= 2024; ++a) d[a] = anio(a, a - 2000);
    tarvolo::OpcionesCanal o;  // the year of today: 2025
    o.historia = 4;
    o.excluir = {2022, 2018};
    const auto c = tarvolo::calcularCanal(d, o, kHoy);
    EXPECT_EQ(c.anio, 2025);
    EXPECT_EQ(c.historia, (std::vector<int>{2020, 2021, 2023, 2024}));
    esperarLimites(c.filas[0].limites, 20.75, 22, 23.25);  // 20, 21, 23, 24
    EXPECT_EQ(c.filas[24].casos, 0);                       // week 25 began on the 15th
    EXPECT_EQ(c.filas[24].zona, Zona::kExito);
    EXPECT_FALSE(c.filas[25].casos.has_value());
    EXPECT_EQ(c.filas[25].zona, Zona::kSinCasos);
    o.historia = 5;  // one more, past the excluded 2022: 2019
    EXPECT_EQ(tarvolo::calcularCanal(d, o, kHoy).historia, (std::vector<int>{2019, 2020, 2021, 2023, 2024}));
    o.historia = 6;  // 2018 is excluded: 2017, which there is no data for
    try {
        tarvolo::calcularCanal(d, o, kHoy);
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "no hay datos del a\xc3\xb1o 2017, que la historia de 2025 necesita (2017, 2019, 2020, "
                  "2021, 2023, 2024)");
    }
}

// Rates per 100,000 of each year, limits turned back into cases with the
// target year's population.
TEST(Canal, PorPoblacion) {
    Datos d;
    for (int a = 2019; a <= 2024; ++a) d[a] = anio(a, 10);
    tarvolo::OpcionesCanal o;
    o.anio = 2024;
    // 10 cases are 10, 5, 10, 20 and 40 per 100,000: quartiles 10, 10, 20;
    // 1,000,000 inhabitants in 2024 make them 100, 100, 200 cases.
    o.poblacion = {{2019, 100000}, {2020, 200000}, {2021, 100000},
                   {2022, 50000},  {2023, 25000},  {2024, 1000000}};
    const auto c = tarvolo::calcularCanal(d, o, kHoy);
    EXPECT_TRUE(c.porPoblacion);
    esperarLimites(c.filas[0].limites, 100, 100, 200);
    EXPECT_EQ(c.filas[0].zona, Zona::kExito);
    o.poblacion.erase(2024);
    EXPECT_THROW(tarvolo::calcularCanal(d, o, kHoy), std::runtime_error);
}

TEST(Canal, ElArchivoDePoblacion) {
    const auto leer = [](const std::string& csv) {
        tarvolo::FuenteMemoria f(csv);
        return tarvolo::leerPoblacion(f);
    };
    EXPECT_EQ(leer("A\xc3\xb1o;Poblaci\xc3\xb3n\r\n2019;1000\r\n\r\n2020; 1200\r\n"),
              (std::map<int, std::int64_t>{{2019, 1000}, {2020, 1200}}));
    const std::pair<const char*, const char*> errores[] = {
        {"anio;poblacion\n2019;1 000\n",
         "l\xc3\xadnea 2: poblaci\xc3\xb3n no v\xc3\xa1lida: \xc2\xab"
         "1 000\xc2\xbb"},
        {"anio;poblacion\n2019;0\n",
         "l\xc3\xadnea 2: poblaci\xc3\xb3n no v\xc3\xa1lida: \xc2\xab"
         "0\xc2\xbb"},
        {"anio;poblacion\n2019;5\n2019;6\n", "l\xc3\xadnea 3: el a\xc3\xb1o 2019 est\xc3\xa1 repetido"},
        {"anio;habitantes\n",
         "no hay columna \xc2\xabpoblacion\xc2\xbb; columnas: \xc2\xab"
         "anio\xc2\xbb, \xc2\xabhabitantes\xc2\xbb"},
    };
    for (const auto& [csv, mensaje] : errores) {
        try {
            leer(csv);
            ADD_FAILURE() << csv;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), mensaje);
        }
    }
}

// ------------------------------------------------------------ through the command

prueba::Corrida correr(std::vector<std::string> argumentos, const std::string& entrada) {
    argumentos.insert(argumentos.begin(), "canal");
    return prueba::correr(argumentos, entrada, kHoy);
}

// contar's output for years `desde`..`hasta`: weeks 1 to 52, `n` cases each.
std::string conteos(int desde, int hasta, int n, const std::string& fin = "\n") {
    std::string s = "anio_epi;semana_epi;inicio_semana;fin_semana;casos" + fin;
    for (int a = desde; a <= hasta; ++a)
        for (int w = 1; w <= 52; ++w)
            s += std::to_string(a) + ";" + std::to_string(w) + ";;;" + std::to_string(n + a % 4) + fin;
    return s;
}

TEST(Canal, ElCsvEnLaFormaDeLaEntrada) {
    // Four years of 1, 2, 3 and 4 cases a week (n + year % 4), then 2024 with 1.
    auto r = correr({"--anio", "2024", "--historia", "4"}, conteos(2020, 2024, 1, "\r\n"));
    ASSERT_EQ(r.estado, 0) << r.errores;
    EXPECT_EQ(r.errores, "");
    const std::string inicio =
        "semana;inicio_semana;fin_semana;limite_inferior;central;limite_superior;casos;zona\r\n"
        "1;31/12/2023;06/01/2024;1,75;2,50;3,25;1;\xc3\xa9xito\r\n";
    EXPECT_EQ(r.salida.substr(0, inicio.size()), inicio);
    EXPECT_NE(r.salida.find("\r\n52;22/12/2024;28/12/2024;1,75;2,50;3,25;1;\xc3\xa9xito\r\n"),
              std::string::npos);

    // A case list as convertir leaves it, ',' and LF: a point; weeks after
    // today left empty.
    std::string lista = "id,fecha,semana_epi,anio_epi,cuatrisemana\n";
    for (int a = 2020; a <= 2025; ++a) lista += std::to_string(a) + ",15/1/" + std::to_string(a) + ",3,,\n";
    r = correr({"--historia", "3"}, lista + "x,ayer\n");
    EXPECT_EQ(r.estado, 1);
    // Week 3: one case in 2023 and 2024, none in 2022.
    EXPECT_NE(r.salida.find("\n3,12/01/2025,18/01/2025,0.50,1.00,1.00,1,seguridad\n"), std::string::npos)
        << r.salida;
    EXPECT_NE(r.salida.find("\n26,22/06/2025,28/06/2025,0.00,0.00,0.00,,\n"), std::string::npos);
    EXPECT_EQ(r.errores,
              "tarvolo-cli: l\xc3\xadnea 8: fecha no v\xc3\xa1lida: \xc2\xab"
              "ayer\xc2\xbb\n"
              "tarvolo-cli: 7 filas, 0 sin fecha, 1 fechas no v\xc3\xa1lidas\n");
}

TEST(Canal, CadaErrorConSuLineaYEstado2YNadaEscrito) {
    const tarvolo::prueba::CarpetaTemporal dir;
    const std::string poblacion = (dir.ruta() / "poblacion.csv").string();
    tarvolo::prueba::escribirArchivo(
        poblacion, "anio;poblacion\n2019;1000\n2021;1000\n2022;1000\n2023;1000\n2024;1000\n");
    const std::string salida = (dir.ruta() / "canal.csv").string(),
                      grafico = (dir.ruta() / "canal.svg").string();
    const std::string bien = conteos(2019, 2024, 5);
    const std::vector<prueba::Rechazo> errores = {
        {{"--metodo", "media"},
         bien,
         "m\xc3\xa9todo desconocido: \xc2\xabmedia\xc2\xbb (cuartiles o bortman)\nUso: "},
        {{"--historia", "2"},
         bien,
         "--historia va de 3 a 10 a\xc3\xb1os: \xc2\xab"
         "2\xc2\xbb"},
        {{"--historia", "11"}, bien, "--historia va de 3 a 10"},
        {{"--anio", "2026"}, bien, "no hay datos del a\xc3\xb1o 2025, que la historia de 2026 necesita"},
        {{"--historia", "7"}, bien, "no hay datos del a\xc3\xb1o 2018"},
        {{"--anio", "2022"},
         "fecha\n1/6/2019\n",
         "el a\xc3\xb1o 2017 de la historia es anterior al primer caso, de 2019"},
        {{}, "fecha\n\n", "la lista no tiene ning\xc3\xban caso con fecha"},
        {{},
         bien + "2015;53;;;1\n",
         "l\xc3\xadnea 314: el a\xc3\xb1o epidemiol\xc3\xb3gico 2015 no tiene semana \xc2\xab"
         "53\xc2\xbb: tiene 52"},
        {{},
         bien + "2020;0;;;1\n",
         "no tiene semana \xc2\xab"
         "0\xc2\xbb"},
        {{},
         bien + "2020;54;;;1\n",
         "no tiene semana \xc2\xab"
         "54\xc2\xbb: tiene 53"},
        {{}, bien + "2020;5;;;1\n", "l\xc3\xadnea 314: la semana 5 del a\xc3\xb1o 2020 est\xc3\xa1 repetida"},
        {{},
         bien + "2018;5;;;-1\n",
         "casos no v\xc3\xa1lidos: \xc2\xab-1\xc2\xbb (un n\xc3\xbamero entero de 0 en adelante)"},
        {{},
         bien + "2018;5;;;2.5\n",
         "casos no v\xc3\xa1lidos: \xc2\xab"
         "2.5\xc2\xbb"},
        {{}, bien + "2018;6;;;\n", "casos no v\xc3\xa1lidos: \xc2\xab\xc2\xbb"},
        {{},
         bien + "dos mil;6;;;1\n",
         "a\xc3\xb1o no v\xc3\xa1lido: \xc2\xab"
         "dos mil\xc2\xbb"},
        {{"--poblacion", poblacion}, bien, "falta la poblaci\xc3\xb3n del a\xc3\xb1o 2020"},
        {{}, "anio_epi;cuatrisemana;inicio;fin;casos\n2020;1;;;4\n", "la entrada cuenta cuatrisemanas"},
        {{"--grafico", "-"}, bien, "--grafico necesita un archivo"},
        {{"--salida", "x.svg", "--grafico", "x.svg"}, bien, "no pueden ser el mismo archivo"},
    };
    for (const auto& e : errores) {
        auto args = e.argumentos;
        if (e.argumentos.empty() || e.argumentos[0] != "--salida")
            args.insert(args.end(), {"--salida", salida, "--grafico", grafico});
        const auto r = correr(args, e.entrada);
        SCOPED_TRACE(e.mensaje);
        prueba::esperarRechazo(r, e.mensaje);
        EXPECT_FALSE(std::filesystem::exists(salida));
        EXPECT_FALSE(std::filesystem::exists(grafico));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.ruta()), {}), 1);  // no temporary left
}

// ------------------------------------------------------------ the chart

// Every call, as the window's surfaces would receive them.
class LienzoGrabado final : public tarvolo::Lienzo {
public:
    struct Forma {
        std::string clase;
        std::vector<tarvolo::Punto> puntos;
        tarvolo::Color color;
        std::string texto;
    };
    void rectangulo(tarvolo::Punto esquina, int ancho, int alto, tarvolo::Color relleno) override {
        formas.push_back({"rect", {esquina, {esquina.x + ancho, esquina.y + alto}}, relleno, ""});
    }
    void poligono(std::span<const tarvolo::Punto> v, tarvolo::Color relleno) override {
        formas.push_back({"poligono", {v.begin(), v.end()}, relleno, ""});
    }
    void linea(std::span<const tarvolo::Punto> v, int, tarvolo::Color color) override {
        formas.push_back({"linea", {v.begin(), v.end()}, color, ""});
    }
    void texto(tarvolo::Punto base, std::string_view t, tarvolo::LetraDibujo, tarvolo::Alineacion,
               tarvolo::Color color) override {
        formas.push_back({"texto", {base}, color, std::string(t)});
    }
    std::vector<Forma> formas;
};

tarvolo::Canal canalDePrueba() {
    Datos d;
    for (int a = 2020; a <= 2025; ++a) d[a] = anio(a, 10 + a % 3, {{20, 30}});
    return canal(d, 2025);
}

TEST(Grafico, BandasCasosSemanasYLeyendaDentroDelDibujo) {
    const auto c = canalDePrueba();
    LienzoGrabado l;
    tarvolo::dibujarCanal(l, c);
    std::vector<std::string> textos;
    std::size_t bandas = 0, semanas = 0;
    for (const auto& f : l.formas) {
        for (const auto& p : f.puntos) {
            EXPECT_GE(p.x, 0);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.x, tarvolo::kAnchoGrafico);
            EXPECT_LE(p.y, tarvolo::kAltoGrafico);
        }
        if (f.clase == "poligono" && f.puntos.size() == 2 * 53 + 4) ++bandas;  // a curve there and back
        if (f.clase == "texto") textos.push_back(f.texto);
        if (f.clase == "texto" && f.texto == std::to_string(semanas + 1)) ++semanas;
    }
    EXPECT_EQ(bandas, 4u);
    EXPECT_EQ(semanas, 53u);  // 1..53 in order under the axis
    // The cases: weeks 1 to 25, one line and a point each.
    std::size_t lineaDeCasos = 0;
    for (const auto& f : l.formas)
        if (f.clase == "linea" && f.puntos.size() == 25) ++lineaDeCasos;
    EXPECT_EQ(lineaDeCasos, 1u);
    for (const std::string t :
         {"Canal end\xc3\xa9mico 2025",
          "M\xc3\xa9todo: cuartiles \xc2\xb7 historia: 2020, 2021, 2022, 2023, 2024", "\xc3\x89xito",
          "Seguridad", "Alerta", "Epidemia", "Casos 2025", "Semana epidemiol\xc3\xb3gica"})
        EXPECT_NE(std::find(textos.begin(), textos.end(), t), textos.end()) << t;
}

TEST(Grafico, SvgValidoQueNombraElAnio) {
    const std::string svg = tarvolo::svgCanal(canalDePrueba());
    EXPECT_NE(svg.find("<title>Canal end\xc3\xa9mico 2025</title>"), std::string::npos);
    EXPECT_NE(svg.find(">Canal end\xc3\xa9mico 2025</text>"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 14400 8640\""), std::string::npos);
#ifdef _WIN32
    GTEST_SKIP() << "xmllint runs on the Linux build";
#else
    const tarvolo::prueba::CarpetaTemporal dir;
    const auto ruta = dir.ruta() / "canal.svg";
    tarvolo::prueba::escribirArchivo(ruta, svg);
    // Against the SVG 1.1 DTD from the local XML catalogue, never the network.
    const auto p =
        tarvolo::prueba::ejecutar("/usr/bin/xmllint", {"--noout", "--valid", "--nonet", ruta.string()});
    EXPECT_EQ(p.estado, 0) << p.errores;
    EXPECT_EQ(p.errores, "");
#endif
}

TEST(Grafico, ElSvgTieneLasFormasDelDibujoUnaAUna) {
    const auto c = canalDePrueba();
    tarvolo::Dibujo dibujo(tarvolo::kAnchoGrafico, tarvolo::kAltoGrafico);
    tarvolo::dibujarCanal(dibujo, c);
    const tarvolo::Dibujo leido = tarvolo::prueba::dibujoDeSvg(tarvolo::svgCanal(c));
    EXPECT_EQ(leido.ancho(), tarvolo::kAnchoGrafico);
    EXPECT_EQ(leido.alto(), tarvolo::kAltoGrafico);
    ASSERT_EQ(leido.formas().size(), dibujo.formas().size());
    for (std::size_t i = 0; i < dibujo.formas().size(); ++i)
        EXPECT_TRUE(leido.formas()[i] == dibujo.formas()[i])
            << "shape " << i << ": " << dibujo.formas()[i].texto;
    // Every kind of shape and alignment is there to compare.
    std::set<std::pair<int, int>> vistas;
    for (const auto& f : dibujo.formas())
        vistas.emplace(static_cast<int>(f.tipo), static_cast<int>(f.alineacion));
    EXPECT_GE(vistas.size(), 5u);
}

TEST(Grafico, LoQueElSvgNoDibujaComoElLienzoEsUnError) {
    const std::string cabeza = "<svg viewBox=\"0 0 100 50\">";
    for (const std::string forma :
         {"<polyline points=\"0,0 5,5\" fill=\"none\" stroke=\"#000000\" stroke-width=\"3\" "
          "stroke-linejoin=\"miter\" stroke-linecap=\"round\"/>",
          "<polygon points=\"0,0 5,5 0,5\" fill=\"#000000\" stroke=\"#000000\"/>",
          "<text x=\"1\" y=\"2\" font-family=\"serif\" font-size=\"200\" fill=\"#000000\">a</text>",
          "<rect x=\"1.5\" y=\"2\" width=\"3\" height=\"4\" fill=\"#000000\"/>"})
        EXPECT_THROW(tarvolo::prueba::dibujoDeSvg(cabeza + forma + "</svg>"), std::runtime_error) << forma;
}

// ------------------------------------------------------------ the real executable

// Both commands through the real program: every file written whole, or
// none at all.
TEST(Ejecutable, ContarYCanalEscribenEnteroONada) {
    using tarvolo::prueba::leerArchivo;
    namespace fs = std::filesystem;
    const tarvolo::prueba::CarpetaTemporal dir;
    const auto ruta = [&](const char* nombre) { return (dir.ruta() / nombre).string(); };
    std::string lista = "id;fecha\r\n";
    for (int a = 2019; a <= 2024; ++a) lista += "1;10/3/" + std::to_string(a) + "\r\n";
    tarvolo::prueba::escribirArchivo(ruta("casos.csv"), lista);
    const auto contar = [&](std::vector<std::string> args, const std::string& entrada = {}) {
        args.insert(args.begin(), "contar");
        return tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, args, entrada);
    };

    auto p = contar({"--salida", ruta("semanas.csv"), ruta("casos.csv")});
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.salida, "");
    EXPECT_EQ(p.errores, "tarvolo-cli: 6 filas, 0 sin fecha, 0 fechas no v\xc3\xa1lidas\n");
    const std::string inicio =
        "anio_epi;semana_epi;inicio_semana;fin_semana;casos\r\n2019;1;30/12/2018;05/01/2019;0\r\n";
    EXPECT_EQ(leerArchivo(ruta("semanas.csv")).substr(0, inicio.size()), inicio);
    p = contar({"--desde", "2024", "-"}, lista);
    EXPECT_EQ(p.estado, 0);
    EXPECT_NE(p.salida.find("\r\n2024;10;03/03/2024;09/03/2024;0\r\n2024;11;10/03/2024;16/03/2024;1\r\n"),
              std::string::npos);
    p = contar({"--salida", ruta("casos.csv"), ruta("casos.csv")});
    EXPECT_EQ(p.estado, 2);
    EXPECT_EQ(leerArchivo(ruta("casos.csv")), lista);

    p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"canal", "--anio", "2024", "--salida", ruta("canal.csv"),
                                                     "--grafico", ruta("canal.svg"), ruta("casos.csv")});
    EXPECT_EQ(p.estado, 0) << p.errores;
    EXPECT_EQ(oraculo::contar(leerArchivo(ruta("canal.csv")), "\r\n"), 53u);
    // The same chart as the library draws from the same list.
    tarvolo::FuenteMemoria fuente(lista);
    tarvolo::OpcionesCanal o;
    o.anio = 2024;
    const std::string svg = tarvolo::svgCanal(tarvolo::calcularCanal(fuente, o, kHoy));
    EXPECT_TRUE(leerArchivo(ruta("canal.svg")) == svg);
    // A year without the history it needs: neither file, no temporary.
    p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"canal", "--anio", "2022", "--salida", ruta("otro.csv"),
                                                     "--grafico", ruta("otro.svg"), ruta("casos.csv")});
    EXPECT_EQ(p.estado, 2);
    EXPECT_EQ(p.salida, "");
    std::vector<std::string> archivos;
    for (const auto& e : fs::directory_iterator(dir.ruta())) archivos.push_back(e.path().filename().string());
    std::sort(archivos.begin(), archivos.end());
    EXPECT_EQ(archivos, (std::vector<std::string>{"canal.csv", "canal.svg", "casos.csv", "semanas.csv"}));
}

}  // namespace
