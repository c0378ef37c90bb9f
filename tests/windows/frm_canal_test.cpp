#include "windows/frm_canal.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/grafico_canal.h"
#include "entorno_formularios.h"
#include "windows/canal/pagina_canal.h"
#include "windows/impresion/imprimir_listado.h"

namespace tarvolo::prueba {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;
using ::testing::ElementsAre;

const Fecha kHoy = 2026y / December / 8;  // a Tuesday of week 49, with no case yet
constexpr std::string_view kVeredicto = "Semana 48 (29/11/2026 al 05/12/2026): 37 casos, zona de alerta";

// contar's counts: week 48 of 2021 to 2025 at 10, 20, 30, 40 and 50 cases,
// whose quartiles put 2026's 37 between the median and the third quartile.
std::string conteos(int desde = 2021) {
    std::string s = "anio_epi,semana_epi,casos\n";
    for (int anio = desde; anio <= 2025; ++anio)
        s += std::to_string(anio) + ",48," + std::to_string((anio - 2020) * 10) + "\n";
    return s + "2026,47,12\n2026,48,37\n";
}

class VentanaCanal : public EntornoFormularios {
protected:
    VentanaCanal() {
        reloj.fijar(kHoy);
        fs::create_directories(carpeta);
    }
    ~VentanaCanal() override {
        ventanas.descargarTodas();
        fs::remove_all(carpeta);
    }
    VentanaGrabada& w() { return *pantalla.ventana("frmCanal"); }

    std::string archivo(const std::string& nombre, const std::string& texto) {
        const fs::path ruta = carpeta / nombre;
        std::ofstream(ruta, std::ios::binary) << texto;
        return ruta.string();
    }
    // Mostrar on `ruta`, then the reading's answer on the windows' thread.
    void mostrar(const std::string& ruta) {
        w().escribir("txtArchivo", ruta);
        w().pulsar("cmdMostrar");
        ASSERT_TRUE(hilo.correrUna());
    }
    Canal esperado(const std::string& texto) const {
        std::istringstream entrada(texto);
        FuenteFlujo fuente(entrada);
        OpcionesCanal o;
        o.anio = 2026;
        return calcularCanal(fuente, o, kHoy);
    }
    std::vector<std::string> textosDe(const Dibujo& d) const {
        std::vector<std::string> t;
        for (const auto& f : d.formas())
            if (f.tipo == Dibujo::Tipo::Texto) t.push_back(f.texto);
        return t;
    }

    const fs::path carpeta =
        fs::temp_directory_path() /
        ("tarvolo-canal-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(VentanaCanal, OpensWithTodaysEpidemiologicalYearFiveYearsAndQuartiles) {
    reloj.fijar(2027y / January / 1);  // still in 2026's last week
    abrir("frmCanal");
    EXPECT_EQ(w().titulo(), "Canal endémico");
    EXPECT_EQ(w().texto("txtAnio"), "2026");
    EXPECT_EQ(w().texto("txtHistoria"), "5");
    EXPECT_EQ(w().texto("cboMetodo"), "Cuartiles");
    EXPECT_EQ(w().texto("lblVeredicto"), "");
    EXPECT_TRUE(w().dibujo("picCanal").vacio());
    EXPECT_FALSE(w().habilitada("mnuCanal"));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanaCanal, MostrarReadsOffTheWindowsThreadThenShowsTheCompanionsChartAndVerdict) {
    abrir("frmCanal");
    const std::string ruta = archivo("conteos.csv", conteos());
    w().escribir("txtArchivo", ruta);
    w().pulsar("cmdMostrar");
    EXPECT_EQ(w().texto("lblVeredicto"), "Calculando el canal endémico de «conteos.csv»...");
    EXPECT_TRUE(w().dibujo("picCanal").vacio());
    ASSERT_TRUE(hilo.correrUna());
    EXPECT_EQ(w().texto("lblVeredicto"), kVeredicto);
    EXPECT_EQ(w().dibujo("picCanal"), graficoCanal(esperado(conteos())));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanaCanal, ABadInputIsTheCompanionsMessageAndTheLastChartStays) {
    abrir("frmCanal");
    mostrar(archivo("conteos.csv", conteos()));
    const Dibujo antes = w().dibujo("picCanal");

    // Each as the companion words it: the file, the missing year, the missing column.
    struct Caso {
        std::string ruta, dice;
    };
    const std::string noEsta = (carpeta / "no-esta.csv").string();
    const std::string sinAnio = archivo("sin2021.csv", conteos(2022));
    const std::string sinColumna = archivo("sinfecha.csv", "id;nombre\n1;Ana\n");
    for (const Caso& c : {Caso{noEsta, "no se puede abrir «" + noEsta + "»"}, Caso{sinAnio, "2021"},
                          Caso{sinColumna, "fecha"}}) {
        mensajes.textos.clear();
        mostrar(c.ruta);
        ASSERT_EQ(mensajes.textos.size(), 1U) << c.ruta;
        EXPECT_THAT(mensajes.textos[0], ::testing::HasSubstr(c.dice));
        EXPECT_EQ(w().texto("lblVeredicto"), kVeredicto);
        EXPECT_EQ(w().dibujo("picCanal"), antes);
    }
    std::ifstream leido(sinAnio);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(leido), {}), conteos(2022));
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()), 3);
}

