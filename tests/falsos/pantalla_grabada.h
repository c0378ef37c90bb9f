#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/reloj.h"
#include "servicios/ventana.h"

namespace tarvolo::prueba {

// A month calendar in memory: what it was set to, and a rule for the dates
// it refuses.
class CalendarioGrabado final : public Calendario {
public:
    explicit CalendarioGrabado(const Reloj& reloj) : reloj_(reloj) {}

    Fecha valor() const override { return valor_.value(); }
    void fijarValor(const Fecha& fecha) override;
    void irAHoy() override;

    std::optional<Fecha> valor_;
    std::vector<Fecha> fijados;  // every accepted assignment, in order
    int vecesHoy = 0;
    std::function<bool(const Fecha&)> rechaza;

private:
    const Reloj& reloj_;
};

// A form's window in memory, made with its design's values. The test reads
// it back and plays the user on it; the form's events arrive as a back end
// delivers them, one at a time and before the call returns.
class VentanaGrabada : public Ventana {
public:
    VentanaGrabada(const DisenoVentana& diseno, ReceptorEventos& receptor, const Reloj& reloj,
                   std::function<void(VentanaGrabada&)> alCerrar);
    ~VentanaGrabada() override;

    // What the form does.
    std::string texto(std::string_view control) const override;
    void fijarTexto(std::string_view control, std::string_view texto) override;
    void fijarTitulo(std::string_view titulo) override { titulo_ = titulo; }
    void seleccionarTodo(std::string_view control) override;
    void detener(std::string_view temporizador) override;
    Calendario& calendario(std::string_view control) override;
    void fijarDibujo(std::string_view control, const Dibujo& dibujo) override;
    void menuEmergente(std::string_view menu) override;
    void mostrar() override { ++vecesMostrada_; }
    std::uint32_t identificador() const override { return identificador_; }
    std::uint32_t identificadorIcono() const override { return kIconoPrograma; }

    // What the user does. Each runs what a back end would run, and nothing
    // for a control that is disabled, hidden or of the wrong kind.
    void escribir(std::string_view caja, std::string_view texto);  // the whole text at once
    void teclear(std::string_view caja, std::string_view texto);   // over the whole text, key by key
    void pulsar(std::string_view control);                         // a button, or a click on a frame
    void elegir(std::string_view entrada);                         // a menu entry
    void disparar(std::string_view temporizador);                  // its interval passed
    void elegirDia(std::string_view calendario, const Fecha& dia);
    enum class Tecla { Enter, Esc, Otra };
    void tecla(Tecla tecla);
    void cerrarConElMarco();

    // What it shows.
    const DisenoVentana& diseno() const { return diseno_; }
    const std::string& titulo() const { return titulo_; }
    int vecesMostrada() const { return vecesMostrada_; }
    bool habilitada(std::string_view entrada) const;
    bool todoSeleccionado(std::string_view caja) const;
    bool corriendo(std::string_view temporizador) const;
    const Control& control(std::string_view nombre) const;
    CalendarioGrabado& calendarioGrabado(std::string_view nombre);
    // What a drawing control shows (empty until the form draws on it).
    const Dibujo& dibujo(std::string_view control) const;
    // The menus popped up, in order.
    std::vector<std::string> emergentes;
    // What the user does with a menu that pops up (by default, nothing:
    // the menu closes).
    std::function<void(VentanaGrabada&, std::string_view)> alEmerger;

    static constexpr std::uint32_t kIconoPrograma = 7;

private:
    struct Estado {
        std::string texto;
        bool todoSeleccionado = false;
        bool corriendo = false;
    };
    Estado& estado(std::string_view control);
    const Estado& estado(std::string_view control) const;

    const DisenoVentana& diseno_;
    ReceptorEventos& receptor_;
    std::function<void(VentanaGrabada&)> alCerrar_;
    std::string titulo_;
    int vecesMostrada_ = 0;
    std::uint32_t identificador_;
    std::map<std::string, Estado, std::less<>> estados_;
    std::map<std::string, std::unique_ptr<CalendarioGrabado>, std::less<>> calendarios_;
    std::map<std::string, Dibujo, std::less<>> dibujos_;
};

// The hidden window that owns the tray icon, in the tray's own tests: its
// handles, and events that go nowhere.
struct NadieEscucha : ReceptorEventos {
    void evento(std::string_view, Evento) override {}
    void cerrar() override {}
};
inline constexpr DisenoVentana kDisenoPropietaria{
    .nombre = "frmIni", .titulo = "Tarvolo", .marco = Marco::Oculto};
class VentanaPropietaria final : private NadieEscucha, public VentanaGrabada {
public:
    explicit VentanaPropietaria(const Reloj& reloj) : VentanaGrabada(kDisenoPropietaria, *this, reloj, {}) {}
};

// A window system in memory.
class PantallaGrabada final : public Pantalla {
public:
    explicit PantallaGrabada(const Reloj& reloj) : reloj_(reloj) {}

    std::unique_ptr<Ventana> crear(const DisenoVentana& diseno, ReceptorEventos& receptor) override;

    // The window of the form of that name while it exists; null otherwise.
    VentanaGrabada* ventana(std::string_view nombre) const;
    // The names of the windows made, in order.
    std::vector<std::string> creadas;
    // Every calendar made refuses the dates this refuses.
    std::function<bool(const Fecha&)> calendariosRechazan;

private:
    const Reloj& reloj_;
    std::vector<VentanaGrabada*> vivas_;
};

}  // namespace tarvolo::prueba
