#include "windows/frm_rango.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "impresion/qstring_gtest.h"
#include "shell/aplicacion.h"
#include "tables/tablas.h"
#include "windows/impresion/impresora_qt.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;

const Fecha kHoy = 2024y / March / 15;

// What a box shows of a builder's text: its lines, without the CR.
QString enCaja(const std::string& texto) {
    return QString::fromStdString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The shared window fixture, moved to a day of 2024.
class VentanaRango : public prueba::EntornoVentanas {
protected:
    VentanaRango() { reloj.fijar(kHoy); }

    frmRango& abrir() {
        ventana = ventanas.mostrar(QStringLiteral("frmRango"));
        return *static_cast<frmRango*>(ventana.data());
    }

    template <typename T>
    T* control(const char* nombre) {
        T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QLineEdit* txtAnio() { return control<QLineEdit>("txtAnio"); }
    QComboBox* cboSem() { return control<QComboBox>("cboSem"); }
    QPlainTextEdit* txtSemanas() { return control<QPlainTextEdit>("txtSemanas"); }
    QPlainTextEdit* txtOculto() { return control<QPlainTextEdit>("txtOculto"); }

    void escribir(QWidget* caja, const QString& texto) {
        caja->setFocus();
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(caja, Qt::Key_Backspace);
        if (!texto.isEmpty()) QTest::keyClicks(caja, texto);
    }
    void elegir(const QString& clase) { escribir(cboSem()->lineEdit(), clase); }
    void pulsar(const char* boton) { QTest::mouseClick(control<QPushButton>(boton), Qt::LeftButton); }
    void menu(const char* entrada) { control<QAction>(entrada)->trigger(); }

    void mostrar(const QString& anio, const QString& clase) {
        escribir(txtAnio(), anio);
        elegir(clase);
        pulsar("cmdMostrar");
    }

    QPointer<QWidget> ventana;
};

TEST_F(VentanaRango, AlAbrirTieneElAnioActualSemanasYLasCajasDeDisenio) {
    abrir();
    EXPECT_EQ(ventana->windowTitle(), "Semanas del año");
    EXPECT_EQ(txtAnio()->text(), "2024");
    EXPECT_EQ(cboSem()->currentText(), "Semanas");
    EXPECT_EQ(txtSemanas()->toPlainText(), QString());
    EXPECT_EQ(txtOculto()->toPlainText(), "Text1");
    EXPECT_FALSE(txtOculto()->isVisible());
    EXPECT_EQ(ventana->focusWidget(), txtSemanas());
    const int dpi = ventana->logicalDpiX();
    EXPECT_EQ(control<QWidget>("area")->size(), QSize(4680 * dpi / 1440, 5760 * dpi / 1440));
    EXPECT_EQ(control<QPushButton>("cmdPrint")->toolTip(), "Imprimir");
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_F(VentanaRango, TabYCtrlTabSalenDeLaTablaSinEscribirTabuladores) {
    abrir();
    mostrar(QStringLiteral("2005"), QStringLiteral("Semanas"));
    const QString tabla = txtSemanas()->toPlainText();
    struct {
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        QWidget* destino;
    } const casos[] = {
        {Qt::Key_Tab, Qt::NoModifier, txtAnio()},
        {Qt::Key_Backtab, Qt::ShiftModifier, control<QPushButton>("cmdPrint")},
        {Qt::Key_Tab, Qt::ControlModifier, txtAnio()},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, control<QPushButton>("cmdPrint")},
    };
    for (const auto& c : casos) {
        txtSemanas()->setFocus();
        QTest::keyClick(txtSemanas(), c.tecla, c.modificadores);
        EXPECT_EQ(ventana->focusWidget(), c.destino) << c.tecla << " " << c.modificadores;
        EXPECT_EQ(txtSemanas()->toPlainText(), tabla);
    }
}

TEST_F(VentanaRango, UnLectorDePantallaLeeVentanaAnioReporteEImprimir) {
    exponerVentanasComoVentanas();
    abrir();
    const auto nombre = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ventana)->role(), QAccessible::Window);
    EXPECT_EQ(nombre(ventana), "Semanas del año");
    EXPECT_EQ(nombre(txtAnio()), "Año");
    // A combo box speaks its text as its name; its label comes as a relation.
    const auto etiquetas = QAccessible::queryAccessibleInterface(cboSem())->relations(QAccessible::Label);
    ASSERT_EQ(etiquetas.size(), 1);
    EXPECT_EQ(etiquetas[0].first->text(QAccessible::Name), "Reporte");
    EXPECT_EQ(nombre(control<QPushButton>("cmdPrint")), "Imprimir");
}

