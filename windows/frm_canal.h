#pragma once

#include <optional>
#include <string>

#include "cli/canal.h"
#include "servicios/impresora.h"
#include "servicios/trabajo_en_fondo.h"
#include "ventana_programa.h"
#include "ventanas_programa.h"

namespace tarvolo {

// "Canal endémico": the endemic channel of a case list or of contar's
// counts, computed as the companion computes it, on a thread of its own so
// that a long list freezes nothing; the chart, its verdict on the last week
// with cases, its printed page and its file.
class frmCanal final : public FormularioDe<frmCanal, VentanaPrograma> {
public:
    frmCanal(const Servicios& servicios, FabricaImpresora fabricaImpresora, ServiciosCanal canal);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdAbrir_Click();
    void cmdMostrar_Click();
    void cmdPrint_Click();
    void cmdGuardar_Click();
    void mnuSalir_Click() { descargarme(); }

    // Said while the list is read.
    static std::string textoCalculando(std::string_view archivo);
    static constexpr std::string_view kTextoSinCanal =
        "Elija un archivo de casos y pulse Mostrar para ver su canal endémico.";

private:
    // What the reading hands back to the windows' thread.
    struct Resultado {
        std::optional<Canal> canal;
        std::string error;
    };
    // Reads the options; throws the message for one that is not valid.
    OpcionesCanal opciones() const;
    void alTerminar(const Resultado& resultado);
    // The chart shown, or the message that there is none yet.
    const Canal* mostrado() const;

    FabricaImpresora fabricaImpresora_;
    ServiciosCanal serviciosCanal_;
    std::optional<Canal> canal_;
    std::string veredicto_;  // of the chart shown, to come back to after an error
    TrabajoEnFondo trabajo_;
};

}  // namespace tarvolo
