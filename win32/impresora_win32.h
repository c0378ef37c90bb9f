#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "servicios/impresora.h"

namespace tarvolo {

// A printer drawn with GDI in twips (MM_TWIPS), the unit of the listing's
// layout. GDI's y grows upwards from the page's top edge; the positions here
// grow downwards from it, as the layout counts them. The device context comes
// from `abrir` at the first operation that needs it, so that constructing one
// never touches the print system; `abrir` answers null when there is no
// printer, and is told whether the page is to be landscape.
class ImpresoraWin32 final : public Impresora {
public:
    using Abrir = std::function<HDC(bool apaisada)>;

    // The default printer.
    ImpresoraWin32();
    explicit ImpresoraWin32(Abrir abrir);
    // A device that has one orientation only.
    explicit ImpresoraWin32(std::function<HDC()> abrir);
    ~ImpresoraWin32() override;
    ImpresoraWin32(const ImpresoraWin32&) = delete;
    ImpresoraWin32& operator=(const ImpresoraWin32&) = delete;

    void fijarFuente(std::string_view nombre) override;
    void fijarNegrita(bool negrita) override;
    void fijarTamano(float puntos) override;
    float altoTexto(std::string_view texto) override;
    float anchoTexto(std::string_view texto) override;
    float altoPagina() override;
    float anchoPagina() override;
    void fijarY(float y) override;
    void fijarX(float x) override;
    void imprimir(std::string_view texto) override;
    void imprimirDibujo(const Dibujo& pagina) override;
    void finDocumento() override;

private:
    HDC dispositivo();
    // Selects the current font into the device; the line's height in twips.
    int prepararFuente();
    // Starts the document and its first page, or the next page.
    void empezarPagina();
    void cerrar();

    Abrir abrir_;
    HDC dc_ = nullptr;
    HFONT fuente_ = nullptr;
    HGDIOBJ fuenteAntes_ = nullptr;
    std::wstring nombreFuente_;
    bool negrita_ = false;
    float puntos_ = 10.0f;
    bool fuenteCambiada_ = true;
    bool documento_ = false;
    bool apaisada_ = false;
    float x_ = 0.0f;
    float y_ = 0.0f;
};

// The default printer's device context with its own settings and the page
// turned as asked, or null when there is none.
HDC abrirImpresoraPredeterminada(bool apaisada);

// The lines of a text as the printer breaks them: at each CR LF (or lone
// LF). A text that ends with a line break has an empty last line.
std::vector<std::wstring> lineasImpresas(std::string_view texto);

}  // namespace tarvolo
