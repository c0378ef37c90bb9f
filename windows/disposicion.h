#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QMenuBar;
class QWidget;

namespace tarvolo {

// Layout helpers shared by the windows, which are laid out in twips
// (1/1440 inch) like the forms they were designed as.

// Twips to pixels at the screen's resolution in x.
int pixeles(const QWidget* w, int twips);

// Places a control at left, top, width, height given in twips.
void colocar(QWidget* control, int izquierda, int arriba, int ancho, int alto);

// Names a control (its object name, which the tests and screen readers go
// by) and places it in twips.
void ubicar(QWidget* control, const char* nombre, int izquierda, int arriba, int ancho, int alto);

// A label with its name and text, placed in twips, in its parent's font.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, int izquierda, int arriba,
                 int ancho, int alto);

// The same label in the given font.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QFont& letra, int izquierda,
                 int arriba, int ancho, int alto);

// A label in the given font at left, top in twips, sized to its text.
QLabel* etiquetaAjustada(QWidget* padre, const char* nombre, const QString& texto, const QFont& letra,
                         int izquierda, int arriba);

// A picture from the resources: stretched to its place, or at its own size
// from the top left corner.
enum class Ajuste { Estirada, Natural };
QLabel* imagen(QWidget* padre, const char* nombre, const QString& recurso, Ajuste ajuste, int izquierda,
               int arriba, int ancho, int alto);

// A white, opaque background.
void fondoBlanco(QWidget* w);

// A font by family and points; the family falls back to any sans-serif.
QFont fuente(const QString& familia, qreal puntos, bool negrita = false);

// The window's frame: caption, program icon, a title bar with the close box
// only, and no task-bar button when `enBarraDeTareas` is false.
void prepararMarco(QWidget* ventana, const QString& titulo, bool enBarraDeTareas = true);

// Puts `barra` above an inner area of the given size in twips and returns
// that area, which is where the controls go. Resizing the window moves no
// control.
QWidget* areaBajoMenu(QWidget* ventana, QMenuBar* barra, int ancho, int alto);

// Centres the window, at its current size, on the screen it belongs to.
void centrarEnPantalla(QWidget* ventana);

}  // namespace tarvolo
