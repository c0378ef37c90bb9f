#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lector_csv.h"

namespace tarvolo {

// A cell or a name without the spaces and tabs around it.
std::string_view sinBlancos(std::string_view s) noexcept;

// Header names as users see them: unquoted, without surrounding blanks.
std::vector<std::string> nombresDe(const RegistroCsv& encabezado);

// The column named by `columna`: a header name (any case, blanks around
// ignored) or a 1-based number; empty, the first header holding "fecha".
std::optional<std::size_t> buscarColumna(const std::vector<std::string>& nombres, const std::string& columna);

// Why buscarColumna found nothing, with the columns there are.
std::string textoSinColumna(const std::string& columna, const std::vector<std::string>& nombres);

// "línea N: fecha no válida: «celda»", the cell on one line whatever it holds.
std::string textoFechaNoValida(long linea, std::string_view celda);

}  // namespace tarvolo
