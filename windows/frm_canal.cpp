#include "frm_canal.h"

#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "calendar/dias.h"
#include "canal/pagina_canal.h"
#include "cli/archivos.h"
#include "cli/argumentos.h"
#include "cli/columnas.h"
#include "cli/grafico_canal.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "tables/anio_tabla.h"

namespace tarvolo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCuartiles = "Cuartiles";
constexpr std::string_view kBortman = "Bortman";
constexpr std::string_view kMetodos[] = {kCuartiles, kBortman};

constexpr Control kControles[] = {
    etiqueta("lblArchivo", {240, 120, 4000, 255}, "Lista de casos o conteos"),
    caja("txtArchivo", {240, 360, 8280, 315}, "lblArchivo"),
    boton("cmdAbrir", {8640, 330, 1200, 375}, "Abrir..."),
    etiqueta("lblAnio", {240, 840, 735, 255}, "Año"),
    caja("txtAnio", {240, 1080, 735, 315}, "lblAnio"),
    etiqueta("lblHistoria", {1125, 840, 1400, 255}, "Historia (años)"),
    caja("txtHistoria", {1125, 1080, 735, 315}, "lblHistoria"),
    etiqueta("lblMetodo", {2640, 840, 1575, 255}, "Método"),
    combo("cboMetodo", {2640, 1080, 1575, 315}, kMetodos, "lblMetodo"),
    boton("cmdMostrar", {4365, 960, 1095, 495}, "&Mostrar", kPredeterminado),
    botonConImagen("cmdPrint", {5610, 960, 495, 495}, Imagen::Impresora, "Imprimir"),
    boton("cmdGuardar", {6255, 960, 1815, 495}, "Guardar gráfico..."),
    grafico("picCanal", {240, 1620, 9600, 5760}),
    etiqueta("lblVeredicto", {240, 7500, 9600, 255}),
};

// "Canal Endémico" is this window itself: shown, never chosen.
constexpr EntradaMenu kMenus[] = {
    menu("mnuArchivo", "&Archivo"),   item("mnuGuardar", "&Guardar gráfico..."),
    item("mnuImprimir", "&Imprimir"), item("mnuSep", "-"),
    item("mnuSalir", "&Salir"),       menu("mnuSem", "Semanas"),
    item("mnuActual", "Actual"),      item("mnuDia", "Por Día"),
    item("mnuAnio", "Por Año"),       item("mnuCanal", "Canal Endémico", false),
    menu("mnuAbout", "Acerca de..."),
};

constexpr std::string_view kOrdenTab[] = {"txtArchivo", "cmdAbrir",   "txtAnio",  "txtHistoria",
                                          "cboMetodo",  "cmdMostrar", "cmdPrint", "cmdGuardar"};

constexpr DisenoVentana kDiseno =
    fija(ventana(kFrmCanal, "Canal endémico", {10080, 7860}, kControles, kMenus, "txtArchivo", kOrdenTab));

using enum Evento;
const Manejador<frmCanal> kManejadores[] = {
    {"cmdAbrir", Click, &frmCanal::cmdAbrir_Click},    {"cmdMostrar", Click, &frmCanal::cmdMostrar_Click},
    {"cmdPrint", Click, &frmCanal::cmdPrint_Click},    {"cmdGuardar", Click, &frmCanal::cmdGuardar_Click},
    {"mnuImprimir", Click, &frmCanal::cmdPrint_Click}, {"mnuGuardar", Click, &frmCanal::cmdGuardar_Click},
    {"mnuSalir", Click, &frmCanal::mnuSalir_Click},    {"mnuActual", Click, &frmCanal::mnuActual_Click},
    {"mnuDia", Click, &frmCanal::mnuDia_Click},        {"mnuAnio", Click, &frmCanal::mnuAnio_Click},
    {"mnuAbout", Click, &frmCanal::mnuAbout_Click},
};

constexpr TipoArchivo kTiposLista[] = {{"Listas y conteos", "*.csv;*.txt"}, {"Todos los archivos", "*"}};
constexpr TipoArchivo kTipoSvg{"Gráfico SVG", "*.svg"};
constexpr TipoArchivo kTipoPng{"Imagen PNG", "*.png"};

}  // namespace

frmCanal::frmCanal(const Servicios& servicios, FabricaImpresora fabricaImpresora, ServiciosCanal canal)
    : FormularioDe(kDiseno, kManejadores, servicios),
      fabricaImpresora_(std::move(fabricaImpresora)),
      serviciosCanal_(std::move(canal)),
      trabajo_(serviciosCanal_.hilo) {}

std::string frmCanal::textoCalculando(std::string_view archivo) {
    return "Calculando el canal endémico de «" + textoRuta(rutaUtf8(archivo).filename()) + "»...";
}

void frmCanal::Form_Load() {
    atrapar(servicios_.mensajes, [this] {
        const int anio = semanaDe(Dias{servicios_.reloj.hoy()}).anio;
        fijarTexto("txtAnio", std::to_string(anio));
        fijarTexto("txtHistoria", std::to_string(OpcionesCanal{}.historia));
        fijarTexto("cboMetodo", kCuartiles);
    });
}

