#include "impresora_win32.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "caras_win32.h"
#include "lienzo_gdi.h"
#include "shell/programa.h"
#include "texto_utf16.h"

namespace tarvolo {

namespace {

constexpr int kTwipsPorPulgada = 1440;
constexpr int kTwipsPorPunto = 20;

}  // namespace

std::vector<std::wstring> lineasImpresas(std::string_view texto) {
    std::vector<std::wstring> lineas;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t salto = texto.find('\n', inicio);
        std::string_view linea =
            texto.substr(inicio, salto == std::string_view::npos ? salto : salto - inicio);
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
        lineas.push_back(utf16DeUtf8(linea));
        if (salto == std::string_view::npos) break;
        inicio = salto + 1;
    }
    return lineas;
}

namespace {

// The printer's settings as its driver keeps them, the orientation changed;
// empty where the driver will not say.
std::vector<std::byte> ajustesCon(const std::wstring& nombre, short orientacion) {
    HANDLE impresora = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(nombre.c_str()), &impresora, nullptr)) return {};
    std::vector<std::byte> ajustes;
    const LONG largo =
        DocumentPropertiesW(nullptr, impresora, const_cast<wchar_t*>(nombre.c_str()), nullptr, nullptr, 0);
    if (largo >= static_cast<LONG>(sizeof(DEVMODEW))) {
        ajustes.resize(static_cast<std::size_t>(largo));
        auto* modo = reinterpret_cast<DEVMODEW*>(ajustes.data());
        if (DocumentPropertiesW(nullptr, impresora, const_cast<wchar_t*>(nombre.c_str()), modo, nullptr,
                                DM_OUT_BUFFER) == IDOK) {
            modo->dmFields |= DM_ORIENTATION;
            modo->dmOrientation = orientacion;
            // The driver checks the change against what it can do.
            if (DocumentPropertiesW(nullptr, impresora, const_cast<wchar_t*>(nombre.c_str()), modo, modo,
                                    DM_IN_BUFFER | DM_OUT_BUFFER) != IDOK)
                ajustes.clear();
        } else {
            ajustes.clear();
        }
    }
    ClosePrinter(impresora);
    return ajustes;
}

}  // namespace

