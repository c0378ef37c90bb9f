#include "aplicacion.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTranslator>
#include <QWidget>

#include "disposicion.h"
#include "estilo_compartido.h"
#include "recursos_qt.h"
#include "shell/programa.h"

namespace tarvolo {

namespace {

// The style keeps every button, box and frame it has drawn, per size and
// state, in the pixmap cache, which Qt lets grow to 10 MB: a resident
// program whose windows come and go all day would carry that as its largest
// cost. Its windows need a few hundred kilobytes of it.
constexpr int kCacheImagenesKb = 1024;

// Qt asks the factories about each class of an object, the most derived
// first, so a menu or a message box has found Qt's own interface before the
// question comes down to plain QWidget; what is left there is a window made
// straight from QWidget, as the program's windows are.
QAccessibleInterface* ventanaAccesible(const QString& clase, QObject* objeto) {
    auto* w = qobject_cast<QWidget*>(objeto);
    if (w == nullptr || !w->isWindow() || clase != QLatin1String("QWidget")) return nullptr;
    return new QAccessibleWidget(w, QAccessible::Window);
}

}  // namespace

bool cargarTraduccionesDeQt(QCoreApplication& app) {
    auto* traductor = new QTranslator(&app);
    if (!traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    QCoreApplication::installTranslator(traductor);
    return true;
}

void exponerVentanasComoVentanas() {
    static const bool instalada = [] {
        QAccessible::installFactory(ventanaAccesible);
        return true;
    }();
    (void)instalada;
}

void alTerminarLaSesion(QGuiApplication& app, QObject* contexto, std::function<void()> aviso) {
    QObject::connect(&app, &QGuiApplication::commitDataRequest, contexto, [aviso] { aviso(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, contexto, [aviso] { aviso(); });
}

void prepararAplicacion(QApplication& app) {
    QApplication::setApplicationName(aQt(kTituloPrograma));
    QApplication::setApplicationVersion(aQt(textoVersion()));
    QApplication::setFont(fuenteDeInterfaz());
    // The splash, the message boxes and every window carry the plain
    // picture; the tray icon gets its own, with the week on it.
    QApplication::setWindowIcon(iconoPrograma());
    // Closing a window never ends the program while the icon is there; frmIni
    // turns this back on when there is no notification area.
    QApplication::setQuitOnLastWindowClosed(false);
    cargarTraduccionesDeQt(app);
    exponerVentanasComoVentanas();
    QPixmapCache::setCacheLimit(kCacheImagenesKb);
    QApplication::setStyle(new EstiloCompartido);
}

}  // namespace tarvolo
