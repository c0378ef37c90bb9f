#include "windows/frm_dia.h"

#include "entorno_formularios.h"
#include "falsos/formulario_simple.h"

namespace tarvolo::prueba {
namespace {

using std::chrono::April;
using std::chrono::January;
using std::chrono::March;
using std::chrono::May;

class FrmDiaTest : public EntornoFormularios {
protected:
    FrmDiaTest() : EntornoFormularios("frmDia") {}
    CalendarioGrabado& calendario() { return w().calendarioGrabado("Calendar1"); }
    std::string cajas() {
        return w().texto("txtDia") + "/" + w().texto("txtMes") + "/" + w().texto("txtAnio");
    }
    std::string sem() { return w().texto("lblSem"); }
    std::string primeraLinea() {
        const std::string t = w().texto("lblSemana");
        return t.substr(0, t.find("\r\n"));
    }
    std::string ultimaLinea() {
        const std::string t = w().texto("lblSemana");
        return t.substr(t.rfind("\r\n") + 2);
    }
};

TEST_F(FrmDiaTest, OpensOnTodayWithoutMessagesAfterTwoPartialDates) {
    EXPECT_EQ(cajas(), "5/3/2005");
    EXPECT_EQ(sem(), "Semana Epidemiológica 9");
    EXPECT_EQ(primeraLinea(), "El sábado 05 de marzo de 2005");
    EXPECT_EQ(calendario().valor(), 2005y / March / 5);
    // Only the third assignment formed a date; then the calendar went to today.
    EXPECT_EQ(calendario().fijados, std::vector<Fecha>{2005y / March / 5});
    EXPECT_EQ(calendario().vecesHoy, 1);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, TypingDigitByDigitPassesOverImpossibleDatesSilently) {
    w().teclear("txtMes", "4");
    w().teclear("txtAnio", "2005");
    w().teclear("txtDia", "3");
    EXPECT_EQ(primeraLinea(), "El domingo 03 de abril de 2005");
    EXPECT_EQ(sem(), "Semana Epidemiológica 14");
    EXPECT_EQ(calendario().valor(), 2005y / April / 3);

    w().escribir("txtDia", "31");  // 31/4/2005 is no date
    EXPECT_EQ(primeraLinea(), "El domingo 03 de abril de 2005");
    EXPECT_EQ(calendario().valor(), 2005y / April / 3);

    w().teclear("txtMes", "5");
    EXPECT_EQ(sem(), "Semana Epidemiológica 22");
    EXPECT_EQ(primeraLinea(), "El martes 31 de mayo de 2005");
    EXPECT_EQ(calendario().valor(), 2005y / May / 31);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, LettersAndEmptyBoxesLeaveTheLastValidDate) {
    w().teclear("txtAnio", "20x5");
    w().escribir("txtDia", "");
    EXPECT_EQ(primeraLinea(), "El sábado 05 de marzo de 2005");
    EXPECT_EQ(calendario().fijados.back(), 2005y / March / 5);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, PickInTheCalendarFillsTheBoxesAndLabels) {
    w().elegirDia("Calendar1", 2005y / January / 1);
    EXPECT_EQ(cajas(), "1/1/2005");
    EXPECT_EQ(sem(), "Semana Epidemiológica 52");
    EXPECT_EQ(ultimaLinea(), "del año epidemiológico 2004");
    EXPECT_EQ(calendario().valor(), 2005y / January / 1);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, CalendarRefusalIsShownAndLabelsAlreadyMoved) {
    calendario().rechaza = [](const Fecha& f) { return f.year() < 1900y; };
    w().teclear("txtAnio", "1850");
    // "1" and "18" form no date; "185" and "1850" do, and the calendar refuses both.
    EXPECT_EQ(mensajes.textos,
              (Textos{"El valor de la propiedad no es válido", "El valor de la propiedad no es válido"}));
    EXPECT_EQ(primeraLinea(), "El martes 05 de marzo de 1850");
    EXPECT_EQ(calendario().valor(), 2005y / March / 5);
}

TEST_F(FrmDiaTest, OwnEntryIsDisabledAndDoesNothing) {
    EXPECT_FALSE(w().habilitada("mnuDia"));
    w().elegir("mnuDia");
    EXPECT_EQ(abiertas(), Textos{"frmDia"});
}

struct Ruta {
    const char* entrada;
    const char* otra;  // the window it leads to, or null
};

void PrintTo(const Ruta& c, std::ostream* os) {
    *os << c.entrada;
}

class FrmDiaMenuTest : public FrmDiaTest, public ::testing::WithParamInterface<Ruta> {};

TEST_P(FrmDiaMenuTest, MenuClosesThisWindowBeforeShowingTheOther) {
    const Ruta ruta = GetParam();
    Textos abiertasAlCargarLaOtra{"(no cargada)"};
    FormularioSimple::Cuentas cuentas;
    if (ruta.otra != nullptr)
        ventanas.registrar(ruta.otra, [&] {
            abiertasAlCargarLaOtra = abiertas();
            return std::make_unique<FormularioSimple>(ruta.otra, cuentas);
        });
    w().elegir(ruta.entrada);
    if (ruta.otra == nullptr) {
        EXPECT_TRUE(abiertas().empty());
    } else {
        EXPECT_EQ(abiertas(), Textos{ruta.otra});
        EXPECT_TRUE(abiertasAlCargarLaOtra.empty());
    }
    EXPECT_TRUE(mensajes.textos.empty());
}

INSTANTIATE_TEST_SUITE_P(Rutas, FrmDiaMenuTest,
                         ::testing::Values(Ruta{"mnuExit", nullptr}, Ruta{"mnuActual", "frmHoy"},
                                           Ruta{"mnuAnio", "frmRango"}, Ruta{"mnuAbout", "frmAbout"}));

}  // namespace
}  // namespace tarvolo::prueba
