// Cases by epidemiological week: `contar` against an independent calendar,
// the ends of years worked by hand, groups, four-week periods, year ranges,
// its errors, and a reading abandoned half way.

#include "cli/conteo.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "prueba_companion.h"
#include "tests/calendar/oraculo.h"

using namespace std::chrono;

namespace {

constexpr tarvolo::Fecha kHoy{year{2025}, June, day{18}};

prueba::Corrida correr(const std::vector<std::string>& argumentos, const std::string& entrada) {
    return prueba::correr(argumentos, entrada, kHoy);
}

std::string dos(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string texto(const oraculo::Dia& d) {
    return dos(d.dia) + "/" + dos(d.mes) + "/" + std::to_string(d.anio);
}

// A generated list with known counts: some cases on most days of 2013 to
// 2026, none at all in some weeks, dates in two forms; every row of the
// answer is checked against a calendar that shares no code with the
// companion.
TEST(Contar, CadaSemanaComoUnCalendarioIndependiente) {
    const oraculo::Calendario cal(2013, 2026);
    std::map<std::pair<int, int>, long> esperado;
    std::map<std::pair<int, int>, const oraculo::Dia*> domingos;
    std::mt19937 azar(2025);
    std::string csv = "id;fecha_inicio;nota\r\n";
    long id = 0;
    for (const auto& d : cal.dias()) {
        if (d.anioEpi < 2013 || d.anioEpi > 2026) continue;
        if (d.dds == 0) domingos[{d.anioEpi, d.semana}] = &d;
        if ((d.semana * 7 + d.anioEpi) % 11 == 0) continue;  // a week with no case
        for (unsigned n = azar() % 3; n > 0; --n) {
            const std::string fecha = id % 2 == 0
                                          ? texto(d) + " 08:30"
                                          : std::to_string(d.anio) + "-" + dos(d.mes) + "-" + dos(d.dia);
            csv += std::to_string(++id) + ";" + fecha + ";\"a;b\"\r\n";
            ++esperado[{d.anioEpi, d.semana}];
        }
    }
    const auto r = correr({"contar"}, csv);
    ASSERT_EQ(r.estado, 0) << r.errores;
    EXPECT_EQ(r.errores,
              "tarvolo-cli: " + std::to_string(id) + " filas, 0 sin fecha, 0 fechas no v\xc3\xa1lidas\n");
    ASSERT_EQ(r.salida.substr(0, 52), "anio_epi;semana_epi;inicio_semana;fin_semana;casos\r\n");
    const auto filas = prueba::registros(r.salida);
    std::map<int, int> semanasPorAnio;
    std::size_t i = 1, vacias = 0;
    for (int anio = 2013; anio <= 2026; ++anio) {
        for (int semana = 1; semana <= cal.semanasDe(anio); ++semana, ++i) {
            ASSERT_LT(i, filas.size());
            const auto& domingo = *domingos.at({anio, semana});
            const auto& sabado = cal.dias()[static_cast<std::size_t>(&domingo - cal.dias().data()) + 6];
            const auto n = esperado.count({anio, semana}) ? esperado.at({anio, semana}) : 0;
            vacias += n == 0;
            ASSERT_EQ(filas[i], (std::vector<std::string>{std::to_string(anio), std::to_string(semana),
                                                          texto(domingo), texto(sabado), std::to_string(n)}));
            ++semanasPorAnio[anio];
        }
    }
    EXPECT_EQ(i, filas.size());
    EXPECT_GT(vacias, 30u);
    // 53 weeks in 2014, 2020 and 2025; 52 in 2015, to which ISO weeks give 53.
    EXPECT_EQ(semanasPorAnio[2014], 53);
    EXPECT_EQ(semanasPorAnio[2015], 52);
    EXPECT_EQ(semanasPorAnio[2020], 53);
    EXPECT_EQ(semanasPorAnio[2025], 53);
}

// 29 to 31 December and 1 to 3 January, worked by hand: each lands in the
// week that holds its Wednesday.
TEST(Contar, FinesDeAnioTrabajadosAMano) {
    const auto r =
        correr({"contar"},
               "fecha\n29/12/2014\n31/12/2014\n1/1/2015\n3/1/2015\n4/1/2015\n31/12/2015\n2/1/2016\n"
               "3/1/2016\n29/12/2019\n31/12/2019\n2/1/2021\n3/1/2021\n30/12/2025\n3/1/2026\n");
    ASSERT_EQ(r.estado, 0);
    std::map<std::string, std::string> filas;
    for (const auto& f : prueba::registros(r.salida))
        filas[f[0] + " " + f[1]] = f[2] + " " + f[3] + " " + f[4];
    // 2014 to 2025: 3 January 2026 is still 2025's.
    EXPECT_EQ(filas.size(), 1u + 53 + 5 * 52 + 53 + 4 * 52 + 53);
    EXPECT_EQ(filas.count("2015 53") + filas.count("2019 53") + filas.count("2026 1"), 0u);
    const std::map<std::string, std::string> trabajadas = {
        {"2014 53", "28/12/2014 03/01/2015 4"}, {"2015 1", "04/01/2015 10/01/2015 1"},
        {"2015 52", "27/12/2015 02/01/2016 2"}, {"2016 1", "03/01/2016 09/01/2016 1"},
        {"2019 52", "22/12/2019 28/12/2019 0"}, {"2020 1", "29/12/2019 04/01/2020 2"},
        {"2020 53", "27/12/2020 02/01/2021 1"}, {"2021 1", "03/01/2021 09/01/2021 1"},
        {"2025 53", "28/12/2025 03/01/2026 2"}};
    for (const auto& [semana, fila] : trabajadas) EXPECT_EQ(filas[semana], fila) << semana;
}

TEST(Contar, PorUnaColumnaConValoresVaciosYComillas) {
    const auto r =
        correr({"contar", "--por", "Region"},
               "fecha,region\n1/1/2020,Norte\n2/1/2020, Sur \n3/1/2020,\n5/1/2020,Norte\n6/1/2020\n"
               "7/1/2020,\"Este, alto\"\n31/4/2020,Oeste\n");
    EXPECT_EQ(r.estado, 1);
    const std::string inicio =
        "anio_epi,semana_epi,inicio_semana,fin_semana,Norte,Sur,(vac\xc3\xado),\"Este, alto\",total\n"
        "2020,1,29/12/2019,04/01/2020,1,1,1,0,3\n"
        "2020,2,05/01/2020,11/01/2020,1,0,1,1,3\n"
        "2020,3,12/01/2020,18/01/2020,0,0,0,0,0\n";
    EXPECT_EQ(r.salida.substr(0, inicio.size()), inicio);
    EXPECT_EQ(prueba::registros(r.salida).size(), 1u + 53);
    // Years asked for where no case falls: the total alone.
    const auto vacio =
        correr({"contar", "--por", "region", "--desde", "2030", "--hasta", "2030"}, "fecha,region\n");
    const std::string soloTotal =
        "anio_epi,semana_epi,inicio_semana,fin_semana,total\n2030,1,30/12/2029,05/01/2030,0\n";
    EXPECT_EQ(vacio.salida.substr(0, soloTotal.size()), soloTotal);
    EXPECT_EQ(r.errores,
              "tarvolo-cli: l\xc3\xadnea 8: fecha no v\xc3\xa1lida: \xc2\xab"
              "31/4/2020\xc2\xbb\n"
              "tarvolo-cli: 7 filas, 0 sin fecha, 1 fechas no v\xc3\xa1lidas\n");
}

// w cases in week w of 2020: each period adds up its weeks, and the 13th
// takes week 53 and ends on the year's last Saturday.
TEST(Contar, CuatrisemanasSumanSusSemanas) {
    std::string csv = "fecha\n";
    const sys_days semana1{2019y / December / 29};
    for (int w = 1; w <= 53; ++w) {
        for (int i = 0; i < w; ++i) {
            const year_month_day d{semana1 + days{7 * (w - 1) + i % 7}};
            csv += std::to_string(unsigned(d.day())) + "/" + std::to_string(unsigned(d.month())) + "/" +
                   std::to_string(int(d.year())) + "\n";
        }
    }
    const auto r = correr({"contar", "--cuatrisemanas", "--separador", ","}, csv);
    ASSERT_EQ(r.estado, 0);
    const auto filas = prueba::registros(r.salida);
    ASSERT_EQ(filas.size(), 14u);
    EXPECT_EQ(filas[0], (std::vector<std::string>{"anio_epi", "cuatrisemana", "inicio", "fin", "casos"}));
    for (int k = 1; k <= 12; ++k) {
        const int suma = (4 * k - 3) + (4 * k - 2) + (4 * k - 1) + 4 * k;
        EXPECT_EQ(filas[k][4], std::to_string(suma)) << k;
    }
    EXPECT_EQ(filas[1], (std::vector<std::string>{"2020", "1", "29/12/2019", "25/01/2020", "10"}));
    EXPECT_EQ(filas[13], (std::vector<std::string>{"2020", "13", "29/11/2020", "02/01/2021", "255"}));
}

TEST(Contar, LosAniosPedidosYLosCasosFueraDeEllos) {
    const std::string csv = "fecha\r\n1/6/2018\r\n1/6/2019\r\n\r\n2/6/2019\r\n1/6/2021\r\n\r\n";
    auto r = correr({"contar", "--desde=2019", "--hasta", "2020"}, csv);
    ASSERT_EQ(r.estado, 0);
    const auto filas = prueba::registros(r.salida);
    ASSERT_EQ(filas.size(), 1u + 52 + 53);
    long total2019 = 0, total2020 = 0;
    for (std::size_t i = 1; i < filas.size(); ++i)
        (filas[i][0] == "2019" ? total2019 : total2020) += std::stol(filas[i][4]);
    EXPECT_EQ(total2019, 2);
    EXPECT_EQ(total2020, 0);
    EXPECT_EQ(r.errores,
              "tarvolo-cli: 4 filas, 0 sin fecha, 0 fechas no v\xc3\xa1lidas, 2 fuera del rango\n");
    // Only --desde: up to the latest case's year.
    r = correr({"contar", "--desde", "2021"}, csv);
    EXPECT_EQ(prueba::registros(r.salida).size(), 1u + 52);
    // No case and no years: the header alone.
    r = correr({"contar"}, "fecha\r\n\r\n");
    EXPECT_EQ(r.salida, "anio_epi,semana_epi,inicio_semana,fin_semana,casos\r\n");
}

TEST(Contar, LaFormaDeLaEntrada) {
    const std::string bom = "\xef\xbb\xbf";
    const auto empiezaPor = [](const std::string& s, const std::string& inicio) {
        return s.substr(0, inicio.size()) == inicio;
    };
    auto r = correr({"contar", "--desde", "2005", "--hasta", "2005"}, bom + "Fecha\tx\r\n2/1/2005\ty\r\n");
    EXPECT_TRUE(empiezaPor(r.salida, bom + "anio_epi\tsemana_epi\tinicio_semana\tfin_semana\tcasos\r\n"
                                           "2005\t1\t02/01/2005\t08/01/2005\t1\r\n2005\t2\t"))
        << r.salida;
    r = correr({"contar", "--hasta", "2005"}, "fecha\n2/1/2005");  // the header's line end
    EXPECT_TRUE(empiezaPor(r.salida, "anio_epi,semana_epi,inicio_semana,fin_semana,casos\n2005,1,"));
}

TEST(Contar, CadaErrorConSuLineaYEstado2) {
    const std::vector<prueba::Rechazo> errores = {
        {{},
         "",
         "la entrada est\xc3\xa1 vac\xc3\xad"
         "a"},
        {{},
         "id;nombre\n1;x\n",
         "ninguna columna contiene \xc2\xab"
         "fecha\xc2\xbb; columnas: \xc2\xab"
         "id\xc2\xbb, \xc2\xabnombre\xc2\xbb"},
        {{"--por", "zona"}, "fecha\n1/1/2020\n", "no hay columna \xc2\xabzona\xc2\xbb"},
        {{}, "fecha,x\n1/1/2020,a\n2/1/2020,\"b\n", "l\xc3\xadnea 3: campo entre comillas sin cerrar"},
        {{"--desde", "2021", "--hasta", "2020"},
         "fecha\n",
         "--desde 2021 es posterior a --hasta 2020\nUso: "},
        {{"--desde", "20x"},
         "fecha\n",
         "a\xc3\xb1o no v\xc3\xa1lido en --desde: \xc2\xab"
         "20x\xc2\xbb"},
        {{"--hasta", "9999"}, "fecha\n", "(de 101 a 9998)"},
        {{"--por", " "}, "fecha\n", "--por necesita un nombre"},
        {{"--cuatrisemanas=1"}, "fecha\n", "opci\xc3\xb3n desconocida"},
        {{"a.csv", "b.csv"}, "fecha\n", "sobra un argumento: b.csv"},
    };
    for (const auto& e : errores) {
        std::vector<std::string> args = {"contar"};
        args.insert(args.end(), e.argumentos.begin(), e.argumentos.end());
        const auto r = correr(args, e.entrada);
        SCOPED_TRACE(e.mensaje);
        prueba::esperarRechazo(r, e.mensaje);
    }
}

// A window abandons a long reading: asked every few thousand records, the
// counting stops at the first yes.
TEST(Contar, UnaLecturaCancelada) {
    std::string csv = "fecha\n";
    for (int i = 0; i < 10000; ++i) csv += "1/1/2020\n";
    int preguntas = 0;
    tarvolo::Seguimiento seguimiento;
    seguimiento.cancelar = [&] { return ++preguntas == 2; };
    tarvolo::FuenteMemoria fuente(csv);
    EXPECT_THROW(tarvolo::contarCasos(fuente, {}, seguimiento), tarvolo::Cancelado);
    EXPECT_EQ(preguntas, 2);
    seguimiento.cancelar = [&] { return ++preguntas < 0; };
    tarvolo::FuenteMemoria otra(csv);
    const auto conteo = tarvolo::contarCasos(otra, {}, seguimiento);
    EXPECT_EQ(preguntas, 4);  // 10,000 records: asked twice more
    EXPECT_EQ(conteo.anio(2020).casos[0], 10000);
    EXPECT_EQ(conteo.anio(2019).casos[51], 0);
}

}  // namespace
