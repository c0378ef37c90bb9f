#include "pantalla_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bucle_win32.h"
#include "calendario_win32.h"
#include "caras_win32.h"
#include "imagenes_win32.h"
#include "lienzo_gdi.h"
#include "texto_utf16.h"

namespace tarvolo {

namespace {

constexpr wchar_t kClaseVentana[] = L"TarvoloVentana";
constexpr wchar_t kClaseMarco[] = L"TarvoloMarco";
constexpr wchar_t kClaseLinea[] = L"TarvoloLinea";
constexpr wchar_t kClaseGrafico[] = L"TarvoloGrafico";
// Controls and menu entries get apart from IDOK and IDCANCEL, which the
// dialog keys use.
constexpr int kPrimerControl = 100;
constexpr int kPrimeraEntrada = 1000;
// The room a combo box's list takes below it, in twips.
constexpr int kAltoLista = 1800;

LRESULT CALLBACK procVentana(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);
LRESULT CALLBACK procMarco(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);
LRESULT CALLBACK procLinea(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);
LRESULT CALLBACK procGrafico(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);

HINSTANCE instancia() {
    return GetModuleHandleW(nullptr);
}

void registrarClases() {
    static const bool registradas = [] {
        WNDCLASSEXW clase{};
        clase.cbSize = sizeof clase;
        clase.lpfnWndProc = procVentana;
        clase.hInstance = instancia();
        clase.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        clase.lpszClassName = kClaseVentana;
        RegisterClassExW(&clase);
        clase.lpfnWndProc = procMarco;
        clase.lpszClassName = kClaseMarco;
        RegisterClassExW(&clase);
        clase.lpfnWndProc = procLinea;
        clase.lpszClassName = kClaseLinea;
        RegisterClassExW(&clase);
        clase.lpfnWndProc = procGrafico;
        clase.lpszClassName = kClaseGrafico;
        RegisterClassExW(&clase);
        return true;
    }();
    (void)registradas;
}

// The hidden owner of the windows that have no task-bar button.
HWND dueno() {
    static const HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                             nullptr, instancia(), nullptr);
    return hwnd;
}

int dpiDe(HWND hwnd) {
    using Funcion = UINT(WINAPI*)(HWND);
    // Windows 10's per-window DPI where there is one, else the screen's.
    static const auto porVentana = reinterpret_cast<Funcion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (porVentana != nullptr) {
        if (const UINT dpi = porVentana(hwnd); dpi != 0) return static_cast<int>(dpi);
    }
    HDC pantalla = GetDC(nullptr);
    const int dpi = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return dpi;
}

// A designed face, or where it is missing the system's message face, a
// sans-serif like the one the windows were laid out in.
std::wstring caraDisponible(std::string_view cara) {
    std::wstring pedida = utf16DeUtf8(cara.empty() ? kCaraInterfaz : cara);
    return existeCara(pedida) ? pedida : caraDelSistema();
}

bool tiene(std::uint32_t estilo, Estilo bit) {
    return (estilo & bit) != 0U;
}

HMENU comoId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

class VentanaWin32;
VentanaWin32* deVentana(HWND hwnd);

class VentanaWin32 final : public Ventana {
public:
    VentanaWin32(const DisenoVentana& diseno, ReceptorEventos& receptor, const Reloj& reloj)
        : diseno_(diseno), receptor_(&receptor), reloj_(reloj) {
        try {
            construir();
        } catch (...) {
            // A window half made does not stay.
            destruir();
            throw;
        }
    }

    ~VentanaWin32() override { destruir(); }
    VentanaWin32(const VentanaWin32&) = delete;
    VentanaWin32& operator=(const VentanaWin32&) = delete;

    std::string texto(std::string_view nombre) const override {
        const Hijo* h = buscar(nombre);
        if (h == nullptr || h->hwnd == nullptr) return {};
        switch (h->diseno->clase) {
            case Clase::Etiqueta:
            case Clase::Caja:
            case Clase::Texto:
            case Clase::Combo:
            case Clase::Boton:
                return textoDe(h->hwnd);
            default:
                return {};
        }
    }

    void fijarTexto(std::string_view nombre, std::string_view texto) override {
        const Hijo* h = buscar(nombre);
        if (h == nullptr || h->hwnd == nullptr || textoDe(h->hwnd) == texto) return;
        const Clase clase = h->diseno->clase;
        // The edit's own notice comes only for some boxes and even for an
        // equal text: the change is announced here, once.
        asignando_ = true;
        SetWindowTextW(h->hwnd, utf16DeUtf8(texto).c_str());
        asignando_ = false;
        if (clase == Clase::Etiqueta) ajustarEtiqueta(*h, true);
        if (clase == Clase::Caja || clase == Clase::Texto) avisar(h->diseno->nombre, Evento::Change);
    }

