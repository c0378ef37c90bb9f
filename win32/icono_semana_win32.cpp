// The week's icon drawn with GDI: the program's picture (resources/icono.svg,
// a calendar page) at the tray's size, and over its lower two thirds a dark
// badge edged in white with the week's number, as the other back ends draw it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "bandeja_win32.h"

namespace tarvolo {

namespace {

// Whatever stays this colour was never painted: it becomes transparent.
constexpr COLORREF kFondo = RGB(255, 0, 255);
constexpr COLORREF kFondoInsignia = RGB(0x1a, 0x23, 0x7e);
constexpr COLORREF kBlanco = RGB(255, 255, 255);

// Drawing on a device context in the drawing's own 32-unit square.
class Pintor {
public:
    Pintor(HDC dc, int lado) : dc_(dc), escala_(lado / 32.0) {}

    int a(double unidades) const { return static_cast<int>(std::lround(unidades * escala_)); }

    void rectangulo(double x, double y, double ancho, double alto, COLORREF color) const {
        // At least one pixel, or the 16-pixel icon would lose its small cells.
        const RECT r{a(x), a(y), std::max(a(x) + 1, a(x + ancho)), std::max(a(y) + 1, a(y + alto))};
        const HBRUSH pincel = CreateSolidBrush(color);
        FillRect(dc_, &r, pincel);
        DeleteObject(pincel);
    }

    void redondeado(const RECT& r, int radio, COLORREF relleno, COLORREF borde, int grosor) const {
        const HPEN pluma = CreatePen(PS_INSIDEFRAME, grosor, borde);
        const HBRUSH pincel = CreateSolidBrush(relleno);
        const HGDIOBJ plumaAntes = SelectObject(dc_, pluma);
        const HGDIOBJ pincelAntes = SelectObject(dc_, pincel);
        RoundRect(dc_, r.left, r.top, r.right, r.bottom, radio, radio);
        SelectObject(dc_, plumaAntes);
        SelectObject(dc_, pincelAntes);
        DeleteObject(pluma);
        DeleteObject(pincel);
    }

private:
    HDC dc_;
    double escala_;
};

void dibujarPrograma(const Pintor& p, int lado) {
    // The page with its grey edge, its red binding and one week in blue.
    p.redondeado({p.a(2), p.a(4), p.a(30), p.a(30)}, std::max(2, p.a(3)), kBlanco, RGB(0x40, 0x40, 0x40),
                 std::max(1, lado / 32));
    p.rectangulo(3, 5, 26, 6, RGB(0xc0, 0x39, 0x2b));
    p.rectangulo(3, 17, 26, 5, RGB(0x2f, 0x5f, 0xa8));
    for (const double x : {5.0, 8.5, 12.0, 15.5, 19.0, 22.5, 26.0}) {
        const double ancho = x == 26.0 ? 1.5 : 2.0;
        p.rectangulo(x, 13, ancho, 2, RGB(0x90, 0x90, 0x90));
        p.rectangulo(x, 24, ancho, 2, RGB(0x90, 0x90, 0x90));
        p.rectangulo(x, 18.5, ancho, 2, kBlanco);
    }
    // The rings.
    p.rectangulo(8, 2, 2, 6, RGB(0x60, 0x60, 0x60));
    p.rectangulo(22, 2, 2, 6, RGB(0x60, 0x60, 0x60));
}

void dibujarInsignia(HDC dc, int semana, int lado) {
    const int borde = std::max(1, lado / 16);
    const int alto = static_cast<int>(std::lround(lado * 0.66));
    const RECT insignia{0, lado - alto, lado, lado};
    Pintor(dc, lado).redondeado(insignia, std::max(2, lado / 4), kFondoInsignia, kBlanco, borde);

    const RECT dentro{insignia.left + 2 * borde, insignia.top + 2 * borde, insignia.right - 2 * borde,
                      insignia.bottom - 2 * borde};
    const int altoDentro = dentro.bottom - dentro.top;
    const int anchoDentro = dentro.right - dentro.left;
    const std::wstring cifras = std::to_wstring(semana);

    // The digits' ink is about the cap height, some 72% of the em: that fills
    // the badge's inside; a number too wide for it is narrowed, not shrunk.
    LOGFONTW letra{};
    letra.lfHeight = -static_cast<LONG>(std::lround(altoDentro / 0.72));
    letra.lfWeight = FW_BOLD;
    letra.lfCharSet = DEFAULT_CHARSET;
    letra.lfOutPrecision = OUT_TT_PRECIS;
    // Smoothing would blend the digits' edges with the badge into a fringe.
    letra.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynW(letra.lfFaceName, L"Arial", LF_FACESIZE);
    HFONT fuente = CreateFontIndirectW(&letra);
    HGDIOBJ antes = SelectObject(dc, fuente);
    SIZE medida{};
    GetTextExtentPoint32W(dc, cifras.c_str(), static_cast<int>(cifras.size()), &medida);
    if (medida.cx > anchoDentro && medida.cx > 0) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        letra.lfWidth = std::max<LONG>(1, tm.tmAveCharWidth * anchoDentro / medida.cx);
        SelectObject(dc, antes);
        DeleteObject(fuente);
        fuente = CreateFontIndirectW(&letra);
        antes = SelectObject(dc, fuente);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBlanco);
    // Centred on the badge's inside; the cell's internal leading and
    // descent spill over it evenly enough at these sizes.
    RECT caja = insignia;
    DrawTextW(dc, cifras.c_str(), static_cast<int>(cifras.size()), &caja,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, antes);
    DeleteObject(fuente);
}

}  // namespace

HICON dibujarIconoDeSemana(int semana, int lado) {
    if (lado <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = lado;
    info.bmiHeader.biHeight = -lado;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!color) return nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ antes = SelectObject(dc, color);
    const RECT todo{0, 0, lado, lado};
    const HBRUSH fondo = CreateSolidBrush(kFondo);
    FillRect(dc, &todo, fondo);
    DeleteObject(fondo);
    dibujarPrograma(Pintor(dc, lado), lado);
    dibujarInsignia(dc, semana, lado);
    GdiFlush();
    SelectObject(dc, antes);
    DeleteDC(dc);

    // GDI writes no alpha: every painted pixel is opaque, the rest clear,
    // and the mask says the same for the shells that read it.
    const int bytesFilaMascara = ((lado + 15) / 16) * 2;
    std::vector<std::uint8_t> mascara(static_cast<std::size_t>(bytesFilaMascara * lado), 0);
    auto* pixeles = static_cast<std::uint32_t*>(bits);
    const std::uint32_t clave = 0x00FF00FF;  // kFondo as 0x00RRGGBB
    for (int y = 0; y < lado; ++y) {
        for (int x = 0; x < lado; ++x) {
            std::uint32_t& p = pixeles[y * lado + x];
            if ((p & 0x00FFFFFF) == clave) {
                p = 0;
                mascara[static_cast<std::size_t>(y * bytesFilaMascara + x / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else {
                p |= 0xFF000000;
            }
        }
    }
    const HBITMAP bitsMascara = CreateBitmap(lado, lado, 1, 1, mascara.data());
    ICONINFO icono{};
    icono.fIcon = TRUE;
    icono.hbmMask = bitsMascara;
    icono.hbmColor = color;
    const HICON hecho = bitsMascara ? CreateIconIndirect(&icono) : nullptr;
    // The icon keeps copies of both bitmaps.
    if (bitsMascara) DeleteObject(bitsMascara);
    DeleteObject(color);
    return hecho;
}

}  // namespace tarvolo