HDC abrirImpresoraPredeterminada(bool apaisada) {
    DWORD largo = 0;
    GetDefaultPrinterW(nullptr, &largo);
    if (largo == 0) return nullptr;
    std::wstring nombre(largo, L'\0');
    if (!GetDefaultPrinterW(nombre.data(), &largo)) return nullptr;
    nombre.resize(wcslen(nombre.c_str()));
    // Portrait is every printer's own setting unless its user changed it.
    const std::vector<std::byte> ajustes =
        ajustesCon(nombre, apaisada ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    return CreateDCW(L"WINSPOOL", nombre.c_str(), nullptr,
                     ajustes.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(ajustes.data()));
}

ImpresoraWin32::ImpresoraWin32() : ImpresoraWin32(Abrir(abrirImpresoraPredeterminada)) {}

ImpresoraWin32::ImpresoraWin32(Abrir abrir) : abrir_(std::move(abrir)) {}

ImpresoraWin32::ImpresoraWin32(std::function<HDC()> abrir)
    : abrir_([abrir = std::move(abrir)](bool) { return abrir ? abrir() : HDC{}; }) {}

ImpresoraWin32::~ImpresoraWin32() {
    // A document left open is dropped, not sent half done.
    if (documento_) AbortDoc(dc_);
    cerrar();
}

void ImpresoraWin32::cerrar() {
    if (dc_ && fuenteAntes_) SelectObject(dc_, fuenteAntes_);
    if (fuente_) DeleteObject(fuente_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    fuente_ = nullptr;
    fuenteAntes_ = nullptr;
    fuenteCambiada_ = true;
    documento_ = false;
}

HDC ImpresoraWin32::dispositivo() {
    if (!dc_) {
        dc_ = abrir_ ? abrir_(apaisada_) : nullptr;
        if (!dc_) throw ErrorImpresion("no hay impresora predeterminada");
        // Twips, whatever the printer's resolution; the origin stays at the
        // printable area's top-left corner, with y growing upwards.
        SetMapMode(dc_, MM_TWIPS);
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    }
    return dc_;
}

void ImpresoraWin32::fijarFuente(std::string_view nombre) {
    nombreFuente_ = nombre.empty() ? caraDelSistema() : utf16DeUtf8(nombre);
    fuenteCambiada_ = true;
}

void ImpresoraWin32::fijarNegrita(bool negrita) {
    negrita_ = negrita;
    fuenteCambiada_ = true;
}

void ImpresoraWin32::fijarTamano(float puntos) {
    puntos_ = puntos;
    fuenteCambiada_ = true;
}

int ImpresoraWin32::prepararFuente() {
    const HDC dc = dispositivo();
    if (fuenteCambiada_) {
        if (nombreFuente_.empty()) nombreFuente_ = caraDelSistema();
        LOGFONTW letra{};
        // Negative: the character's height, not the cell's, as points are.
        letra.lfHeight = -static_cast<LONG>(std::lround(puntos_ * kTwipsPorPunto));
        letra.lfWeight = negrita_ ? FW_BOLD : FW_NORMAL;
        letra.lfCharSet = DEFAULT_CHARSET;
        letra.lfOutPrecision = OUT_TT_PRECIS;
        lstrcpynW(letra.lfFaceName, nombreFuente_.c_str(), LF_FACESIZE);
        const HFONT nueva = CreateFontIndirectW(&letra);
        if (!nueva) throw ErrorImpresion("la impresora no tiene la letra");
        const HGDIOBJ antes = SelectObject(dc, nueva);
        if (!fuenteAntes_) fuenteAntes_ = antes;
        if (fuente_) DeleteObject(fuente_);
        fuente_ = nueva;
        fuenteCambiada_ = false;
    }
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(dc, &tm)) throw ErrorImpresion("la impresora no mide la letra");
    return tm.tmHeight + tm.tmExternalLeading;
}

float ImpresoraWin32::altoTexto(std::string_view texto) {
    const int alto = prepararFuente();
    return static_cast<float>(lineasImpresas(texto).size()) * static_cast<float>(alto);
}

float ImpresoraWin32::anchoTexto(std::string_view texto) {
    prepararFuente();
    LONG ancho = 0;
    for (const std::wstring& linea : lineasImpresas(texto)) {
        SIZE medida{};
        if (!GetTextExtentPoint32W(dc_, linea.c_str(), static_cast<int>(linea.size()), &medida))
            throw ErrorImpresion("la impresora no mide el texto");
        ancho = std::max(ancho, medida.cx);
    }
    return static_cast<float>(ancho);
}

float ImpresoraWin32::altoPagina() {
    const HDC dc = dispositivo();
    return static_cast<float>(
        MulDiv(GetDeviceCaps(dc, VERTRES), kTwipsPorPulgada, GetDeviceCaps(dc, LOGPIXELSY)));
}

float ImpresoraWin32::anchoPagina() {
    const HDC dc = dispositivo();
    return static_cast<float>(
        MulDiv(GetDeviceCaps(dc, HORZRES), kTwipsPorPulgada, GetDeviceCaps(dc, LOGPIXELSX)));
}

void ImpresoraWin32::fijarY(float y) {
    y_ = y;
}

void ImpresoraWin32::fijarX(float x) {
    x_ = x;
}

void ImpresoraWin32::imprimir(std::string_view texto) {
    const int alto = prepararFuente();
    if (!documento_) empezarPagina();
    for (const std::wstring& linea : lineasImpresas(texto)) {
        // A line that would fall off the page's foot opens the next page.
        if (y_ > 0.0f && y_ + static_cast<float>(alto) > altoPagina()) {
            if (EndPage(dc_) <= 0 || StartPage(dc_) <= 0)
                throw ErrorImpresion("la impresora no abre la página");
            y_ = 0.0f;
        }
        // Downwards here is towards negative y in twips.
        if (!linea.empty() &&
            !TextOutW(dc_, static_cast<int>(std::lround(x_)), -static_cast<int>(std::lround(y_)),
                      linea.c_str(), static_cast<int>(linea.size())))
            throw ErrorImpresion("la impresora no escribe el texto");
        x_ = 0.0f;
        y_ += static_cast<float>(alto);
    }
}

void ImpresoraWin32::empezarPagina() {
    const HDC dc = dispositivo();
    if (documento_) {
        if (EndPage(dc) <= 0 || StartPage(dc) <= 0) throw ErrorImpresion("la impresora no abre la página");
        return;
    }
    // The job's name in the print queue.
    const std::wstring titulo = utf16DeUtf8(kTituloPrograma);
    DOCINFOW documento{};
    documento.cbSize = sizeof documento;
    documento.lpszDocName = titulo.c_str();
    if (StartDocW(dc, &documento) <= 0) throw ErrorImpresion("la impresora no acepta el documento");
    documento_ = true;
    if (StartPage(dc) <= 0) throw ErrorImpresion("la impresora no abre la página");
}

void ImpresoraWin32::imprimirDibujo(const Dibujo& pagina) {
    // The orientation is the device's own: a device opened for the other
    // one, with nothing printed yet, is opened again.
    const bool apaisada = pagina.ancho() > pagina.alto();
    if (dc_ != nullptr && !documento_ && apaisada != apaisada_) cerrar();
    apaisada_ = apaisada;
    empezarPagina();
    // In the device's own pixels: the drawing fits the printable area, whose
    // top left corner is the origin.
    const int guardado = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    const RECT area{0, 0, GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)};
    pintarDibujo(dc_, pagina, area);
    RestoreDC(dc_, guardado);
    // Text printed after it starts on a page of its own.
    x_ = 0.0f;
    y_ = altoPagina();
}

void ImpresoraWin32::finDocumento() {
    // Nothing was printed: there is no document to hand over.
    if (!documento_) return;
    const bool pagina = EndPage(dc_) > 0;
    const bool terminado = pagina && EndDoc(dc_) > 0;
    if (!terminado) AbortDoc(dc_);
    documento_ = false;
    cerrar();
    x_ = y_ = 0.0f;
    if (!terminado) throw ErrorImpresion("la impresora no pudo terminar el documento");
}

}  // namespace tarvolo