    void fijarTitulo(std::string_view titulo) override { SetWindowTextW(hwnd_, utf16DeUtf8(titulo).c_str()); }

    void fijarDibujo(std::string_view nombre, const Dibujo& dibujo) override {
        const auto it = dibujos_.find(nombre);
        if (it == dibujos_.end()) return;
        *it->second = dibujo;
        if (const Hijo* h = buscar(nombre); h != nullptr && h->hwnd != nullptr)
            InvalidateRect(h->hwnd, nullptr, FALSE);
    }

    void seleccionarTodo(std::string_view nombre) override {
        const Hijo* h = buscar(nombre);
        if (h == nullptr || h->hwnd == nullptr) return;
        if (h->diseno->clase == Clase::Combo)
            SendMessageW(h->hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        else
            SendMessageW(h->hwnd, EM_SETSEL, 0, -1);
    }

    void detener(std::string_view temporizador) override {
        if (const Hijo* h = buscar(temporizador)) KillTimer(hwnd_, static_cast<UINT_PTR>(h->id));
    }

    Calendario& calendario(std::string_view nombre) override {
        const auto it = calendarios_.find(nombre);
        if (it == calendarios_.end()) throw std::logic_error("no calendar named " + std::string(nombre));
        return *it->second;
    }

    void menuEmergente(std::string_view nombre) override {
        const auto it = menus_.find(nombre);
        // Asked again while it is up (a tray's second click), it stays as it is.
        if (it == menus_.end() || emergiendo_) return;
        POINT puntero{};
        GetCursorPos(&puntero);
        // The menu of a window that is not in front would not close when the
        // user clicks elsewhere.
        SetForegroundWindow(hwnd_);
        emergiendo_ = true;
        const auto elegida =
            static_cast<UINT>(TrackPopupMenuEx(it->second, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                               puntero.x, puntero.y, hwnd_, nullptr));
        emergiendo_ = false;
        PostMessageW(hwnd_, WM_NULL, 0, 0);
        if (elegida != 0) entrada(elegida);
    }

    void mostrar() override {
        if (diseno_.marco == Marco::Oculto) return;
        const bool primera = !IsWindowVisible(hwnd_);
        ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
        BringWindowToTop(hwnd_);
        if (primera) {
            if (const Hijo* h = buscar(diseno_.foco); h != nullptr && h->hwnd != nullptr) enfocar(h->hwnd);
        }
    }

    std::uint32_t identificador() const override {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd_));
    }
    std::uint32_t identificadorIcono() const override {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(iconoPrograma()));
    }

    HWND hwnd() const { return hwnd_; }
    HWND controlPorNombre(std::string_view nombre) const {
        const Hijo* h = buscar(nombre);
        return h == nullptr ? nullptr : h->hwnd;
    }
    HMENU menuPorNombre(std::string_view nombre) const {
        const auto it = menus_.find(nombre);
        return it == menus_.end() ? nullptr : it->second;
    }

    LRESULT procesar(UINT mensaje, WPARAM w, LPARAM l);
    // A click on a frame, unless on a picture in it, whose clicks stay there.
    void clickEnMarco(HWND marco, POINT punto) {
        const bool enImagen = std::any_of(hijos_.begin(), hijos_.end(), [&](const Hijo& h) {
            return h.diseno->clase == Clase::Imagen && h.padre == marco && PtInRect(&h.lugar, punto);
        });
        if (const Hijo* h = porHwnd(marco); h != nullptr && !enImagen)
            avisar(h->diseno->nombre, Evento::Click);
    }
    void pintarImagenes(HWND padre, HDC dc) const;
    bool tecla(MSG& mensaje);

