// Drawings on Qt: the chart's shapes as QPainter receives them against the
// shapes recorded, the drawing control, the way back to the windows'
// thread, the printed drawing page and the PNG writer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextItem>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <numeric>
#include <thread>

#include "cli/canal.h"
#include "cli/grafico_canal.h"
#include "falsos/formas.h"
#include "falsos/reloj_fijo.h"
#include "pdf.h"
#include "qt/grafico_qt.h"
#include "qt/hilo_ventanas_qt.h"
#include "qt/impresora_pdf.h"
#include "qt/lienzo_qt.h"
#include "qt/pantalla_qt.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using prueba::FormaVista;
using ::testing::IsEmpty;

// Wednesday 18 June 2025, in week 25.
const Fecha kHoy = 2025y / June / 18;

// Six years with 10 to 12 cases a week and 30 in week 20: the chart has
// every kind of shape and text alignment.
Canal canalDePrueba() {
    std::map<int, ConteoAnio> datos;
    for (int a = 2020; a <= 2025; ++a) {
        ConteoAnio c{.anio = a, .semanas = a == 2020 || a == 2025 ? 53 : 52};
        for (int s = 0; s < c.semanas; ++s) c.casos[static_cast<std::size_t>(s)] = 10 + a % 3;
        c.casos[19] = 30;
        datos[a] = c;
    }
    OpcionesCanal o;
    o.anio = 2025;
    return calcularCanal(datos, o, kHoy);
}

Dibujo dibujoDelCanal() {
    Dibujo d(kAnchoGrafico, kAltoGrafico);
    dibujarCanal(d, canalDePrueba());
    return d;
}

std::string utf8(const QString& s) {
    return s.toStdString();
}

Color colorDe(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// A paint engine that draws nothing and keeps what it was asked to draw, as
// the shapes' own terms: the painter hands it rectangles, polygons, lines
// and text items untouched, having every feature.
class MotorGrabador final : public QPaintEngine {
public:
    MotorGrabador() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++otras; }
    void drawPath(const QPainterPath&) override { ++otras; }
    void drawLines(const QLineF*, int) override { ++otras; }
    void drawEllipse(const QRectF&) override { ++otras; }
    void drawPoints(const QPointF*, int) override { ++otras; }

    void drawRects(const QRectF* rects, int cuantos) override {
        for (int i = 0; i < cuantos; ++i) {
            relleno();
            FormaVista f;
            f.puntos = {{rects[i].left(), rects[i].top()}, {rects[i].right(), rects[i].bottom()}};
            f.color = colorDe(painter()->brush().color());
            formas.push_back(std::move(f));
        }
    }

    void drawPolygon(const QPointF* puntos, int cuantos, PolygonDrawMode modo) override {
        FormaVista f;
        for (int i = 0; i < cuantos; ++i) f.puntos.emplace_back(puntos[i].x(), puntos[i].y());
        if (modo == PolylineMode) {
            const QPen pen = painter()->pen();
            if (pen.capStyle() != Qt::RoundCap || pen.joinStyle() != Qt::RoundJoin ||
                painter()->brush().style() != Qt::NoBrush)
                ++sinRedondear;
            f.tipo = Dibujo::Tipo::Linea;
            f.color = colorDe(pen.color());
            f.grosor = pen.widthF();
        } else {
            relleno();
            f.tipo = Dibujo::Tipo::Poligono;
            f.color = colorDe(painter()->brush().color());
        }
        formas.push_back(std::move(f));
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFont letra = painter()->font();
        if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")) &&
            QFontInfo(item.font()).family() != QStringLiteral("DejaVu Sans"))
            ++otraCara;
        FormaVista f;
        f.tipo = Dibujo::Tipo::Texto;
        f.puntos = {{p.x(), p.y()}};
        f.color = colorDe(painter()->pen().color());
        f.texto = utf8(item.text());
        f.anchoTexto = item.width();
        f.tamanio = static_cast<double>(letra.pixelSize());
        f.negrita = letra.bold();
        formas.push_back(std::move(f));
    }

    std::vector<FormaVista> formas;
    int otras = 0;         // shapes the surface never draws
    int contornos = 0;     // filled shapes with an outline
    int sinRedondear = 0;  // lines without round ends and joins, or filled
    int otraCara = 0;      // texts not in DejaVu Sans where it is installed

private:
    void relleno() {
        if (painter()->pen().style() != Qt::NoPen) ++contornos;
    }
};

