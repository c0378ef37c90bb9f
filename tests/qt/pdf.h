#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvolo::prueba {

// One word of a PDF page as pdftotext -bbox places it, in points from the
// top left corner of the page.
struct Palabra {
    QString texto;
    double x0, y0, x1, y1;
};

// A line of words sharing their top edge, left to right.
struct Renglon {
    QList<Palabra> palabras;
    QStringList textos() const;
    double izquierda() const { return palabras.front().x0; }
    double derecha() const { return palabras.back().x1; }
    double arriba() const { return palabras.front().y0; }
    double abajo() const { return palabras.front().y1; }
};

struct PaginaPdf {
    double ancho = 0, alto = 0;
    QList<Renglon> renglones;  // top to bottom
};

// Runs a poppler tool and returns its standard output; fails the calling
// test (through the empty result and `error`) when the tool fails.
QString ejecutar(const QString& programa, const QStringList& argumentos, QString* error = nullptr);

int paginasPdf(const QString& archivo);

// The first page of the file, read with pdftotext -bbox.
PaginaPdf leerPagina(const QString& archivo);

}  // namespace tarvolo::prueba