TEST_F(VentanaRango, MenusEnOrdenConPorAnioDeshabilitado) {
    abrir();
    QStringList barra;
    for (QAction* a : ventana->findChild<QMenuBar*>()->actions()) barra.append(a->text());
    EXPECT_THAT(barra, ElementsAre("&Archivo", "&Editar", "Semanas", "Acerca de..."));
    EXPECT_FALSE(control<QAction>("mnuAnio")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuActual")->isEnabled());
    EXPECT_EQ(control<QAction>("mnuDia")->text(), "Por Día");
    EXPECT_EQ(control<QAction>("mnuSelectAll")->text(), "Seleccionar &Todo");
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

TEST_P(MostrarCadaClase, LlenaAmbasCajasConLosTextosDelAnio) {
    abrir();
    mostrar(QStringLiteral("2005"), QString::fromLatin1(GetParam().nombre));
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(GetParam().tabla("2005", kHoy)));
    EXPECT_EQ(txtOculto()->toPlainText(), enCaja(GetParam().listado("2005", kHoy)));
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_P(MostrarCadaClase, UnAnioDeLetrasSeAvisaUnaVezYNoCambiaNada) {
    abrir();
    mostrar(QStringLiteral("2005"), QStringLiteral("Ambas"));
    const QString tabla = txtSemanas()->toPlainText();
    const QString listado = txtOculto()->toPlainText();

    mostrar(QStringLiteral("abcd"), QString::fromLatin1(GetParam().nombre));

    EXPECT_THAT(mensajes.textos, ElementsAre("No coinciden los tipos"));
    EXPECT_EQ(txtSemanas()->toPlainText(), tabla);
    EXPECT_EQ(txtOculto()->toPlainText(), listado);
    EXPECT_EQ(txtAnio()->text(), "abcd");
}

INSTANTIATE_TEST_SUITE_P(Clases, MostrarCadaClase,
                         ::testing::Values(Clase{"Semanas", TablaSemanas, ListadoSemanas},
                                           Clase{"Cuatrisemanas", TablaCuatrisemanas, ListadoCuatrisemanas},
                                           Clase{"Ambas", TablaAmbas, ListadoAmbas}));

TEST_F(VentanaRango, OtraClaseReemplazaAmbasCajas) {
    abrir();
    mostrar(QStringLiteral("2005"), QStringLiteral("Cuatrisemanas"));
    mostrar(QStringLiteral("2003"), QStringLiteral("Ambas"));
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(TablaAmbas("2003", kHoy)));
    EXPECT_EQ(txtOculto()->toPlainText(), enCaja(ListadoAmbas("2003", kHoy)));
}

TEST_F(VentanaRango, UnaClaseQueNoEstaEnLaListaNoCambiaNada) {
    abrir();
    mostrar(QStringLiteral("2005"), QStringLiteral("Semanas"));
    const QString tabla = txtSemanas()->toPlainText();
    for (const QString& clase :
         {QStringLiteral("semanas"), QStringLiteral("Semanas "), QStringLiteral("Todo")}) {
        mostrar(QStringLiteral("2003"), clase);
        EXPECT_EQ(cboSem()->currentText(), clase);
        EXPECT_EQ(txtSemanas()->toPlainText(), tabla) << clase.toStdString();
        EXPECT_EQ(txtOculto()->toPlainText(), enCaja(ListadoSemanas("2005", kHoy)));
    }
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_F(VentanaRango, UnAnioVacioMuestraElAnioActualYLaCajaSigueVacia) {
    abrir();
    mostrar(QString(), QStringLiteral("Semanas"));
    EXPECT_EQ(txtAnio()->text(), QString());
    EXPECT_EQ(txtOculto()->toPlainText(), enCaja(ListadoSemanas(Parte(std::string()), kHoy)));
    EXPECT_TRUE(txtOculto()->toPlainText().startsWith(QStringLiteral(" ").repeated(36) +
                                                      "SEMANAS EPIDEMIOLÓGICAS DEL 2024\n"));
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(TablaSemanas(Parte(std::string()), kHoy)));
}

TEST_F(VentanaRango, SeleccionarTodoSinMoverElFoco) {
    abrir();
    QApplication::setActiveWindow(ventana);
    txtAnio()->setFocus();

    menu("mnuSelectAll");
    EXPECT_EQ(txtSemanas()->textCursor().selectionStart(), 0);
    EXPECT_EQ(txtSemanas()->textCursor().selectionEnd(), 0);

    mostrar(QStringLiteral("2005"), QStringLiteral("Cuatrisemanas"));
    txtAnio()->setFocus();
    menu("mnuSelectAll");
    const QTextCursor seleccion = txtSemanas()->textCursor();
    EXPECT_EQ(seleccion.selectionStart(), 0);
    EXPECT_EQ(seleccion.selectionEnd(), txtSemanas()->toPlainText().size());
    EXPECT_EQ(ventana->focusWidget(), txtAnio());
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

struct Salto {
    const char* entrada;
    const char* destino;
};

void PrintTo(const Salto& c, std::ostream* os) {
    *os << c.entrada;
}

class SaltoAOtraVentana : public VentanaRango, public ::testing::WithParamInterface<Salto> {};

TEST_P(SaltoAOtraVentana, CierraEstaVentanaYAbreLaOtra) {
    abrir();
    escribir(txtAnio(), QStringLiteral("1999"));
    const QPointer<QWidget> anterior = ventana;

    menu(GetParam().entrada);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(anterior.isNull());
    EXPECT_EQ(ventanas.abierta(QStringLiteral("frmRango")), nullptr);
    QWidget* otra = ventanas.abierta(QString::fromLatin1(GetParam().destino));
    ASSERT_NE(otra, nullptr);
    EXPECT_TRUE(otra->isVisible());

    abrir();  // a fresh load, not the year typed before
    EXPECT_EQ(txtAnio()->text(), "2024");
}

INSTANTIATE_TEST_SUITE_P(Menus, SaltoAOtraVentana,
                         ::testing::Values(Salto{"mnuActual", "frmHoy"}, Salto{"mnuDia", "frmDia"},
                                           Salto{"mnuAbout", "frmAbout"}));

TEST_F(VentanaRango, SalirCierraLaVentana) {
    abrir();
    menu("mnuSalir");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ventana.isNull());
    EXPECT_EQ(ventanas.abierta(QStringLiteral("frmRango")), nullptr);
}

// Printing from the window.

QString impreso(const QStringList& llamadas) {
    for (const QString& llamada : llamadas)
        if (llamada.startsWith("imprimir(")) return llamada.mid(9, llamada.size() - 10);
    return {};
}

TEST_F(VentanaRango, ImprimirCuatrisemanasMuestraImprimeElListadoYConfirma) {
    abrir();
    escribir(txtAnio(), QStringLiteral("2005"));
    elegir(QStringLiteral("Cuatrisemanas"));
    pulsar("cmdPrint");

    // The window is refreshed first, then the listing goes out with its CR LF.
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(TablaCuatrisemanas("2005", kHoy)));
    EXPECT_EQ(impreso(llamadas), QString::fromStdString(ListadoCuatrisemanas("2005", kHoy)));
    EXPECT_EQ(llamadas.last(), "finDocumento()");
    EXPECT_THAT(mensajes.textos, ElementsAre("Las Cuatrisemanas Epidemiológicas del año 2005\r\n"
                                             "han sido enviadas a su impresora."));
}