// A page of the given size in pixels at 96 dots per inch, drawn on a
// MotorGrabador.
class HojaGrabada final : public QPaintDevice {
public:
    HojaGrabada(int ancho, int alto) : ancho_(ancho), alto_(alto) {}
    ~HojaGrabada() override = default;
    QPaintEngine* paintEngine() const override { return &motor; }
    mutable MotorGrabador motor;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return ancho_;
            case PdmHeight:
                return alto_;
            case PdmWidthMM:
                return ancho_ * 254 / 960;
            case PdmHeightMM:
                return alto_ * 254 / 960;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    int ancho_, alto_;
};

// The chart fitted to an area of a page: wider than it, taller than it,
// and the same shape.
struct CasoEncaje {
    QRectF area;
    Encaje esperado;  // worked by hand from the chart's 14400 x 8640 twips
};

class FormasPintadas : public ::testing::TestWithParam<CasoEncaje> {};

TEST_P(FormasPintadas, SonLasDelDibujoUnaAUnaDentroDeUnPixel) {
    const Dibujo dibujo = dibujoDelCanal();
    HojaGrabada hoja(1200, 900);
    {
        QPainter pintor(&hoja);
        pintarDibujo(pintor, dibujo, GetParam().area);
    }
    const MotorGrabador& m = hoja.motor;
    EXPECT_THAT(prueba::diferencias(dibujo, GetParam().esperado, m.formas, 1.0), IsEmpty());
    EXPECT_EQ(m.otras, 0);
    EXPECT_EQ(m.contornos, 0);
    EXPECT_EQ(m.sinRedondear, 0);
    EXPECT_EQ(m.otraCara, 0);
}

INSTANTIATE_TEST_SUITE_P(Areas, FormasPintadas,
                         ::testing::Values(CasoEncaje{QRectF(0, 0, 960, 576), {1.0 / 15, 0, 0}},
                                           // 900 wide: 1/16, 540 high, centred in 700 from 20.
                                           CasoEncaje{QRectF(10, 20, 900, 700), {1.0 / 16, 10, 100}},
                                           // 540 high: 1/16, 900 wide, centred in 1200.
                                           CasoEncaje{QRectF(0, 0, 1200, 540), {1.0 / 16, 150, 0}}));

TEST(FormasPintadas, LaComparacionVeUnaFormaDistinta) {
    // The same drawing with one colour, one vertex and one text changed is
    // caught as three differences.
    const Dibujo dibujo = dibujoDelCanal();
    HojaGrabada hoja(960, 576);
    {
        QPainter pintor(&hoja);
        pintarDibujo(pintor, dibujo, QRectF(0, 0, 960, 576));
    }
    std::vector<FormaVista> formas = hoja.motor.formas;
    auto buscar = [&](Dibujo::Tipo tipo) {
        return std::find_if(formas.begin(), formas.end(),
                            [tipo](const FormaVista& f) { return f.tipo == tipo; });
    };
    buscar(Dibujo::Tipo::Rectangulo)->color.r ^= 1;
    buscar(Dibujo::Tipo::Poligono)->puntos[1].second += 2;
    buscar(Dibujo::Tipo::Texto)->texto += "x";
    EXPECT_EQ(prueba::diferencias(dibujo, {1.0 / 15, 0, 0}, formas, 1.0).size(), 3u);
}

// ------------------------------------------------------------ the drawing control

class ReceptorMudo final : public ReceptorEventos {
public:
    void evento(std::string_view, Evento) override {}
    void cerrar() override {}
};

constexpr Control kSoloGrafico[] = {grafico("picDibujo", {0, 0, 3000, 3000})};
constexpr DisenoVentana kDisenoGrafico = ventana("frmGrafico", "Gráfico", {3000, 3000}, kSoloGrafico);

// A drawing twice as wide as tall, red all over.
Dibujo dibujoRojo() {
    Dibujo d(2000, 1000);
    d.rectangulo({0, 0}, 2000, 1000, {255, 0, 0});
    return d;
}

