#include "ventanas.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <iterator>
#include <utility>

namespace tarvolo {

// A loaded form, its window, and the receiver of that window's events.
struct Ventanas::Cargada final : ReceptorEventos {
    Cargada(Ventanas& v, std::string_view n, std::unique_ptr<Formulario> f)
        : ventanas(v), nombre(n), formulario(std::move(f)) {}

    void evento(std::string_view control, Evento e) override {
        if (!descargada) ventanas.entregar(*this, control, e);
    }
    void cerrar() override {
        if (!descargada) ventanas.descargar(nombre);
    }

    Ventanas& ventanas;
    std::string nombre;
    std::unique_ptr<Formulario> formulario;
    std::unique_ptr<Ventana> ventana;  // goes before the form
    bool descargada = false;
};

// Counts a call under way; the last one out discards what was unloaded
// meanwhile, when no handler of it can still be running.
class Ventanas::Guardia {
public:
    explicit Guardia(Ventanas& v) : v_(v) { ++v_.enCurso_; }
    ~Guardia() {
        if (--v_.enCurso_ == 0) v_.alSalirDelUltimoEvento();
    }
    Guardia(const Guardia&) = delete;
    Guardia& operator=(const Guardia&) = delete;

private:
    Ventanas& v_;
};

namespace {

// A name nobody registered is the program's slip, never the user's: it stops
// a debug build at once and leaves a line in the log of a release one.
void avisarSinRegistrar(std::string_view nombre) {
    std::fprintf(stderr, "Ventanas: no window is registered as \"%.*s\"\n", static_cast<int>(nombre.size()),
                 nombre.data());
    assert(!"a window name nobody registered");
}

}  // namespace

Ventanas::Ventanas(Pantalla& pantalla) : pantalla_(pantalla) {}

Ventanas::~Ventanas() {
    ++enCurso_;  // discarded here, not from a guard
    descargarTodas();
    porDescartar_.clear();
}

void Ventanas::registrar(std::string_view nombre, Fabrica fabrica) {
    const auto it =
        std::find_if(fabricas_.begin(), fabricas_.end(), [&](const auto& f) { return f.first == nombre; });
    if (it != fabricas_.end())
        it->second = std::move(fabrica);
    else
        fabricas_.emplace_back(nombre, std::move(fabrica));
}

Ventanas::Cargada* Ventanas::buscar(std::string_view nombre) const {
    const auto it =
        std::find_if(cargadas_.begin(), cargadas_.end(), [&](const auto& c) { return c->nombre == nombre; });
    return it == cargadas_.end() ? nullptr : it->get();
}

Formulario* Ventanas::abierta(std::string_view nombre) const {
    const Cargada* c = buscar(nombre);
    return c == nullptr ? nullptr : c->formulario.get();
}

Formulario* Ventanas::mostrar(std::string_view nombre) {
    const Guardia guardia(*this);
    if (Cargada* abierta = buscar(nombre)) {
        abierta->ventana->mostrar();
        return abierta->formulario.get();
    }
    const auto fabrica =
        std::find_if(fabricas_.begin(), fabricas_.end(), [&](const auto& f) { return f.first == nombre; });
    if (fabrica == fabricas_.end()) {
        avisarSinRegistrar(nombre);
        return nullptr;
    }
    auto nueva = std::make_unique<Cargada>(*this, nombre, fabrica->second());
    nueva->ventana = pantalla_.crear(nueva->formulario->diseno(), *nueva);
    nueva->formulario->ventana_ = nueva->ventana.get();
    Cargada& cargada = *cargadas_.emplace_back(std::move(nueva));
    cargada.formulario->Form_Load();
    // Its own load may have unloaded it again.
    if (cargada.descargada) return nullptr;
    cargada.ventana->mostrar();
    return cargada.formulario.get();
}

std::unique_ptr<Ventanas::Cargada> Ventanas::quitar(std::string_view nombre) {
    const auto it =
        std::find_if(cargadas_.begin(), cargadas_.end(), [&](const auto& c) { return c->nombre == nombre; });
    if (it == cargadas_.end()) return nullptr;
    std::unique_ptr<Cargada> quitada = std::move(*it);
    cargadas_.erase(it);
    quitada->descargada = true;
    return quitada;
}

void Ventanas::descargar(std::string_view nombre) {
    const Guardia guardia(*this);
    std::unique_ptr<Cargada> quitada = quitar(nombre);
    if (!quitada) return;
    // Not loaded any more while its handlers run: an unload of everything
    // from them (the end of the program) finds it gone already.
    quitada->formulario->Form_QueryUnload();
    quitada->formulario->Form_Unload();
    porDescartar_.push_back(std::move(quitada));
    if (fin_ && std::none_of(cargadas_.begin(), cargadas_.end(),
                             [](const auto& c) { return c->formulario->diseno().marco != Marco::Oculto; }))
        std::exchange(fin_, {})();
}

void Ventanas::cambiar(std::string_view propia, std::string_view otra) {
    const Guardia guardia(*this);
    descargar(propia);
    mostrar(otra);
}

void Ventanas::descargarTodas() {
    const Guardia guardia(*this);
    for (auto& c : cargadas_) c->descargada = true;
    std::move(cargadas_.begin(), cargadas_.end(), std::back_inserter(porDescartar_));
    cargadas_.clear();
}

void Ventanas::terminarConLaUltima(std::function<void()> fin) {
    fin_ = std::move(fin);
}

void Ventanas::entregar(Cargada& cargada, std::string_view control, Evento evento) {
    const Guardia guardia(*this);
    cargada.formulario->alEvento(control, evento);
}

void Ventanas::alSalirDelUltimoEvento() {
    // Discarding a window may bring one more event (a back end's own
    // goodbye); it finds its form marked unloaded and is dropped.
    ++enCurso_;
    while (!porDescartar_.empty()) {
        auto descartadas = std::exchange(porDescartar_, {});
        for (auto& c : descartadas) c->ventana.reset();
    }
    --enCurso_;
}

}  // namespace tarvolo