private:
    struct Hijo {
        const Control* diseno;
        HWND hwnd;  // null for a timer or a picture
        int id;
        HWND padre = nullptr;  // a picture's: the window or frame that paints it
        RECT lugar{};          // and where, in pixels
    };

    void construir();
    void destruir() {
        // From here on the window only goes away: no more events.
        receptor_ = nullptr;
        if (hwnd_ != nullptr) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
        for (HMENU m : emergentes_) DestroyMenu(m);
        for (HFONT f : fuentes_) DeleteObject(f);
    }
    void crearMenus();
    void crearControl(const Control& c, int id);
    void ajustarTamano();
    void ajustarEtiqueta(const Hijo& h, bool conservarDerecha);
    HFONT fuente(const Letra& letra);
    int pixeles(int twips) const { return MulDiv(twips, dpi_, 1440); }

    void avisar(std::string_view control, Evento evento) {
        if (receptor_ != nullptr) receptor_->evento(control, evento);
    }
    void entrada(UINT id) {
        const auto it =
            std::find_if(entradas_.begin(), entradas_.end(), [&](const auto& e) { return e.second == id; });
        if (it != entradas_.end()) avisar(it->first, Evento::Click);
    }
    void pulsar(HWND boton) {
        const Hijo* h = porHwnd(boton);
        if (h != nullptr && IsWindowEnabled(boton)) avisar(h->diseno->nombre, Evento::Click);
    }
    void enfocar(HWND control) {
        SetFocus(control);
        if (const Hijo* h = porHwnd(control); h != nullptr && h->diseno->clase == Clase::Caja)
            SendMessageW(control, EM_SETSEL, 0, -1);
    }
    const Hijo* buscar(std::string_view nombre) const {
        const auto it = std::find_if(hijos_.begin(), hijos_.end(),
                                     [&](const Hijo& h) { return h.diseno->nombre == nombre; });
        return it == hijos_.end() ? nullptr : &*it;
    }
    const Hijo* porHwnd(HWND hwnd) const {
        const auto it =
            std::find_if(hijos_.begin(), hijos_.end(), [&](const Hijo& h) { return h.hwnd == hwnd; });
        return it == hijos_.end() ? nullptr : &*it;
    }
    // The control a window belongs to: itself, or the control whose part it
    // is (a combo box's edit).
    const Hijo* duenoDe(HWND hwnd) const {
        for (; hwnd != nullptr && hwnd != hwnd_; hwnd = GetParent(hwnd))
            if (const Hijo* h = porHwnd(hwnd)) return h;
        return nullptr;
    }
    std::vector<HWND> ordenTab() const;
    static std::string textoDe(HWND hwnd) {
        std::wstring texto(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        texto.resize(
            static_cast<std::size_t>(GetWindowTextW(hwnd, texto.data(), static_cast<int>(texto.size()))));
        return utf8DeUtf16(texto);
    }

    const DisenoVentana& diseno_;
    ReceptorEventos* receptor_;
    const Reloj& reloj_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    HBRUSH fondo_ = nullptr;
    HWND ayudas_ = nullptr;
    HWND aceptar_ = nullptr;
    HWND cancelar_ = nullptr;
    HWND focoGuardado_ = nullptr;
    bool asignando_ = false;
    bool emergiendo_ = false;
    std::vector<Hijo> hijos_;
    std::vector<std::pair<std::string_view, UINT>> entradas_;
    std::map<std::string_view, HMENU, std::less<>> menus_;
    std::vector<HMENU> emergentes_;
    std::vector<HFONT> fuentes_;
    std::map<std::string, std::unique_ptr<CalendarioWin32>, std::less<>> calendarios_;
    // What each drawing control shows; its window reads it when it paints.
    std::map<std::string, std::unique_ptr<Dibujo>, std::less<>> dibujos_;
};

VentanaWin32* deVentana(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    wchar_t clase[32] = {};
    GetClassNameW(hwnd, clase, 32);
    if (std::wstring_view(clase) != kClaseVentana) return nullptr;
    return reinterpret_cast<VentanaWin32*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void VentanaWin32::construir() {
    registrarClases();
    DWORD estilo = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    DWORD extendido = WS_EX_CONTROLPARENT;
    switch (diseno_.marco) {
        case Marco::Redimensionable:
            estilo |= WS_THICKFRAME;
            break;
        case Marco::Fijo:
            extendido |= WS_EX_DLGMODALFRAME;
            break;
        case Marco::Presentacion:
            // A title bar without any system button.
            estilo = WS_OVERLAPPED | WS_CAPTION;
            extendido |= WS_EX_DLGMODALFRAME;
            break;
        case Marco::Oculto:
            estilo = WS_OVERLAPPED;
            extendido = WS_EX_TOOLWINDOW;
            break;
    }
    const bool oculta = diseno_.marco == Marco::Oculto;
    if (diseno_.enBarraDeTareas && !oculta) extendido |= WS_EX_APPWINDOW;
    // An owned window gets no task-bar button.
    const HWND propietaria = diseno_.enBarraDeTareas || oculta ? nullptr : dueno();
    fondo_ = diseno_.fondoBlanco ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                 : GetSysColorBrush(COLOR_BTNFACE);
    hwnd_ = CreateWindowExW(extendido, kClaseVentana, utf16DeUtf8(diseno_.titulo).c_str(), estilo,
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, propietaria, nullptr, instancia(), this);
    if (hwnd_ == nullptr) throw std::runtime_error("CreateWindowEx: " + std::to_string(GetLastError()));
    dpi_ = dpiDe(hwnd_);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconoPrograma()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconoPrograma()));
    crearMenus();
    if (oculta) return;

    int id = kPrimerControl;
    for (const Control& c : diseno_.controles) crearControl(c, id++);
    for (const Hijo& h : hijos_)
        if (h.diseno->clase == Clase::Etiqueta) ajustarEtiqueta(h, false);
    ajustarTamano();
}