TEST_F(VentanaCanal, OptionsOutOfRangeAreRefusedBeforeAnyReading) {
    abrir("frmCanal");
    const std::string ruta = archivo("conteos.csv", conteos());
    struct Caso {
        const char* caja;
        const char* valor;
        std::string mensaje;
    };
    for (const Caso& c : {Caso{"txtHistoria", "11", "la historia va de 3 a 10 años: «11»"},
                          Caso{"txtHistoria", "2", "la historia va de 3 a 10 años: «2»"},
                          Caso{"txtAnio", "dos mil", "año no válido: «dos mil» (de 101 a 9998)"},
                          Caso{"cboMetodo", "Media", "método desconocido: «Media» (Cuartiles o Bortman)"},
                          Caso{"txtArchivo", "  ", std::string(frmCanal::kTextoSinCanal)}}) {
        abrir("frmCanal");
        w().escribir("txtArchivo", ruta);
        w().escribir(c.caja, c.valor);
        mensajes.textos.clear();
        w().pulsar("cmdMostrar");
        EXPECT_THAT(mensajes.textos, ElementsAre(c.mensaje));
        EXPECT_EQ(w().texto("lblVeredicto"), "");
        EXPECT_EQ(hilo.pendientes(), 0U);
        ventanas.descargar("frmCanal");
    }
}

TEST_F(VentanaCanal, BortmanAndAnotherHistoryReachTheComputation) {
    abrir("frmCanal");
    w().escribir("txtHistoria", "3");
    w().escribir("cboMetodo", "Bortman");
    mostrar(archivo("conteos.csv", conteos()));
    std::istringstream entrada(conteos());
    FuenteFlujo fuente(entrada);
    OpcionesCanal o;
    o.historia = 3;
    o.metodo = Metodo::kBortman;
    const Canal c = calcularCanal(fuente, o, kHoy);
    EXPECT_EQ(w().texto("lblVeredicto"), textoVeredicto(c));
    EXPECT_EQ(w().dibujo("picCanal"), graficoCanal(c));
}

TEST_F(VentanaCanal, ClosingWhileReadingAbandonsTheWorkAndNothingArrivesAfter) {
    abrir("frmCanal");
    // Enough rows that the reading is still going when the window closes.
    std::string lista = "id;fecha_inicio\n";
    for (int i = 0; i < 400000; ++i)
        lista += std::to_string(i) + ";0" + std::to_string(1 + i % 9) + "/03/2024\n";
    w().escribir("txtArchivo", archivo("lista.csv", lista));
    w().pulsar("cmdMostrar");
    ventanas.descargar("frmCanal");
    EXPECT_EQ(ventanas.abierta("frmCanal"), nullptr);
    // A result sent before the work saw the flag finds nobody and does nothing.
    while (hilo.correrUna(std::chrono::milliseconds(0))) {
    }
    EXPECT_TRUE(mensajes.textos.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()), 1);
}