void frmCanal::Form_Unload() {
    // Nothing of the reading outlives the window: it stops between records.
    trabajo_.abandonar();
}

void frmCanal::cmdAbrir_Click() {
    atrapar(servicios_.mensajes, [this] {
        if (const auto ruta = serviciosCanal_.dialogos.abrir("Abrir lista de casos", kTiposLista))
            fijarTexto("txtArchivo", *ruta);
    });
}

OpcionesCanal frmCanal::opciones() const {
    OpcionesCanal o;
    const std::string anio(sinBlancos(texto("txtAnio")));
    o.anio = leerEntero(anio, kPrimerAnioTabla, kUltimoAnioTabla);
    if (!o.anio)
        throw std::runtime_error("año no válido: «" + anio + "» (de " + std::to_string(kPrimerAnioTabla) +
                                 " a " + std::to_string(kUltimoAnioTabla) + ")");
    const std::string historia(sinBlancos(texto("txtHistoria")));
    const auto n = leerEntero(historia, kHistoriaMinima, kHistoriaMaxima);
    if (!n)
        throw std::runtime_error("la historia va de " + std::to_string(kHistoriaMinima) + " a " +
                                 std::to_string(kHistoriaMaxima) + " años: «" + historia + "»");
    o.historia = *n;
    const std::string metodo = texto("cboMetodo");
    if (metodo == kCuartiles) {
        o.metodo = Metodo::kCuartiles;
    } else if (metodo == kBortman) {
        o.metodo = Metodo::kBortman;
    } else {
        throw std::runtime_error("método desconocido: «" + metodo + "» (Cuartiles o Bortman)");
    }
    return o;
}

void frmCanal::cmdMostrar_Click() {
    atrapar(servicios_.mensajes, [this] {
        const std::string archivo(sinBlancos(texto("txtArchivo")));
        if (archivo.empty()) throw std::runtime_error(std::string(kTextoSinCanal));
        const OpcionesCanal o = opciones();
        const Fecha hoy = servicios_.reloj.hoy();
        auto resultado = std::make_shared<Resultado>();
        fijarTexto("lblVeredicto", textoCalculando(archivo));
        trabajo_.empezar(
            [archivo, o, hoy, resultado](const std::atomic<bool>& abandonado) {
                try {
                    std::istringstream nada;
                    Entrada entrada(archivo, nada);
                    Seguimiento seguimiento;
                    seguimiento.cancelar = [&abandonado] { return abandonado.load(); };
                    resultado->canal = calcularCanal(entrada.fuente(), o, hoy, seguimiento);
                } catch (const Cancelado&) {
                    // The window went; nobody is waiting for an answer.
                } catch (const std::exception& e) {
                    resultado->error = e.what();
                }
            },
            [this, resultado] { alTerminar(*resultado); });
    });
}

void frmCanal::alTerminar(const Resultado& resultado) {
    if (!resultado.canal) {
        fijarTexto("lblVeredicto", veredicto_);
        if (!resultado.error.empty()) servicios_.mensajes.mostrar(resultado.error);
        return;
    }
    atrapar(servicios_.mensajes, [&] {
        canal_ = resultado.canal;
        veredicto_ = textoVeredicto(*canal_);
        ventana().fijarDibujo("picCanal", graficoCanal(*canal_));
        fijarTexto("lblVeredicto", veredicto_);
    });
}

const Canal* frmCanal::mostrado() const {
    if (!canal_) servicios_.mensajes.mostrar(kTextoSinCanal);
    return canal_ ? &*canal_ : nullptr;
}

void frmCanal::cmdPrint_Click() {
    if (const Canal* canal = mostrado()) imprimirCanal(fabricaImpresora_, servicios_.mensajes, *canal);
}

void frmCanal::cmdGuardar_Click() {
    const Canal* canal = mostrado();
    if (canal == nullptr) return;
    atrapar(servicios_.mensajes, [&] {
        std::vector<TipoArchivo> tipos{kTipoSvg};
        if (serviciosCanal_.png) tipos.push_back(kTipoPng);
        const auto eleccion = serviciosCanal_.dialogos.guardar(
            "Guardar gráfico", "canal-endemico-" + std::to_string(canal->anio) + ".svg", tipos);
        if (!eleccion) return;
        const bool png = eleccion->tipo == 1 && serviciosCanal_.png;
        // Not every system's dialog adds the kind's extension to a bare name.
        fs::path ruta = rutaUtf8(eleccion->ruta);
        if (!ruta.has_extension()) ruta += png ? ".png" : ".svg";
        const std::string bytes = png ? serviciosCanal_.png(graficoCanal(*canal)) : svgCanal(*canal);
        if (bytes.empty()) throw std::runtime_error("no se pudo hacer la imagen PNG del gráfico");
        // Whole or not at all: a file half written is worse than none.
        ArchivoEntero archivo(ruta);
        archivo.flujo().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        archivo.confirmar();
    });
}

}  // namespace tarvolo