void VentanaWin32::crearMenus() {
    HMENU barra = nullptr;
    HMENU actual = nullptr;
    UINT id = kPrimeraEntrada;
    for (std::size_t i = 0; i < diseno_.menus.size(); ++i) {
        const EntradaMenu& e = diseno_.menus[i];
        const std::wstring texto = utf16DeUtf8(e.texto);
        const UINT gris = e.habilitada ? 0U : static_cast<UINT>(MF_GRAYED);
        const bool conItems = i + 1 < diseno_.menus.size() && diseno_.menus[i + 1].nivel > 0;
        if (e.nivel == 0 && !e.visible) {
            // Not on the bar: only ever popped up.
            actual = CreatePopupMenu();
            emergentes_.push_back(actual);
            menus_.emplace(e.nombre, actual);
            continue;
        }
        if (e.nivel == 0) {
            if (barra == nullptr) barra = CreateMenu();
            if (conItems) {
                actual = CreatePopupMenu();
                AppendMenuW(barra, MF_POPUP | MF_STRING | gris, reinterpret_cast<UINT_PTR>(actual),
                            texto.c_str());
                menus_.emplace(e.nombre, actual);
                continue;
            }
            AppendMenuW(barra, MF_STRING | gris, id, texto.c_str());
        } else if (actual == nullptr) {
            continue;
        } else if (e.texto == "-") {
            AppendMenuW(actual, MF_SEPARATOR, 0, nullptr);
            continue;
        } else {
            AppendMenuW(actual, MF_STRING | gris, id, texto.c_str());
        }
        entradas_.emplace_back(e.nombre, id++);
    }
    if (barra != nullptr) SetMenu(hwnd_, barra);
}

HFONT VentanaWin32::fuente(const Letra& letra) {
    LOGFONTW lf{};
    const double puntos = letra.puntos > 0 ? letra.puntos : kPuntosInterfaz;
    lf.lfHeight = -static_cast<LONG>(std::lround(puntos * dpi_ / 72.0));
    lf.lfWeight = letra.negrita ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    caraDisponible(letra.cara).copy(lf.lfFaceName, LF_FACESIZE - 1);
    return fuentes_.emplace_back(CreateFontIndirectW(&lf));
}

