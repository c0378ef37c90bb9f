#include "windows/frm_canal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "cli/bytes.h"
#include "falsos/dialogos_falsos.h"
#include "falsos/falsos_ventanas.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "pdf.h"
#include "qstring_gtest.h"
#include "qt/disposicion.h"
#include "qt/grafico_qt.h"
#include "qt/hilo_ventanas_qt.h"
#include "qt/impresora_pdf.h"
#include "qt/lienzo_qt.h"
#include "qt/pantalla_qt.h"
#include "windows/canal/pagina_canal.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;

const Fecha kHoy = 2026y / December / 8;  // a Tuesday of week 49, with no case yet

// A case list as a spreadsheet exports it: from 2020 to Saturday 5
// December 2026, one to three cases a day as the day's number says.
std::string listaDeCasos(std::int64_t* casosSemana48) {
    std::string s = "id;nombre;direccion;fecha_inicio\r\n";
    int id = 0;
    for (sys_days d = 2020y / January / 1; d <= sys_days(2026y / December / 5); d += days(1)) {
        const year_month_day f(d);
        const int casos = 1 + static_cast<int>(unsigned(f.day())) % 3;
        if (d >= sys_days(2026y / November / 29)) *casosSemana48 += casos;
        char fecha[16];
        std::snprintf(fecha, sizeof fecha, "%02u/%02u/%04d", unsigned(f.day()), unsigned(f.month()),
                      int(f.year()));
        for (int i = 0; i < casos; ++i)
            s += std::to_string(++id) + ";José Pérez;\"Calle Mayor 1; piso 2\";" + fecha + " 10:00:00\r\n";
    }
    return s;
}

