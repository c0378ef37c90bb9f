#pragma once

#include <string>

#include "canal.h"
#include "servicios/lienzo.h"

namespace tarvolo {

// The chart of an endemic channel: the four zones as filled bands, the
// year's cases as a line with points, week numbers below, a title with the
// method and the history's years, and a legend. Drawn once, here, on any
// Lienzo.

inline constexpr int kAnchoGrafico = 14400;  // 10 inches
inline constexpr int kAltoGrafico = 8640;    // 6 inches

// "Canal endémico 2025".
std::string tituloCanal(const Canal& canal);

// The chart, within kAnchoGrafico x kAltoGrafico twips from the top left
// corner of `lienzo`.
void dibujarCanal(Lienzo& lienzo, const Canal& canal);

// The chart as an SVG 1.1 document.
std::string svgCanal(const Canal& canal);

}  // namespace tarvolo