void VentanaWin32::crearControl(const Control& c, int id) {
    if (c.clase == Clase::Temporizador) {
        hijos_.push_back({&c, nullptr, id});
        SetTimer(hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(c.intervalo), nullptr);
        return;
    }
    const Hijo* marco = c.dentro.empty() ? nullptr : buscar(c.dentro);
    const HWND padre = marco != nullptr && marco->hwnd != nullptr ? marco->hwnd : hwnd_;
    const Lugar& l = c.lugar;
    int x = pixeles(l.izquierda), y = pixeles(l.arriba), ancho = pixeles(l.ancho), alto = pixeles(l.alto);
    // Later controls lie over earlier ones: each clips its siblings.
    DWORD estilo =
        WS_CHILD | WS_CLIPSIBLINGS | (tiene(c.estilo, kOculto) ? 0U : static_cast<DWORD>(WS_VISIBLE));
    DWORD extendido = 0;
    const wchar_t* clase = L"STATIC";
    std::wstring texto = utf16DeUtf8(c.texto);
    switch (c.clase) {
        case Clase::Etiqueta:
            // SS_NOTIFY: a click on a label in a frame stays there.
            estilo |= SS_NOPREFIX | SS_NOTIFY;
            if (tiene(c.estilo, kCentrado))
                estilo |= SS_CENTER;
            else if (tiene(c.estilo, kDerecha))
                estilo |= SS_RIGHT;
            else if (!tiene(c.estilo, kVariasLineas))
                estilo |= SS_LEFTNOWORDWRAP;
            break;
        case Clase::Imagen:
            // Painted by what holds it, under the labels that lie on it,
            // which a picture window of its own would cover.
            hijos_.push_back({&c, nullptr, id, padre, RECT{x, y, x + ancho, y + alto}});
            return;
        case Clase::Caja:
            clase = L"EDIT";
            estilo |= WS_TABSTOP | ES_AUTOHSCROLL;
            extendido = WS_EX_CLIENTEDGE;
            break;
        case Clase::Texto:
            // Rows are not wrapped, which would break a table's columns.
            clase = L"EDIT";
            estilo |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL |
                      (tiene(c.estilo, kOculto) ? 0U : static_cast<DWORD>(WS_TABSTOP));
            extendido = WS_EX_CLIENTEDGE;
            break;
        case Clase::Boton:
            clase = L"BUTTON";
            estilo |= WS_TABSTOP | (tiene(c.estilo, kPredeterminado) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            if (c.imagen != Imagen::Ninguna) {
                estilo |= BS_BITMAP;
                // Not drawn: the name a screen reader says.
                texto = utf16DeUtf8(c.ayuda);
            }
            break;
        case Clase::Combo:
            clase = L"COMBOBOX";
            estilo |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            alto += pixeles(kAltoLista);
            break;
        case Clase::Marco:
            clase = kClaseMarco;
            extendido = WS_EX_CONTROLPARENT;
            break;
        case Clase::Linea:
            clase = kClaseLinea;
            break;
        case Clase::Grafico:
            clase = kClaseGrafico;
            break;
        case Clase::Calendario: {
            auto calendario =
                std::make_unique<CalendarioWin32>(reloj_, padre, id, RECT{x, y, x + ancho, y + alto});
            const HWND control = calendario->control();
            calendarios_.emplace(c.nombre, std::move(calendario));
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fuente(c.letra)), FALSE);
            hijos_.push_back({&c, control, id});
            SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
        case Clase::Temporizador:
            return;
    }
    const HWND hwnd = CreateWindowExW(extendido, clase, texto.c_str(), estilo, x, y, ancho, alto, padre,
                                      comoId(id), instancia(), nullptr);
    if (hwnd == nullptr) throw std::runtime_error("control " + std::string(c.nombre) + " not made");
    hijos_.push_back({&c, hwnd, id});
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Right after the label that names it: what screen readers take as its name.
    if (const Hijo* rotulo = buscar(c.rotulo); rotulo != nullptr && rotulo->hwnd != nullptr)
        SetWindowPos(hwnd, rotulo->hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (c.clase != Clase::Imagen && c.clase != Clase::Linea && c.clase != Clase::Marco &&
        c.clase != Clase::Grafico)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fuente(c.letra)), FALSE);
    switch (c.clase) {
        case Clase::Marco:
            SetWindowLongPtrW(
                hwnd, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(tiene(c.estilo, kBlanco) ? GetStockObject(WHITE_BRUSH) : fondo_));
            break;
        case Clase::Grafico: {
            const auto& dibujo = dibujos_[std::string(c.nombre)] = std::make_unique<Dibujo>();
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dibujo.get()));
            break;
        }
        case Clase::Caja:
        case Clase::Texto:
            // No limit on the length, as designed.
            SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
            break;
        case Clase::Boton:
            if (c.imagen != Imagen::Ninguna)
                if (HBITMAP imagen = cargarImagen(c.imagen))
                    SendMessageW(hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(imagen));
            if (tiene(c.estilo, kPredeterminado)) aceptar_ = hwnd;
            if (tiene(c.estilo, kCancelar)) cancelar_ = hwnd;
            break;
        case Clase::Combo: {
            for (const std::string_view entrada : c.lista)
                SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(utf16DeUtf8(entrada).c_str()));
            // The closed box as high as designed. Systems differ on what the
            // field's height they report and take includes: corrected until it fits.
            auto campo = static_cast<int>(SendMessageW(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
            for (int vez = 0; vez < 3; ++vez) {
                RECT r{};
                GetWindowRect(hwnd, &r);
                const int falta = pixeles(l.alto) - (r.bottom - r.top);
                if (falta == 0 || campo + falta <= 0) break;
                campo += falta;
                SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), campo);
            }
            break;
        }
        default:
            break;
    }
    if (!c.ayuda.empty()) {
        if (ayudas_ == nullptr)
            ayudas_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                      instancia(), nullptr);
        std::wstring ayuda = utf16DeUtf8(c.ayuda);
        TOOLINFOW herramienta{};
        herramienta.cbSize = sizeof herramienta;
        herramienta.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        herramienta.hwnd = hwnd_;
        herramienta.uId = reinterpret_cast<UINT_PTR>(hwnd);
        herramienta.lpszText = ayuda.data();
        SendMessageW(ayudas_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&herramienta));
    }
}

