#include "windows/frm_rango.h"

#include <gmock/gmock.h>

#include "entorno_formularios.h"
#include "tables/tablas.h"

namespace tarvolo::prueba {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;

const Fecha kHoy = 2024y / March / 15;

class VentanaRango : public EntornoFormularios {
protected:
    VentanaRango() { reloj.fijar(kHoy); }

    VentanaGrabada& w() { return *pantalla.ventana("frmRango"); }
    void mostrar(std::string_view anio, std::string_view clase) {
        w().escribir("txtAnio", anio);
        w().escribir("cboSem", clase);
        w().pulsar("cmdMostrar");
    }
    // What the printer printed first: the listing.
    std::string impreso() const {
        for (const std::string& llamada : llamadas)
            if (llamada.starts_with("imprimir(")) return llamada.substr(9, llamada.size() - 10);
        return {};
    }
};

TEST_F(VentanaRango, OnOpeningItHasTheCurrentYearSemanasAndTheDesignedBoxes) {
    abrir("frmRango");
    EXPECT_EQ(w().titulo(), "Semanas del año");
    EXPECT_EQ(w().texto("txtAnio"), "2024");
    EXPECT_EQ(w().texto("cboSem"), "Semanas");
    EXPECT_EQ(w().texto("txtSemanas"), "");
    EXPECT_EQ(w().texto("txtOculto"), "Text1");
    EXPECT_NE(w().control("txtOculto").estilo & kOculto, 0U);
    EXPECT_TRUE(mensajes.textos.empty());
}

struct Clase {
    const char* nombre;
    Constructor tabla;
    Constructor listado;
};

void PrintTo(const Clase& c, std::ostream* os) {
    *os << c.nombre;
}

class MostrarCadaClase : public VentanaRango, public ::testing::WithParamInterface<Clase> {};

TEST_P(MostrarCadaClase, FillsBothBoxesWithTheYearsTexts) {
    abrir("frmRango");
    mostrar("2005", GetParam().nombre);
    EXPECT_EQ(w().texto("txtSemanas"), GetParam().tabla("2005", kHoy));
    EXPECT_EQ(w().texto("txtOculto"), GetParam().listado("2005", kHoy));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_P(MostrarCadaClase, AYearOfLettersIsReportedOnceAndChangesNothing) {
    abrir("frmRango");
    mostrar("2005", "Ambas");
    const std::string tabla = w().texto("txtSemanas");
    const std::string listado = w().texto("txtOculto");

    mostrar("abcd", GetParam().nombre);

    EXPECT_THAT(mensajes.textos, ElementsAre("No coinciden los tipos"));
    EXPECT_EQ(w().texto("txtSemanas"), tabla);
    EXPECT_EQ(w().texto("txtOculto"), listado);
    EXPECT_EQ(w().texto("txtAnio"), "abcd");
}

INSTANTIATE_TEST_SUITE_P(Clases, MostrarCadaClase,
                         ::testing::Values(Clase{"Semanas", TablaSemanas, ListadoSemanas},
                                           Clase{"Cuatrisemanas", TablaCuatrisemanas, ListadoCuatrisemanas},
                                           Clase{"Ambas", TablaAmbas, ListadoAmbas}));

TEST_F(VentanaRango, AKindNotInTheListChangesNothing) {
    abrir("frmRango");
    mostrar("2005", "Semanas");
    const std::string tabla = w().texto("txtSemanas");
    for (const char* clase : {"semanas", "Semanas ", "Todo"}) {
        mostrar("2003", clase);
        EXPECT_EQ(w().texto("cboSem"), clase);
        EXPECT_EQ(w().texto("txtSemanas"), tabla) << clase;
        EXPECT_EQ(w().texto("txtOculto"), ListadoSemanas("2005", kHoy));
    }
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanaRango, AnEmptyYearShowsTheCurrentOneAndTheBoxStaysEmpty) {
    abrir("frmRango");
    mostrar("", "Semanas");
    EXPECT_EQ(w().texto("txtAnio"), "");
    EXPECT_TRUE(
        w().texto("txtOculto").starts_with(std::string(36, ' ') + "SEMANAS EPIDEMIOLÓGICAS DEL 2024\r\n"));
    EXPECT_EQ(w().texto("txtSemanas"), TablaSemanas(Parte(std::string()), kHoy));
}

TEST_F(VentanaRango, SelectAllSelectsTheTable) {
    abrir("frmRango");
    mostrar("2005", "Cuatrisemanas");
    w().elegir("mnuSelectAll");
    EXPECT_TRUE(w().todoSeleccionado("txtSemanas"));
    EXPECT_FALSE(w().habilitada("mnuAnio"));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanaRango, LeavingForAnotherWindowAndComingBackLoadsItAfresh) {
    for (const char* entrada : {"mnuActual", "mnuDia", "mnuAbout"}) {
        abrir("frmRango");
        w().escribir("txtAnio", "1999");
        w().elegir(entrada);
        EXPECT_EQ(ventanas.abierta("frmRango"), nullptr) << entrada;
        EXPECT_EQ(abrir("frmRango").texto("txtAnio"), "2024") << entrada;
        ventanas.descargarTodas();
    }
}

// Printing from the window.

TEST_F(VentanaRango, PrintingShowsPrintsTheListingAndConfirms) {
    abrir("frmRango");
    w().escribir("txtAnio", "2005");
    w().escribir("cboSem", "Cuatrisemanas");
    w().pulsar("cmdPrint");

    // The window is refreshed first, then the listing goes out with its CR LF.
    EXPECT_EQ(w().texto("txtSemanas"), TablaCuatrisemanas("2005", kHoy));
    EXPECT_EQ(impreso(), ListadoCuatrisemanas("2005", kHoy));
    EXPECT_EQ(llamadas.back(), "finDocumento()");
    EXPECT_THAT(mensajes.textos, ElementsAre("Las Cuatrisemanas Epidemiológicas del año 2005\r\n"
                                             "han sido enviadas a su impresora."));
}

struct Impresion {
    const char* anio;
    const char* clase;
    const char* antes;  // shown before the press, if anything: year and kind
    Textos mensajes;
};

class ImprimirSegun : public VentanaRango, public ::testing::WithParamInterface<Impresion> {};

TEST_P(ImprimirSegun, PrintsTheListingThatTheMostrarActionLeft) {
    const Impresion c = GetParam();
    abrir("frmRango");
    if (c.antes != nullptr) mostrar(c.antes, "Cuatrisemanas");
    w().escribir("txtAnio", c.anio);
    w().escribir("cboSem", c.clase);
    const std::string oculto = w().texto("txtOculto");
    w().pulsar("cmdPrint");
    // A rejected year prints what the box held; a good one its own listing.
    EXPECT_EQ(impreso(), c.mensajes.size() > 1 ? oculto : w().texto("txtOculto"));
    EXPECT_EQ(mensajes.textos, c.mensajes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ImprimirSegun,
    ::testing::Values(
        // "Ambas" is spoken of as weeks.
        Impresion{"2005",
                  "Ambas",
                  nullptr,
                  {"Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."}},
        // An empty year prints the current one and names none.
        Impresion{"",
                  "Semanas",
                  nullptr,
                  {"Las Semanas Epidemiológicas del año \r\nhan sido enviadas a su impresora."}},
        // Letters in a new window print its design text "Text1".
        Impresion{"abcd",
                  "Semanas",
                  nullptr,
                  {"No coinciden los tipos",
                   "Las Semanas Epidemiológicas del año abcd\r\nhan sido enviadas a su impresora."}},
        // ... and after a good year, that year's listing.
        Impresion{"20x3",
                  "Cuatrisemanas",
                  "2003",
                  {"No coinciden los tipos",
                   "Las Cuatrisemanas Epidemiológicas del año 20x3\r\nhan sido enviadas a su impresora."}}));

TEST_F(VentanaRango, APrinterFailureOnlyTellsOfTheProblem) {
    fallarEn = "finDocumento";
    abrir("frmRango");
    mostrar("2005", "Semanas");
    w().pulsar("cmdPrint");
    EXPECT_THAT(mensajes.textos, ElementsAre("Hubo un problema al imprimir."));
    // The tables of the refresh stay.
    EXPECT_EQ(w().texto("txtSemanas"), TablaSemanas("2005", kHoy));
}

TEST_F(VentanaRango, AYearOfLettersInANewWindowPrintsItsDesignText) {
    abrir("frmRango");
    w().escribir("txtAnio", "abcd");
    w().pulsar("cmdPrint");
    EXPECT_EQ(impreso(), "Text1");
}

}  // namespace
}  // namespace tarvolo::prueba
