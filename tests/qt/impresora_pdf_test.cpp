#include "qt/impresora_pdf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include "falsos/mensajes_grabados.h"
#include "pdf.h"
#include "qstring_gtest.h"
#include "tables/tablas.h"
#include "windows/impresion/imprimir_listado.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using prueba::PaginaPdf;
using prueba::Renglon;
using ::testing::ElementsAre;

const Fecha kHoy = 2024y / March / 15;

class PaginaImpresa : public ::testing::Test {
protected:
    // Prints the listing to a PDF file and returns the file's name.
    QString imprimir(const QString& listado) {
        archivo = carpeta.filePath(QStringLiteral("listado.pdf"));
        ImpresoraPdf impresora(archivo);
        imprimirListado(impresora, mensajes, listado.toStdString(), "Cuatrisemanas", "2005");
        return archivo;
    }

    // The printable area of a PDF printer left at its defaults, in points.
    static QRectF areaImprimible() {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        const QPageLayout hoja = impresora.pageLayout();
        return hoja.paintRect(QPageLayout::Point);
    }

    QTemporaryDir carpeta;
    QString archivo;
    MensajesGrabados mensajes;
};

TEST_F(PaginaImpresa, UnaPaginaConElListadoCentradoYElPieDebajo) {
    const QString listado = QString::fromStdString(ListadoCuatrisemanas("2005", kHoy));
    imprimir(listado);
    ASSERT_THAT(mensajes.textos, ElementsAre("Las Cuatrisemanas Epidemiológicas del año 2005\r\n"
                                             "han sido enviadas a su impresora."));
    EXPECT_EQ(prueba::paginasPdf(archivo), 1);

    const PaginaPdf pagina = prueba::leerPagina(archivo);
    // Title, 13 rows and the footer; the empty lines carry no words.
    ASSERT_EQ(pagina.renglones.size(), 15);
    const Renglon& titulo = pagina.renglones.front();
    const Renglon& ultimaFila = pagina.renglones[13];
    const Renglon& pie = pagina.renglones.back();
    EXPECT_THAT(titulo.textos(), ElementsAre("CUATRISEMANAS", "EPIDEMIOLÓGICAS", "DEL", "2005"));
    EXPECT_THAT(pagina.renglones[1].textos(),
                ElementsAre("Cuatrisemana", "1", "del", "02/01/2005", "al", "29/01/2005"));
    EXPECT_THAT(pie.textos(), ElementsAre("Tarvolo", "Versión", "1.3.2", "-", "Ordalen", "-", "Brevanto", "-",
                                          "Castmara."));

    const QRectF area = areaImprimible();
    // Footer: centred across the printable area, under the last row with
    // one empty line between (the listing ends with a line break).
    EXPECT_NEAR((pie.izquierda() + pie.derecha()) / 2, area.center().x(), 1.5);
    const double paso = (ultimaFila.arriba() - titulo.arriba()) / 14;  // title is line 0, last row line 14
    EXPECT_GT(pie.arriba(), ultimaFila.abajo() + paso * 0.5);
    EXPECT_LT(pie.arriba(), ultimaFila.abajo() + paso * 2.0);

    // Listing: 16 lines (15 line breaks), their middle on the middle of the area.
    EXPECT_NEAR(titulo.arriba() + 8 * paso, area.center().y(), 2.0);
    // It starts at the left edge of the printable area, after 36 spaces.
    EXPECT_GT(titulo.izquierda(), area.left());
}

TEST_F(PaginaImpresa, UnListadoMasAltoQueLaPaginaQuedaEnUnaPagina) {
    QString listado;
    for (int i = 1; i <= 200; ++i) listado += QStringLiteral("fila %1\r\n").arg(i);
    imprimir(listado);
    ASSERT_EQ(mensajes.textos.size(), 1u);
    EXPECT_TRUE(mensajes.textos[0].starts_with("Las Cuatrisemanas"));
    EXPECT_EQ(prueba::paginasPdf(archivo), 1);
}

TEST_F(PaginaImpresa, UnaCarpetaQueNoExisteEsUnProblemaDeImpresion) {
    ImpresoraPdf impresora(carpeta.filePath(QStringLiteral("no/existe/listado.pdf")));
    imprimirListado(impresora, mensajes, "Text1", "Semanas", "2005");
    EXPECT_THAT(mensajes.textos, ElementsAre("Hubo un problema al imprimir."));
}

}  // namespace
}  // namespace tarvolo