void VentanaWin32::ajustarEtiqueta(const Hijo& h, bool conservarDerecha) {
    const Control& c = *h.diseno;
    RECT antes{};
    GetWindowRect(h.hwnd, &antes);
    const HWND padre = GetParent(h.hwnd);
    MapWindowPoints(HWND_DESKTOP, padre, reinterpret_cast<POINT*>(&antes), 2);
    if (tiene(c.estilo, kAutoajuste)) {
        // As big as its text; a right-aligned one keeps its right edge and
        // grows to the left.
        const std::wstring texto = utf16DeUtf8(textoDe(h.hwnd));
        HDC dc = GetDC(h.hwnd);
        const auto previa = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h.hwnd, WM_GETFONT, 0, 0)));
        RECT medida{0, 0, 0, 0};
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &medida, DT_CALCRECT | DT_NOPREFIX);
        SelectObject(dc, previa);
        ReleaseDC(h.hwnd, dc);
        const int x = conservarDerecha && tiene(c.estilo, kDerecha) ? antes.right - medida.right : antes.left;
        SetWindowPos(h.hwnd, nullptr, x, antes.top, medida.right, medida.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A label lets what is under it show: what it covered is drawn again.
    RECT ahora{};
    GetWindowRect(h.hwnd, &ahora);
    MapWindowPoints(HWND_DESKTOP, padre, reinterpret_cast<POINT*>(&ahora), 2);
    UnionRect(&ahora, &ahora, &antes);
    RedrawWindow(padre, &ahora, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void VentanaWin32::ajustarTamano() {
    // The inner area as designed, under the menu bar however many lines it
    // takes, centred on the work area.
    const int ancho = pixeles(diseno_.ancho), alto = pixeles(diseno_.alto);
    RECT r{0, 0, ancho, alto};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    int anchoMarco = r.right - r.left, altoMarco = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, 0, 0, anchoMarco, altoMarco, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT cliente{};
    GetClientRect(hwnd_, &cliente);
    anchoMarco += ancho - cliente.right;
    altoMarco += alto - cliente.bottom;
    RECT trabajo{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &trabajo, 0);
    SetWindowPos(hwnd_, nullptr, trabajo.left + (trabajo.right - trabajo.left - anchoMarco) / 2,
                 trabajo.top + (trabajo.bottom - trabajo.top - altoMarco) / 2, anchoMarco, altoMarco,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void VentanaWin32::pintarImagenes(HWND padre, HDC dc) const {
    for (const Hijo& h : hijos_) {
        const Control& c = *h.diseno;
        if (c.clase != Clase::Imagen || h.padre != padre || tiene(c.estilo, kOculto)) continue;
        const HBITMAP imagen = cargarImagen(c.imagen);
        if (imagen == nullptr) continue;
        BITMAP medida{};
        GetObjectW(imagen, sizeof medida, &medida);
        HDC origen = CreateCompatibleDC(dc);
        const auto previa = SelectObject(origen, imagen);
        const RECT& r = h.lugar;
        if (tieneAlfa(imagen)) {
            // Stretched to its place, or at its own size cut to it.
            const bool estirada = tiene(c.estilo, kEstirada);
            const int ancho = estirada ? r.right - r.left : std::min<int>(medida.bmWidth, r.right - r.left);
            const int alto = estirada ? r.bottom - r.top : std::min<int>(medida.bmHeight, r.bottom - r.top);
            const BLENDFUNCTION mezcla{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            GdiAlphaBlend(dc, r.left, r.top, ancho, alto, origen, 0, 0, estirada ? medida.bmWidth : ancho,
                          estirada ? medida.bmHeight : alto, mezcla);
        } else if (tiene(c.estilo, kEstirada)) {
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, origen, 0, 0, medida.bmWidth,
                       medida.bmHeight, SRCCOPY);
        } else {
            // At its own size from the top left, cut to its place.
            BitBlt(dc, r.left, r.top, std::min<int>(medida.bmWidth, r.right - r.left),
                   std::min<int>(medida.bmHeight, r.bottom - r.top), origen, 0, 0, SRCCOPY);
        }
        SelectObject(origen, previa);
        DeleteDC(origen);
    }
}

std::vector<HWND> VentanaWin32::ordenTab() const {
    // The designed order first, then the other controls that take the
    // focus, as they were made.
    std::vector<HWND> orden;
    for (const std::string_view nombre : diseno_.ordenTab)
        if (const Hijo* h = buscar(nombre); h != nullptr && h->hwnd != nullptr) orden.push_back(h->hwnd);
    for (const Hijo& h : hijos_) {
        if (h.hwnd == nullptr || std::find(orden.begin(), orden.end(), h.hwnd) != orden.end()) continue;
        if ((GetWindowLongPtrW(h.hwnd, GWL_STYLE) & WS_TABSTOP) != 0 || h.diseno->clase == Clase::Calendario)
            orden.push_back(h.hwnd);
    }
    std::erase_if(orden, [](HWND h) { return !IsWindowVisible(h) || !IsWindowEnabled(h); });
    return orden;
}

bool VentanaWin32::tecla(MSG& mensaje) {
    if (mensaje.message == WM_SYSCHAR) return IsDialogMessageW(hwnd_, &mensaje) != 0;
    if (mensaje.message != WM_KEYDOWN) return false;
    if (diseno_.vistaPreviaTeclas) {
        avisar({}, Evento::KeyPress);
        return true;
    }
    const Hijo* enfocado = duenoDe(GetFocus());
    const Clase clase = enfocado != nullptr ? enfocado->diseno->clase : Clase::Marco;
    const bool listaAbierta =
        clase == Clase::Combo && SendMessageW(enfocado->hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (mensaje.wParam) {
        case VK_TAB: {
            // Ctrl+Tab too: a tab in a table would shift its columns.
            const std::vector<HWND> orden = ordenTab();
            if (orden.empty()) return true;
            const bool atras = GetKeyState(VK_SHIFT) < 0;
            auto it =
                enfocado != nullptr ? std::find(orden.begin(), orden.end(), enfocado->hwnd) : orden.end();
            std::size_t i = 0;
            if (it != orden.end()) {
                const auto actual = static_cast<std::size_t>(it - orden.begin());
                i = (actual + (atras ? orden.size() - 1 : 1)) % orden.size();
            }
            enfocar(orden[i]);
            return true;
        }
        case VK_RETURN:
            // A multi-line box takes Enter as a new line.
            if (clase == Clase::Texto || listaAbierta || aceptar_ == nullptr) return false;
            // In a window with a default button, Enter on another button
            // presses that one, as in a dialog.
            pulsar(clase == Clase::Boton ? enfocado->hwnd : aceptar_);
            return true;
        case VK_ESCAPE:
            if (listaAbierta || cancelar_ == nullptr) return false;
            pulsar(cancelar_);
            return true;
        default:
            return false;
    }
}

LRESULT VentanaWin32::procesar(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_CLOSE:
            // Closing with the frame unloads the form, which destroys this.
            if (receptor_ != nullptr) receptor_->cerrar();
            return 0;
        case WM_COMMAND: {
            const auto de = reinterpret_cast<HWND>(l);
            const UINT id = LOWORD(w);
            if (de == nullptr) {
                if (HIWORD(w) == 0 || HIWORD(w) == 1) entrada(id);
                return 0;
            }
            const Hijo* h = porHwnd(de);
            if (h == nullptr) return 0;
            const Clase clase = h->diseno->clase;
            if (clase == Clase::Boton && HIWORD(w) == BN_CLICKED) {
                avisar(h->diseno->nombre, Evento::Click);
            } else if ((clase == Clase::Caja || clase == Clase::Texto) && HIWORD(w) == EN_CHANGE &&
                       !asignando_) {
                avisar(h->diseno->nombre, Evento::Change);
            }
            return 0;
        }
        case WM_NOTIFY: {
            const auto* aviso = reinterpret_cast<const NMHDR*>(l);
            if (aviso->code != MCN_SELECT) return 0;
            const Hijo* h = porHwnd(aviso->hwndFrom);
            if (h == nullptr || h->diseno->clase != Clase::Calendario) return 0;
            // The user's pick only, not a value the program sets.
            if (!calendarios_.find(h->diseno->nombre)->second->fijando())
                avisar(h->diseno->nombre, Evento::Click);
            return 0;
        }
        case WM_TIMER: {
            const auto it = std::find_if(hijos_.begin(), hijos_.end(), [&](const Hijo& h) {
                return h.diseno->clase == Clase::Temporizador && static_cast<WPARAM>(h.id) == w;
            });
            if (it != hijos_.end()) avisar(it->diseno->nombre, Evento::Timer);
            return 0;
        }
        case WM_KEYDOWN:
            // Keys the window itself gets, with no control to take them.
            if (diseno_.vistaPreviaTeclas) avisar({}, Evento::KeyPress);
            return 0;
        case WM_CTLCOLORSTATIC: {
            const Hijo* h = porHwnd(reinterpret_cast<HWND>(l));
            if (h == nullptr || h->diseno->clase != Clase::Etiqueta) break;
            // Labels are transparent: a banner under one shows through.
            SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(w), &r, fondo_);
            pintarImagenes(hwnd_, reinterpret_cast<HDC>(w));
            return 1;
        }
        case WM_ACTIVATE:
            // The focus comes back where it was when the window was left.
            if (LOWORD(w) == WA_INACTIVE) {
                const HWND foco = GetFocus();
                if (foco != nullptr && IsChild(hwnd_, foco)) focoGuardado_ = foco;
                return 0;
            }
            if (focoGuardado_ != nullptr && IsWindow(focoGuardado_)) {
                SetFocus(focoGuardado_);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, mensaje, w, l);
}

LRESULT CALLBACK procVentana(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE) {
        const auto* creacion = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creacion->lpCreateParams));
        return DefWindowProcW(hwnd, mensaje, w, l);
    }
    auto* ventana = reinterpret_cast<VentanaWin32*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (ventana == nullptr || ventana->hwnd() != hwnd) return DefWindowProcW(hwnd, mensaje, w, l);
    return ventana->procesar(mensaje, w, l);
}

// A frame passes its controls' notices up to the window, paints its own
// background and is clicked where no control covers it.
LRESULT CALLBACK procMarco(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetParent(hwnd), mensaje, w, l);
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(w), &r,
                     reinterpret_cast<HBRUSH>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
            if (const VentanaWin32* ventana = deVentana(GetAncestor(hwnd, GA_ROOT)))
                ventana->pintarImagenes(hwnd, reinterpret_cast<HDC>(w));
            return 1;
        }
        case WM_LBUTTONUP:
            if (VentanaWin32* ventana = deVentana(GetAncestor(hwnd, GA_ROOT)))
                ventana->clickEnMarco(hwnd, POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            return 0;
        default:
            return DefWindowProcW(hwnd, mensaje, w, l);
    }
}