// The program's windows with Qt's own window system, windows' thread and
// PNG writer, a PDF file for a printer and dialogs that answer as told.
class VentanaCanalQt : public ::testing::Test {
protected:
    VentanaCanalQt() { ventanas.mostrar("frmCanal"); }
    ~VentanaCanalQt() override {
        ventanas.descargarTodas();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* w() const { return PantallaQt::widget(ventanas.abierta("frmCanal")->ventana()); }
    template <typename T>
    T* hijo(const char* nombre) const {
        auto* c = w()->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QString veredicto() const { return hijo<QLabel>("lblVeredicto")->text(); }

    // Mostrar on a case list, as the user types its path and presses Enter.
    std::string mostrarLista() {
        std::int64_t casos = 0;
        const QString ruta = carpeta.filePath(QStringLiteral("casos.csv"));
        std::ofstream(ruta.toStdString(), std::ios::binary) << listaDeCasos(&casos);
        auto* caja = hijo<QLineEdit>("txtArchivo");
        caja->setFocus();
        QTest::keyClicks(caja, ruta);
        QTest::keyClick(caja, Qt::Key_Return);
        return std::to_string(casos);
    }

    RelojFijo reloj{kHoy};
    MensajesGrabados mensajes;
    PantallaQt pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    prueba::RegistroFalso registro;
    prueba::LanzadorFalso lanzador;
    prueba::DialogosFalsos dialogos;
    HiloVentanasQt hilo;
    QTemporaryDir carpeta;
    QString pdf = carpeta.filePath(QStringLiteral("canal.pdf"));
    VentanasDelPrograma programa{servicios, [this] { return std::make_unique<ImpresoraPdf>(pdf); }, registro,
                                 lanzador, ServiciosCanal{dialogos, hilo, pngDeDibujo}};
};

TEST_F(VentanaCanalQt, ElDisenoSeDisponeConSusValoresYMenus) {
    EXPECT_EQ(w()->windowTitle(), QStringLiteral("Canal endémico"));
    EXPECT_EQ(hijo<QLineEdit>("txtAnio")->text(), QStringLiteral("2026"));
    EXPECT_EQ(hijo<QLineEdit>("txtHistoria")->text(), QStringLiteral("5"));
    EXPECT_EQ(hijo<QComboBox>("cboMetodo")->currentText(), QStringLiteral("Cuartiles"));
    EXPECT_TRUE(hijo<QPushButton>("cmdMostrar")->isDefault());
    EXPECT_EQ(hijo<QPushButton>("cmdPrint")->toolTip(), QStringLiteral("Imprimir"));
    auto* grafico = hijo<GraficoQt>("picCanal");
    EXPECT_EQ(grafico->geometry(),
              QRect(pixeles(w(), 240), pixeles(w(), 1620), pixeles(w(), 9600), pixeles(w(), 5760)));
    EXPECT_TRUE(grafico->dibujo().vacio());
    // Every control inside the window's area, none over another's top left corner.
    const QRect area = grafico->parentWidget()->rect();
    for (const char* nombre : {"txtArchivo", "cmdAbrir", "txtAnio", "txtHistoria", "cboMetodo", "cmdMostrar",
                               "cmdPrint", "cmdGuardar", "picCanal", "lblVeredicto"})
        EXPECT_TRUE(area.contains(hijo<QWidget>(nombre)->geometry())) << nombre;
    QStringList barra;
    for (QAction* a : w()->findChild<QMenuBar*>()->actions()) {
        QString e = a->text();
        if (a->menu() != nullptr)
            for (QAction* i : a->menu()->actions()) e += "|" + QString(i->isEnabled() ? "" : "~") + i->text();
        barra.append(e);
    }
    EXPECT_THAT(barra, ElementsAre("&Archivo|&Guardar gráfico...|&Imprimir||&Salir",
                                   "Semanas|Actual|Por Día|Por Año|~Canal Endémico", "Acerca de..."));
}

TEST_F(VentanaCanalQt, MostrarLeeEnFondoYTerminaConElVeredictoYElGrafico) {
    const std::string casos = mostrarLista();
    // The reading answers through the event loop, which has not turned yet.
    EXPECT_EQ(veredicto(), QStringLiteral("Calculando el canal endémico de «casos.csv»..."));
    const QString esperado =
        QString::fromStdString("Semana 48 (29/11/2026 al 05/12/2026): " + casos + " casos, zona de ");
    ASSERT_TRUE(QTest::qWaitFor([&] { return veredicto().startsWith(esperado); }, 60000))
        << veredicto().toStdString();
    EXPECT_TRUE(mensajes.textos.empty());
    const Dibujo& dibujo = hijo<GraficoQt>("picCanal")->dibujo();
    EXPECT_FALSE(dibujo.vacio());
    const auto titulo = std::find_if(dibujo.formas().begin(), dibujo.formas().end(),
                                     [](const Dibujo::Forma& f) { return f.texto == "Canal endémico 2026"; });
    EXPECT_NE(titulo, dibujo.formas().end());
    // On screen: the chart is not all white.
    const QImage imagen = hijo<GraficoQt>("picCanal")->grab().toImage();
    int blancos = 0;
    for (int y = 0; y < imagen.height(); y += 4)
        for (int x = 0; x < imagen.width(); x += 4) blancos += imagen.pixelColor(x, y) == Qt::white ? 1 : 0;
    EXPECT_LT(blancos, (imagen.height() / 4) * (imagen.width() / 4) * 9 / 10);

    // Printed: one landscape page naming the year.
    QTest::mouseClick(hijo<QPushButton>("cmdPrint"), Qt::LeftButton);
    EXPECT_THAT(mensajes.textos, ElementsAre(textoConfirmacionCanal(2026)));
    const prueba::PaginaPdf pagina = prueba::leerPagina(pdf);
    EXPECT_EQ(prueba::paginasPdf(pdf), 1);
    EXPECT_GT(pagina.ancho, pagina.alto);
    QStringList palabras;
    for (const prueba::Renglon& r : pagina.renglones) palabras += r.textos();
    EXPECT_TRUE(palabras.join(' ').contains(QStringLiteral("Canal endémico 2026")));

    // Saved as PNG, the second kind offered.
    const QString png = carpeta.filePath(QStringLiteral("canal.png"));
    dialogos.guardarResponde.push_back(Dialogos::Eleccion{png.toStdString(), 1});
    QTest::mouseClick(hijo<QPushButton>("cmdGuardar"), Qt::LeftButton);
    ASSERT_EQ(dialogos.preguntas.size(), 1u);
    EXPECT_THAT(dialogos.preguntas[0].tipos, ElementsAre("*.svg", "*.png"));
    QImageReader lector(png, "png");
    lector.setAutoDetectImageFormat(false);
    EXPECT_EQ(lector.read().size(), tamanioPng(dibujo));
}

}  // namespace
}  // namespace tarvolo
