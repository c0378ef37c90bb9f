#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "entorno_ventanas.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "pdf.h"
#include "qstring_gtest.h"
#include "qt/impresora_qt.h"
#include "windows/frm_rango.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using ::testing::ElementsAre;

const QString kGuion = QStringLiteral(TARVOLO_FUENTES "/scripts/cups-pdf-printer.sh");

// The private print server of one test, stopped when the test ends.
class ServidorCups {
public:
    explicit ServidorCups(const QString& carpeta) : carpeta_(carpeta) {}
    ~ServidorCups() {
        if (arrancado_) QProcess::execute(QStringLiteral("bash"), {kGuion, QStringLiteral("stop"), carpeta_});
    }

    // Exit code of the script: 0 started, 3 cannot run on this machine.
    int arrancar(QString* salida, QString* error) {
        QProcess proceso;
        proceso.start(QStringLiteral("bash"), {kGuion, QStringLiteral("start"), carpeta_});
        proceso.waitForFinished(60000);
        arrancado_ = true;  // stop is harmless when nothing runs
        *salida = QString::fromUtf8(proceso.readAllStandardOutput());
        *error = QString::fromUtf8(proceso.readAllStandardError());
        return proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
    }

private:
    QString carpeta_;
    bool arrancado_ = false;
};

QString valor(const QString& salida, const QString& clave) {
    for (const QString& linea : salida.split(u'\n'))
        if (linea.startsWith(clave + u'=')) return linea.mid(clave.size() + 1);
    return {};
}

using Fechas = QHash<QString, QDateTime>;

Fechas pdfsEn(const QString& carpeta) {
    Fechas pdfs;
    for (const QFileInfo& f : QDir(carpeta).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        pdfs.insert(f.absoluteFilePath(), f.lastModified());
    return pdfs;
}

QStringList nuevos(const Fechas& antes, const Fechas& ahora) {
    QStringList lista;
    for (auto it = ahora.cbegin(); it != ahora.cend(); ++it)
        if (!antes.contains(it.key()) || antes.value(it.key()) != it.value()) lista.append(it.key());
    return lista;
}

bool quedanTrabajos(const QString& servidor) {
    QProcess lpstat;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("CUPS_SERVER"), servidor);
    lpstat.setProcessEnvironment(entorno);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    lpstat.waitForFinished(10000);
    return !lpstat.readAllStandardOutput().trimmed().isEmpty();
}

using ImpresionReal = prueba::EntornoVentanas;

TEST_F(ImpresionReal, ElBotonDeImprimirDejaUnPdfDeUnaPaginaEnLaColaPredeterminada) {
    QTemporaryDir carpeta(QDir::tempPath() + QStringLiteral("/tarvolo-cups-XXXXXX"));
    ASSERT_TRUE(carpeta.isValid());
    ServidorCups servidor(carpeta.path());
    QString salida, error;
    const int codigo = servidor.arrancar(&salida, &error);
    if (codigo == 3) GTEST_SKIP() << "sin servidor de impresión en esta máquina: " << error.toStdString();
    ASSERT_EQ(codigo, 0) << error.toStdString();
    const QString socket = valor(salida, QStringLiteral("CUPS_SERVER"));
    const QString destino = valor(salida, QStringLiteral("PDF_OUT"));
    ASSERT_FALSE(socket.isEmpty()) << salida.toStdString();
    ASSERT_FALSE(destino.isEmpty()) << salida.toStdString();

    // Only the private server is seen, its queue as the default.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("PRINTER", "TarvoloPDF");
    qunsetenv("LPDEST");
    const Fechas antes = pdfsEn(destino);

    reloj.fijar(2024y / March / 15);
    impresora = [] { return std::make_unique<ImpresoraQt>(); };
    QWidget* ventana = mostrar("frmRango");
    auto* txtAnio = ventana->findChild<QLineEdit*>(QStringLiteral("txtAnio"));
    txtAnio->selectAll();
    QTest::keyClicks(txtAnio, QStringLiteral("2005"));
    QTest::mouseClick(ventana->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    ASSERT_THAT(mensajes.textos,
                ElementsAre("Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."));

    // The job goes through the filters and cups-pdf: wait, within bounds,
    // until it has left the queue and its file is there.
    QStringList llegados;
    QElapsedTimer reloj60;
    reloj60.start();
    while (reloj60.elapsed() < 60000) {
        llegados = nuevos(antes, pdfsEn(destino));
        if (!llegados.isEmpty() && !quedanTrabajos(socket)) break;
        QThread::msleep(250);
    }
    ASSERT_EQ(llegados.size(), 1) << "en " << destino.toStdString() << ": "
                                  << llegados.join(u' ').toStdString();
    const QString pdf = llegados.front();
    EXPECT_EQ(prueba::paginasPdf(pdf), 1);

    const QString png = carpeta.filePath(QStringLiteral("pagina"));
    QString errorPpm;
    prueba::ejecutar(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                      QStringLiteral("-singlefile"), pdf, png},
                     &errorPpm);
    EXPECT_TRUE(QFileInfo(png + QStringLiteral(".png")).size() > 0) << errorPpm.toStdString();
    // Ghostscript's Type 3 fonts draw "Syntax Warning"s from poppler; errors are another thing.
    EXPECT_FALSE(errorPpm.contains(QStringLiteral("Error"))) << errorPpm.toStdString();
    EXPECT_TRUE(prueba::leerPagina(pdf).renglones.size() > 50);
}

}  // namespace
}  // namespace tarvolo
