#pragma once

#include <string>

#include "servicios/formulario.h"

namespace tarvolo::prueba {

// A stand-in form for the tests of the routing: a window with no controls
// that counts its loads and the runs of its unload handlers.
class FormularioSimple final : public Formulario {
public:
    struct Cuentas {
        int cargas = 0;
        int descargas = 0;
    };

    FormularioSimple(std::string nombre, Cuentas& cuentas, Marco marco = Marco::Redimensionable)
        : nombre_(std::move(nombre)), cuentas_(cuentas) {
        diseno_.nombre = nombre_;
        diseno_.titulo = nombre_;
        diseno_.marco = marco;
    }
    FormularioSimple(const FormularioSimple&) = delete;
    FormularioSimple& operator=(const FormularioSimple&) = delete;

    const DisenoVentana& diseno() const override { return diseno_; }
    void Form_Load() override { ++cuentas_.cargas; }
    void Form_Unload() override { ++cuentas_.descargas; }
    void alEvento(std::string_view, Evento) override {}

private:
    std::string nombre_;
    DisenoVentana diseno_;
    Cuentas& cuentas_;
};

}  // namespace tarvolo::prueba