TEST_F(VentanaCanal, PrintsOneLandscapePageOfChartTableAndFooterThenConfirms) {
    abrir("frmCanal");
    w().pulsar("cmdPrint");
    EXPECT_THAT(mensajes.textos, ElementsAre(std::string(frmCanal::kTextoSinCanal)));
    EXPECT_TRUE(llamadas.empty());

    mostrar(archivo("conteos.csv", conteos()));
    mensajes.textos.clear();
    w().elegir("mnuImprimir");
    EXPECT_THAT(llamadas, ElementsAre("imprimirDibujo(15840x12240)", "finDocumento()"));
    EXPECT_THAT(mensajes.textos,
                ElementsAre("El Canal Endémico del año 2026\r\nha sido enviado a su impresora."));
    ASSERT_TRUE(paginaImpresa);
    const auto textos = textosDe(*paginaImpresa);
    using ::testing::Contains;
    EXPECT_THAT(textos, Contains("Canal endémico 2026"));
    EXPECT_THAT(textos, Contains(textoPie()));
    // Week 48's row: its dates, its limits with a decimal comma, its cases and zone.
    for (const char* celda : {"29/11/2026", "05/12/2026", "20,00", "30,00", "40,00", "37", "alerta"})
        EXPECT_THAT(textos, Contains(celda));
    for (const auto& f : paginaImpresa->formas())
        for (const Punto& p : f.puntos) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, paginaImpresa->ancho());
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, paginaImpresa->alto());
        }

    fallarEn = "imprimirDibujo";
    mensajes.textos.clear();
    w().pulsar("cmdPrint");
    EXPECT_THAT(mensajes.textos, ElementsAre(std::string(kTextoProblemaImpresion)));
}

TEST_F(VentanaCanal, AbrirPutsTheChosenFileInTheBoxAndCancelLeavesIt) {
    abrir("frmCanal");
    dialogos.abrirResponde = {"/datos/casos 2026.csv", std::nullopt};
    w().pulsar("cmdAbrir");
    EXPECT_EQ(w().texto("txtArchivo"), "/datos/casos 2026.csv");
    w().pulsar("cmdAbrir");
    EXPECT_EQ(w().texto("txtArchivo"), "/datos/casos 2026.csv");
    ASSERT_EQ(dialogos.preguntas.size(), 2U);
    EXPECT_THAT(dialogos.preguntas[0].tipos, ElementsAre("*.csv;*.txt", "*"));
}

TEST_F(VentanaCanal, SavesTheChartWholeAsSvgOrPngAndNothingWhenCancelled) {
    abrir("frmCanal");
    mostrar(archivo("conteos.csv", conteos()));
    // A bare name takes the chosen kind's extension.
    const std::string svg = (carpeta / "canal.svg").string(), png = (carpeta / "canal.png").string();
    dialogos.guardarResponde = {Dialogos::Eleccion{svg, 0},
                                Dialogos::Eleccion{(carpeta / "canal").string(), 1}, std::nullopt};
    for (int i = 0; i < 3; ++i) w().pulsar("cmdGuardar");
    ASSERT_EQ(dialogos.preguntas.size(), 3U);
    EXPECT_EQ(dialogos.preguntas[0].propuesto, "canal-endemico-2026.svg");
    EXPECT_THAT(dialogos.preguntas[0].tipos, ElementsAre("*.svg", "*.png"));
    auto leer = [](const std::string& ruta) {
        std::ifstream f(ruta, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    EXPECT_EQ(leer(svg), svgCanal(esperado(conteos())));
    EXPECT_EQ(leer(png), "PNG 14400x8640");
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()), 3);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanaCanal, TheSemanasMenuLeavesForTheOtherWindowsAndTheyComeBack) {
    abrir("frmCanal").elegir("mnuAnio");
    EXPECT_THAT(cargadas(), ElementsAre("frmRango"));
    pantalla.ventana("frmRango")->elegir("mnuCanal");
    EXPECT_THAT(cargadas(), ElementsAre("frmCanal"));
    w().elegir("mnuActual");
    pantalla.ventana("frmHoy")->elegir("mnuCanal");
    w().elegir("mnuDia");
    pantalla.ventana("frmDia")->elegir("mnuCanal");
    EXPECT_THAT(cargadas(), ElementsAre("frmCanal"));
}

}  // namespace
}  // namespace tarvolo::prueba