TEST(ControlGrafico, MuestraSuDibujoEncajadoSobreBlancoYVuelveABlanco) {
    RelojFijo reloj{kHoy};
    PantallaQt pantalla(reloj);
    ReceptorMudo receptor;
    const auto ventana = pantalla.crear(kDisenoGrafico, receptor);
    ventana->mostrar();
    auto* control = PantallaQt::widget(*ventana)->findChild<GraficoQt*>(QStringLiteral("picDibujo"));
    ASSERT_NE(control, nullptr);
    const auto pixel = [control](double x, double y) {
        const QImage imagen = control->grab().toImage();
        return imagen.pixelColor(static_cast<int>(x * (imagen.width() - 1)),
                                 static_cast<int>(y * (imagen.height() - 1)));
    };
    EXPECT_EQ(pixel(0.5, 0.5), QColor(Qt::white));

    ventana->fijarDibujo("picDibujo", dibujoRojo());
    // A square control: the drawing fills its width and the middle half of
    // its height.
    EXPECT_EQ(pixel(0.5, 0.5), QColor(Qt::red));
    EXPECT_EQ(pixel(0.02, 0.3), QColor(Qt::red));
    EXPECT_EQ(pixel(0.5, 0.1), QColor(Qt::white));
    EXPECT_EQ(pixel(0.5, 0.9), QColor(Qt::white));
    EXPECT_TRUE(control->dibujo() == dibujoRojo());

    ventana->fijarDibujo("picDibujo", Dibujo());
    EXPECT_EQ(pixel(0.5, 0.5), QColor(Qt::white));
    EXPECT_THROW(ventana->fijarDibujo("picOtro", dibujoRojo()), std::logic_error);
}

// ------------------------------------------------------------ the windows' thread

TEST(HiloVentanasQt, LasTareasDeOtroHiloLleganEnOrdenAlHiloDeLasVentanas) {
    HiloVentanasQt hilo;
    std::vector<int> hechas;
    std::atomic<int> fueraDeHilo = 0;
    QThread* const ventanas = QThread::currentThread();
    constexpr int kTareas = 200;
    std::thread otro([&] {
        for (int i = 0; i < kTareas; ++i)
            hilo.enviar([&, i] {
                if (QThread::currentThread() != ventanas) ++fueraDeHilo;
                hechas.push_back(i);
            });
    });
    otro.join();
    // Nothing runs until the windows' thread turns to its events.
    EXPECT_TRUE(hechas.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hechas.size() == kTareas; }));
    std::vector<int> enOrden(kTareas);
    std::iota(enOrden.begin(), enOrden.end(), 0);
    EXPECT_EQ(hechas, enOrden);
    EXPECT_EQ(fueraDeHilo, 0);
}

// ------------------------------------------------------------ printed and written

struct CasoPagina {
    int ancho, alto;
    bool apaisada;
};

class PaginaDibujada : public ::testing::TestWithParam<CasoPagina> {};

TEST_P(PaginaDibujada, UnaPaginaGiradaSiEsMasAnchoConElDibujo) {
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("dibujo.pdf"));
    // The chart at the drawing's top left corner, the rest of it white.
    Dibujo pagina(GetParam().ancho, GetParam().alto);
    pagina.incluir(dibujoDelCanal(), {0, 0}, 0.5);
    {
        ImpresoraPdf impresora(archivo);
        impresora.imprimirDibujo(pagina);
        impresora.finDocumento();
    }
    EXPECT_EQ(prueba::paginasPdf(archivo), 1);
    const prueba::PaginaPdf hoja = prueba::leerPagina(archivo);
    EXPECT_EQ(hoja.ancho > hoja.alto, GetParam().apaisada);
    QStringList palabras;
    for (const prueba::Renglon& r : hoja.renglones) palabras += r.textos();
    EXPECT_TRUE(palabras.join(' ').contains(QStringLiteral("Canal endémico 2025")))
        << palabras.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formas, PaginaDibujada,
                         ::testing::Values(CasoPagina{15000, 10000, true}, CasoPagina{10000, 15000, false}));

TEST(EscritorPng, SeLeeComoPngDelTamanioDelDibujoA192Ppp) {
    Dibujo d(1500, 750);  // 200 x 100 pixels
    d.rectangulo({750, 0}, 750, 750, {0, 0, 255});
    const std::string png = pngDeDibujo(d);
    QByteArray bytes(png.data(), static_cast<qsizetype>(png.size()));
    QBuffer buffer(&bytes);
    QImageReader lector(&buffer, "png");
    lector.setAutoDetectImageFormat(false);
    const QImage imagen = lector.read();
    ASSERT_FALSE(imagen.isNull()) << lector.errorString().toStdString();
    EXPECT_EQ(imagen.size(), QSize(200, 100));
    EXPECT_EQ(imagen.pixelColor(50, 50), QColor(Qt::white));
    EXPECT_EQ(imagen.pixelColor(150, 50), QColor(Qt::blue));
    EXPECT_NEAR(imagen.dotsPerMeterX(), 7559, 1);  // 192 per inch

    const QImage canal = QImage::fromData(QByteArray::fromStdString(pngDeDibujo(dibujoDelCanal())), "png");
    EXPECT_EQ(canal.size(), QSize(1920, 1152));
}

}  // namespace
}  // namespace tarvolo
