// The endemic channel's window, offscreen, on one list: the time from
// pressing Mostrar to the verdict in its label and the chart painted.
//   canal_mostrar LISTA
// Prints "<milliseconds> <verdict>".

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "calendar/reloj.h"
#include "qt/aplicacion.h"
#include "qt/dialogos_qt.h"
#include "qt/hilo_ventanas_qt.h"
#include "qt/lanzador_qt.h"
#include "qt/lienzo_qt.h"
#include "qt/pantalla_qt.h"
#include "servicios/servicios.h"
#include "windows/ventanas_programa.h"

namespace tarvolo {
namespace {

// A message is a failure here: the list could not be read.
class MensajesDeError final : public Mensajes {
public:
    void mostrar(std::string_view texto) override {
        std::cerr << "canal_mostrar: " << texto << '\n';
        std::exit(1);
    }
};

// The windows' thread, told after each task it ran: the verdict arrives in
// one, and is seen there without polling.
class HiloObservado final : public HiloVentanas {
public:
    void enviar(std::function<void()> tarea) override {
        qt_.enviar([this, tarea = std::move(tarea)] {
            tarea();
            if (despues) despues();
        });
    }
    std::function<void()> despues;

private:
    HiloVentanasQt qt_;
};

int medir(int& argc, char** argv) {
    QApplication app(argc, argv);
    prepararAplicacion(app);
    RelojSistema reloj;
    MensajesDeError mensajes;
    PantallaQt pantalla(reloj);
    Ventanas ventanas(pantalla);
    Servicios servicios{ventanas, mensajes, reloj};
    const std::unique_ptr<Registro> registro = registroDelSistema();
    LanzadorQt lanzador;
    DialogosQt dialogos;
    HiloObservado hilo;
    VentanasDelPrograma programa(
        servicios, [] { return std::unique_ptr<Impresora>(); }, *registro, lanzador,
        ServiciosCanal{dialogos, hilo, pngDeDibujo});

    QWidget* ventana = PantallaQt::widget(ventanas.mostrar("frmCanal")->ventana());
    ventana->findChild<QLineEdit*>(QStringLiteral("txtArchivo"))->setText(QString::fromLocal8Bit(argv[1]));
    const auto* veredicto = ventana->findChild<QLabel*>(QStringLiteral("lblVeredicto"));
    auto* mostrar = ventana->findChild<QPushButton*>(QStringLiteral("cmdMostrar"));

    QElapsedTimer cronometro;
    qint64 ms = -1;
    QString visto;
    hilo.despues = [&] {
        const QString t = veredicto->text();
        if (!t.startsWith(QStringLiteral("Semana ")) && !t.startsWith(QStringLiteral("Sin casos"))) return;
        ventana->repaint();  // the chart on the screen too
        ms = cronometro.elapsed();
        visto = t;
        QApplication::exit(0);
    };
    QTimer::singleShot(0, ventana, [&] {
        cronometro.start();
        mostrar->click();
    });
    QApplication::exec();
    std::cout << ms << ' ' << visto.toStdString() << '\n';
    ventanas.descargarTodas();
    return ms < 0 ? 1 : 0;
}

}  // namespace
}  // namespace tarvolo

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: canal_mostrar LISTA\n";
        return 2;
    }
    return tarvolo::medir(argc, argv);
}