// An etched separator: a grey line over a white one, at the top of its
// place whatever its height (the system's own etched static resizes itself).
LRESULT CALLBACK procLinea(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_ERASEBKGND) return 1;
    if (mensaje != WM_PAINT) return DefWindowProcW(hwnd, mensaje, w, l);
    PAINTSTRUCT pintura;
    HDC dc = BeginPaint(hwnd, &pintura);
    RECT r{};
    GetClientRect(hwnd, &r);
    DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
    EndPaint(hwnd, &pintura);
    return 0;
}

// A drawing on white, fitted to the control. Painted off screen first, so
// that a chart redrawn while resized does not flicker.
void pintarGrafico(HWND hwnd, HDC dc) {
    RECT r{};
    GetClientRect(hwnd, &r);
    HDC memoria = CreateCompatibleDC(dc);
    HBITMAP lamina = CreateCompatibleBitmap(dc, std::max<LONG>(1, r.right), std::max<LONG>(1, r.bottom));
    const HGDIOBJ previa = SelectObject(memoria, lamina);
    FillRect(memoria, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (const auto* dibujo = reinterpret_cast<const Dibujo*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        pintarDibujo(memoria, *dibujo, r);
    BitBlt(dc, 0, 0, r.right, r.bottom, memoria, 0, 0, SRCCOPY);
    SelectObject(memoria, previa);
    DeleteObject(lamina);
    DeleteDC(memoria);
}

LRESULT CALLBACK procGrafico(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT:
            pintarGrafico(hwnd, reinterpret_cast<HDC>(w));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT pintura;
            HDC dc = BeginPaint(hwnd, &pintura);
            pintarGrafico(hwnd, dc);
            EndPaint(hwnd, &pintura);
            return 0;
        }
        case WM_SIZE:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        default:
            return DefWindowProcW(hwnd, mensaje, w, l);
    }
}

}  // namespace

