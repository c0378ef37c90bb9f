#include "pantalla_grabada.h"

#include <algorithm>
#include <stdexcept>

#include "calendar/error_ejecucion.h"

namespace tarvolo::prueba {

namespace {

// A misspelt control name in a test or a form is a slip to stop at.
[[noreturn]] void sinControl(std::string_view nombre) {
    throw std::logic_error("no control named \"" + std::string(nombre) + "\"");
}

bool esCaja(Clase c) {
    return c == Clase::Caja || c == Clase::Texto;
}

}  // namespace

void CalendarioGrabado::fijarValor(const Fecha& fecha) {
    if (rechaza && rechaza(fecha)) throw ErrorEjecucion(kValorNoValido, kTextoValorNoValido);
    valor_ = fecha;
    fijados.push_back(fecha);
}

void CalendarioGrabado::irAHoy() {
    valor_ = reloj_.hoy();
    ++vecesHoy;
}

VentanaGrabada::VentanaGrabada(const DisenoVentana& diseno, ReceptorEventos& receptor, const Reloj& reloj,
                               std::function<void(VentanaGrabada&)> alCerrar)
    : diseno_(diseno), receptor_(receptor), alCerrar_(std::move(alCerrar)), titulo_(diseno.titulo) {
    static std::uint32_t siguiente = 0x100;
    identificador_ = ++siguiente;
    for (const Control& c : diseno_.controles) {
        estados_[std::string(c.nombre)] = {.texto = std::string(c.texto),
                                           .corriendo = c.clase == Clase::Temporizador};
        if (c.clase == Clase::Calendario)
            calendarios_.emplace(c.nombre, std::make_unique<CalendarioGrabado>(reloj));
    }
}

VentanaGrabada::~VentanaGrabada() {
    if (alCerrar_) alCerrar_(*this);
}

const Control& VentanaGrabada::control(std::string_view nombre) const {
    const auto it = std::find_if(diseno_.controles.begin(), diseno_.controles.end(),
                                 [&](const Control& c) { return c.nombre == nombre; });
    if (it == diseno_.controles.end()) sinControl(nombre);
    return *it;
}

VentanaGrabada::Estado& VentanaGrabada::estado(std::string_view nombre) {
    const auto it = estados_.find(nombre);
    if (it == estados_.end()) sinControl(nombre);
    return it->second;
}

const VentanaGrabada::Estado& VentanaGrabada::estado(std::string_view nombre) const {
    const auto it = estados_.find(nombre);
    if (it == estados_.end()) sinControl(nombre);
    return it->second;
}

std::string VentanaGrabada::texto(std::string_view nombre) const {
    return estado(nombre).texto;
}

void VentanaGrabada::fijarTexto(std::string_view nombre, std::string_view texto) {
    Estado& e = estado(nombre);
    if (e.texto == texto) return;
    e.texto = texto;
    e.todoSeleccionado = false;
    if (esCaja(control(nombre).clase)) receptor_.evento(nombre, Evento::Change);
}

void VentanaGrabada::seleccionarTodo(std::string_view nombre) {
    estado(nombre).todoSeleccionado = true;
}

void VentanaGrabada::detener(std::string_view temporizador) {
    estado(temporizador).corriendo = false;
}

Calendario& VentanaGrabada::calendario(std::string_view nombre) {
    return calendarioGrabado(nombre);
}

void VentanaGrabada::fijarDibujo(std::string_view nombre, const Dibujo& dibujo) {
    if (control(nombre).clase != Clase::Grafico) sinControl(nombre);
    dibujos_.insert_or_assign(std::string(nombre), dibujo);
}

const Dibujo& VentanaGrabada::dibujo(std::string_view nombre) const {
    static const Dibujo kBlanco;
    const auto it = dibujos_.find(nombre);
    return it == dibujos_.end() ? kBlanco : it->second;
}

CalendarioGrabado& VentanaGrabada::calendarioGrabado(std::string_view nombre) {
    const auto it = calendarios_.find(nombre);
    if (it == calendarios_.end()) sinControl(nombre);
    return *it->second;
}

void VentanaGrabada::menuEmergente(std::string_view menu) {
    emergentes.emplace_back(menu);
    if (alEmerger) alEmerger(*this, menu);
}

void VentanaGrabada::escribir(std::string_view caja, std::string_view texto) {
    const Control& c = control(caja);
    if (!esCaja(c.clase) && c.clase != Clase::Combo) return;
    if ((c.estilo & kOculto) != 0U) return;
    fijarTexto(caja, texto);
}

void VentanaGrabada::teclear(std::string_view caja, std::string_view texto) {
    // One key a character: the first replaces the whole text.
    for (std::size_t fin = 1; fin <= texto.size(); ++fin) {
        if (fin < texto.size() && (static_cast<unsigned char>(texto[fin]) & 0xC0) == 0x80) continue;
        escribir(caja, texto.substr(0, fin));
    }
}

void VentanaGrabada::pulsar(std::string_view nombre) {
    const Clase clase = control(nombre).clase;
    if (clase == Clase::Boton || clase == Clase::Marco) receptor_.evento(nombre, Evento::Click);
}

bool VentanaGrabada::habilitada(std::string_view entrada) const {
    const auto it = std::find_if(diseno_.menus.begin(), diseno_.menus.end(),
                                 [&](const EntradaMenu& e) { return e.nombre == entrada; });
    if (it == diseno_.menus.end()) sinControl(entrada);
    return it->habilitada;
}

void VentanaGrabada::elegir(std::string_view entrada) {
    const auto it = std::find_if(diseno_.menus.begin(), diseno_.menus.end(),
                                 [&](const EntradaMenu& e) { return e.nombre == entrada; });
    if (it == diseno_.menus.end()) sinControl(entrada);
    const bool abreItems = std::next(it) != diseno_.menus.end() && std::next(it)->nivel > it->nivel;
    if (!it->habilitada || it->texto == "-" || abreItems) return;
    receptor_.evento(entrada, Evento::Click);
}

void VentanaGrabada::disparar(std::string_view temporizador) {
    if (estado(temporizador).corriendo) receptor_.evento(temporizador, Evento::Timer);
}

bool VentanaGrabada::todoSeleccionado(std::string_view caja) const {
    return estado(caja).todoSeleccionado;
}

bool VentanaGrabada::corriendo(std::string_view temporizador) const {
    return estado(temporizador).corriendo;
}

void VentanaGrabada::elegirDia(std::string_view calendario, const Fecha& dia) {
    calendarioGrabado(calendario).valor_ = dia;
    receptor_.evento(calendario, Evento::Click);
}

void VentanaGrabada::tecla(Tecla tecla) {
    if (diseno_.vistaPreviaTeclas) {
        receptor_.evento({}, Evento::KeyPress);
        return;
    }
    std::uint32_t boton = 0;
    if (tecla == Tecla::Enter) boton = kPredeterminado;
    if (tecla == Tecla::Esc) boton = kCancelar;
    if (boton == 0) return;
    for (const Control& c : diseno_.controles)
        if (c.clase == Clase::Boton && (c.estilo & boton) != 0U) return pulsar(c.nombre);
}

void VentanaGrabada::cerrarConElMarco() {
    receptor_.cerrar();
}

std::unique_ptr<Ventana> PantallaGrabada::crear(const DisenoVentana& diseno, ReceptorEventos& receptor) {
    auto ventana = std::make_unique<VentanaGrabada>(diseno, receptor, reloj_,
                                                    [this](VentanaGrabada& v) { std::erase(vivas_, &v); });
    for (const Control& c : diseno.controles)
        if (c.clase == Clase::Calendario) ventana->calendarioGrabado(c.nombre).rechaza = calendariosRechazan;
    creadas.emplace_back(diseno.nombre);
    vivas_.push_back(ventana.get());
    return ventana;
}

VentanaGrabada* PantallaGrabada::ventana(std::string_view nombre) const {
    const auto it = std::find_if(vivas_.begin(), vivas_.end(),
                                 [&](const VentanaGrabada* v) { return v->diseno().nombre == nombre; });
    return it == vivas_.end() ? nullptr : *it;
}

}  // namespace tarvolo::prueba
