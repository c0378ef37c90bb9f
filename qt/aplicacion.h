#pragma once

#include <functional>

class QApplication;
class QCoreApplication;
class QGuiApplication;
class QObject;

namespace tarvolo {

// Everything the program sets on the application before its first window:
// name, version, font, icon, Qt's own texts in Spanish, windows that a screen
// reader announces as windows, and a small bound on the style's cache of
// drawn pictures.
void prepararAplicacion(QApplication& app);

// Calls `aviso` when the desktop ends the session (log-off, shut-down) and
// when the application is about to quit for any other reason; while
// `contexto` lives.
void alTerminarLaSesion(QGuiApplication& app, QObject* contexto, std::function<void()> aviso);

// Qt's standard buttons and dialogs ("Aceptar", not "OK") in Spanish, from
// the translations installed with Qt, whatever the user's locale: the whole
// interface is Spanish. False when they are not installed; Qt then speaks
// English and nothing else changes.
bool cargarTraduccionesDeQt(QCoreApplication& app);

// The program's windows are plain widgets, which Qt exposes to assistive
// technology as fillers; this makes every top-level one of them a window.
// Once per run, before the first window is looked at.
void exponerVentanasComoVentanas();

}  // namespace tarvolo