bool mensajeDeVentanas(MSG& mensaje) {
    if (mensaje.hwnd == nullptr) return false;
    VentanaWin32* ventana = deVentana(GetAncestor(mensaje.hwnd, GA_ROOT));
    return ventana != nullptr && ventana->tecla(mensaje);
}

PantallaWin32::PantallaWin32(const Reloj& reloj) : reloj_(reloj) {
    INITCOMMONCONTROLSEX comunes{sizeof comunes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&comunes);
}

std::unique_ptr<Ventana> PantallaWin32::crear(const DisenoVentana& diseno, ReceptorEventos& receptor) {
    return std::make_unique<VentanaWin32>(diseno, receptor, reloj_);
}

HWND PantallaWin32::ventana(const Ventana& ventana) {
    const auto* v = dynamic_cast<const VentanaWin32*>(&ventana);
    return v == nullptr ? nullptr : v->hwnd();
}

HWND PantallaWin32::control(const Ventana& ventana, std::string_view nombre) {
    const auto* v = dynamic_cast<const VentanaWin32*>(&ventana);
    return v == nullptr ? nullptr : v->controlPorNombre(nombre);
}

HMENU PantallaWin32::menu(const Ventana& ventana, std::string_view nombre) {
    const auto* v = dynamic_cast<const VentanaWin32*>(&ventana);
    return v == nullptr ? nullptr : v->menuPorNombre(nombre);
}

}  // namespace tarvolo
