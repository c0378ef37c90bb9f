#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

namespace tarvolo {

// The sides, in pixels, drawn for the tray: 16 to 32 and twice that for
// high-resolution screens.
inline constexpr std::array<int, 7> kLadosIconoSemana = {16, 20, 22, 24, 32, 48, 64};

// The program's picture with the week number on a dark badge edged in white,
// so that it reads on light and dark panels alike. The same week gives the
// same icon object, so a year of weeks makes at most 53 of them.
QIcon iconoDeSemana(int semana);

// One side of it.
QPixmap pixmapDeSemana(int semana, int lado);

}  // namespace tarvolo
