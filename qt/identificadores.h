#pragma once

#include <QIcon>
#include <QObject>
#include <cstdint>

namespace tarvolo {

// The record names the owner window and its icon by 32-bit handles, as the
// platform's own record does. These give such handles to Qt objects and turn
// them back, so a back end needs nothing but the record. 0 is "none".
std::uint32_t identificadorDeVentana(const QObject* ventana);
std::uint32_t identificadorDeIcono(const QIcon& icono);
// A null icon for 0 or an unknown handle.
QIcon iconoDeIdentificador(std::uint32_t identificador);

}  // namespace tarvolo
