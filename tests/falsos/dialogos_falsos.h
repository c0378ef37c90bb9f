#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "servicios/dialogos.h"

namespace tarvolo::prueba {

// File dialogs that answer what the test lined up, in order, and remember
// what they were asked; with nothing lined up the user cancels.
class DialogosFalsos final : public Dialogos {
public:
    struct Pregunta {
        std::string titulo, propuesto;
        std::vector<std::string> tipos;  // the patterns offered
    };

    std::optional<std::string> abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) override {
        preguntas.push_back({std::string(titulo), {}, patrones(tipos)});
        return siguiente(abrirResponde);
    }
    std::optional<Eleccion> guardar(std::string_view titulo, std::string_view propuesto,
                                    std::span<const TipoArchivo> tipos) override {
        preguntas.push_back({std::string(titulo), std::string(propuesto), patrones(tipos)});
        return siguiente(guardarResponde);
    }

    std::deque<std::optional<std::string>> abrirResponde;
    std::deque<std::optional<Eleccion>> guardarResponde;
    std::vector<Pregunta> preguntas;

private:
    static std::vector<std::string> patrones(std::span<const TipoArchivo> tipos) {
        std::vector<std::string> p;
        for (const auto& t : tipos) p.emplace_back(t.patrones);
        return p;
    }
    template <typename T>
    static T siguiente(std::deque<T>& cola) {
        if (cola.empty()) return T{};
        T t = std::move(cola.front());
        cola.pop_front();
        return t;
    }
};

}  // namespace tarvolo::prueba