TEST_F(VentanaRango, ImprimirAmbasHablaDeSemanas) {
    abrir();
    escribir(txtAnio(), QStringLiteral("2005"));
    elegir(QStringLiteral("Ambas"));
    pulsar("cmdPrint");
    EXPECT_EQ(impreso(llamadas), QString::fromStdString(ListadoAmbas("2005", kHoy)));
    EXPECT_THAT(mensajes.textos,
                ElementsAre("Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."));
}

TEST_F(VentanaRango, ImprimirConAnioVacioImprimeElActualYConfirmaSinAnio) {
    abrir();
    escribir(txtAnio(), QString());
    pulsar("cmdPrint");
    EXPECT_EQ(impreso(llamadas), QString::fromStdString(ListadoSemanas(Parte(std::string()), kHoy)));
    EXPECT_THAT(mensajes.textos,
                ElementsAre("Las Semanas Epidemiológicas del año \r\nhan sido enviadas a su impresora."));
}

TEST_F(VentanaRango, ImprimirConAnioDeLetrasEnVentanaNuevaImprimeText1) {
    abrir();
    escribir(txtAnio(), QStringLiteral("abcd"));
    pulsar("cmdPrint");
    EXPECT_EQ(impreso(llamadas), "Text1");
    EXPECT_THAT(mensajes.textos,
                ElementsAre("No coinciden los tipos",
                            "Las Semanas Epidemiológicas del año abcd\r\nhan sido enviadas a su impresora."));
}

