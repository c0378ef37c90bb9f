#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <string_view>

class QMenuBar;
class QWidget;

namespace tarvolo {

struct Letra;

// Layout helpers for the windows, which are laid out in twips (1/1440 inch)
// like the forms they were designed as.

// Twips to pixels at the screen's resolution in x.
int pixeles(const QWidget* w, int twips);

// Places a control at left, top, width, height given in twips.
void colocar(QWidget* control, int izquierda, int arriba, int ancho, int alto);

// A white, opaque background.
void fondoBlanco(QWidget* w);

// The interface font the windows were laid out for, 8.25-point sans-serif:
// their labels have fixed sizes, which a desktop's larger default overflows.
QFont fuenteDeInterfaz();

// A designed font; its face falls back to any sans-serif.
QFont fuente(const Letra& letra);

// The window's frame: caption, program icon, a title bar with the close box
// only, and no task-bar button when `enBarraDeTareas` is false.
void prepararMarco(QWidget* ventana, const QString& titulo, bool enBarraDeTareas = true);

// Puts `barra` above an inner area of the given size in twips and returns
// that area, which is where the controls go. Resizing the window moves no
// control.
QWidget* areaBajoMenu(QWidget* ventana, QMenuBar* barra, int ancho, int alto);

// Centres the window, at its current size, on the screen it belongs to.
void centrarEnPantalla(QWidget* ventana);

// UTF-8 in and out of Qt, with the line ends each side uses: Qt breaks lines
// at LF and would draw the CR of each CR LF as a stray blank; the program
// speaks CR LF.
QString aQt(std::string_view texto);
std::string deQt(const QString& texto);

}  // namespace tarvolo
