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
#include "qstring_gtest.h"
#include "qt/aplicacion.h"
#include "qt/impresora_qt.h"
#include "tables/tablas.h"

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

    QWidget* abrir() {
        ventana = EntornoVentanas::mostrar("frmRango");
        return ventana;
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

    // What the printer printed first: the listing.
    QString impreso() const {
        for (const std::string& llamada : llamadas)
            if (llamada.starts_with("imprimir("))
                return QString::fromStdString(llamada.substr(9, llamada.size() - 10));
        return {};
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
    EXPECT_TRUE(mensajes.textos.empty());
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
    EXPECT_TRUE(mensajes.textos.empty());
}

// Printing from the window.

TEST_F(VentanaRango, ImprimirCuatrisemanasMuestraImprimeElListadoYConfirma) {
    abrir();
    escribir(txtAnio(), QStringLiteral("2005"));
    elegir(QStringLiteral("Cuatrisemanas"));
    pulsar("cmdPrint");

    // The window is refreshed first, then the listing goes out with its CR LF.
    EXPECT_EQ(txtSemanas()->toPlainText(), enCaja(TablaCuatrisemanas("2005", kHoy)));
    EXPECT_EQ(impreso(), QString::fromStdString(ListadoCuatrisemanas("2005", kHoy)));
    EXPECT_EQ(llamadas.back(), "finDocumento()");
    EXPECT_THAT(prueba::textos(mensajes), ElementsAre("Las Cuatrisemanas Epidemiológicas del año 2005\r\n"
                                                      "han sido enviadas a su impresora."));
}

TEST_F(VentanaRango, LaImpresoraDelSistemaSinColaPredeterminadaSoloAvisaDelProblema) {
    // No print server at all: no default printer.
    qputenv("CUPS_SERVER", "/nonexistent/tarvolo-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    impresora = [] { return std::make_unique<ImpresoraQt>(); };
    abrir();
    pulsar("cmdPrint");
    EXPECT_THAT(prueba::textos(mensajes), ElementsAre("Hubo un problema al imprimir."));
}

}  // namespace
}  // namespace tarvolo