TEST_F(VentanaRango, ImprimirConAnioDeLetrasImprimeElListadoAnterior) {
    abrir();
    mostrar(QStringLiteral("2003"), QStringLiteral("Cuatrisemanas"));
    escribir(txtAnio(), QStringLiteral("20x3"));
    pulsar("cmdPrint");
    EXPECT_EQ(impreso(llamadas), QString::fromStdString(ListadoCuatrisemanas("2003", kHoy)));
    EXPECT_THAT(mensajes.textos, ElementsAre("No coinciden los tipos",
                                             "Las Cuatrisemanas Epidemiológicas del año 20x3\r\n"
                                             "han sido enviadas a su impresora."));
}

TEST_F(VentanaRango, UnFalloAlTerminarElDocumentoSoloAvisaDelProblema) {
    fallarEn = QStringLiteral("finDocumento");
    abrir();
    mostrar(QStringLiteral("2005"), QStringLiteral("Semanas"));
    pulsar("cmdPrint");
    EXPECT_THAT(mensajes.textos, ElementsAre("Hubo un problema al imprimir."));
    // The tables of the refresh stay.
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(TablaSemanas("2005", kHoy)));
}

TEST(VentanaRangoSinImpresora, LaImpresoraDelSistemaSinColaPredeterminadaSoloAvisaDelProblema) {
    // No print server at all: no default printer.
    qputenv("CUPS_SERVER", "/nonexistent/tarvolo-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    RelojFijo reloj{kHoy};
    MensajesGrabados mensajes;
    Ventanas ventanas;
    Servicios servicios{ventanas, mensajes, reloj};
    frmRango ventana(servicios, [] { return std::make_unique<ImpresoraQt>(); });

    QTest::mouseClick(ventana.findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);

    EXPECT_THAT(mensajes.textos, ElementsAre("Hubo un problema al imprimir."));
}

}  // namespace
}  // namespace tarvolo
