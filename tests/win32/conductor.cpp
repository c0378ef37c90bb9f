// The end-to-end tests' hands and eyes inside Wine: a console program started
// in the same prefix as tarvolo.exe, which finds its windows by title and
// reads and works their controls as another program on Windows can.
//   conductor ventanas                     visible top-level windows
//   conductor controles TÍTULO             the window's controls, one a line
//   conductor pulsar TÍTULO TEXTO          clicks the button captioned TEXTO
//   conductor escribir TÍTULO RÓTULO TEXTO writes into the text box the label
//                                          RÓTULO names (the next control)
//   conductor menu TÍTULO MENÚ ENTRADA     chooses an entry of the menu bar
//   conductor cerrar TÍTULO                closes it as its frame's close box
//   conductor bandeja MENSAJE              sends the program's icon a mouse message
//                                          (decimal) as the shell does
//   conductor emergente N                  in the pop-up menu on screen, N presses
//                                          of Down (of Up if negative), then Enter
//   conductor cronometrar TÍTULO RÓTULO TEXTO BOTÓN ESPERA
//                                          writes TEXTO as escribir does, clicks
//                                          BOTÓN and waits (up to ten minutes) while
//                                          a label's text starts with ESPERA; prints
//                                          the milliseconds from the click
// Output and arguments are UTF-8; exit status 1 when the window or control is
// not there, 2 on a usage error. With the one argument "-" it reads its
// arguments from standard input, one a line: Wine turns a command line into
// UTF-16 through the locale's code page, which may not be UTF-8, while a
// pipe's bytes arrive as they were.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "win32/texto_utf16.h"

namespace {

using tarvolo::utf16DeUtf8;
using tarvolo::utf8DeUtf16;

// Through another process's message queue, which may be busy: a bounded wait.
std::wstring textoDe(HWND w) {
    DWORD_PTR largo = 0;
    if (SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &largo) == 0) return {};
    std::wstring r(largo + 1, L'\0');
    DWORD_PTR copiados = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, largo + 1, reinterpret_cast<LPARAM>(r.data()), SMTO_ABORTIFHUNG, 2000,
                        &copiados);
    r.resize(copiados);
    return r;
}

std::wstring claseDe(HWND w) {
    wchar_t clase[128] = {};
    GetClassNameW(w, clase, 128);
    return clase;
}

// One line per control: line ends and tabs written as \n and \t.
std::string enUnaLinea(const std::wstring& texto) {
    std::string r;
    for (char c : utf8DeUtf16(texto)) {
        if (c == '\r') continue;
        if (c == '\n')
            r += "\\n";
        else if (c == '\t')
            r += "\\t";
        else
            r += c;
    }
    return r;
}

HWND ventanaTitulada(const std::wstring& titulo) {
    struct Busqueda {
        const std::wstring* titulo;
        HWND hallada;
    } b{&titulo, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* b = reinterpret_cast<Busqueda*>(p);
            if (!IsWindowVisible(w) || textoDe(w) != *b->titulo) return TRUE;
            b->hallada = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&b));
    return b.hallada;
}

std::vector<HWND> controlesDe(HWND ventana) {
    std::vector<HWND> r;
    EnumChildWindows(
        ventana,
        [](HWND w, LPARAM p) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&r));
    return r;
}

std::wstring sinAcceso(std::wstring texto) {
    std::wstring r;
    for (wchar_t c : texto)
        if (c != L'&') r += c;
    if (auto tab = r.find(L'\t'); tab != std::wstring::npos) r.resize(tab);
    return r;
}

int listarVentanas() {
    EnumWindows(
        [](HWND w, LPARAM) -> BOOL {
            if (IsWindowVisible(w))
                std::printf("%llu\t%s\t%s\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(w)),
                            utf8DeUtf16(claseDe(w)).c_str(), enUnaLinea(textoDe(w)).c_str());
            return TRUE;
        },
        0);
    return 0;
}

int listarControles(HWND ventana) {
    for (HWND c : controlesDe(ventana)) {
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(HWND_DESKTOP, ventana, reinterpret_cast<POINT*>(&r), 2);
        std::printf("%s\t%s\t%ld %ld %ld %ld\t%s\n", utf8DeUtf16(claseDe(c)).c_str(),
                    enUnaLinea(textoDe(c)).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                    IsWindowVisible(c) ? "visible" : "oculto");
    }
    return 0;
}

int pulsar(HWND ventana, const std::wstring& texto) {
    for (HWND c : controlesDe(ventana)) {
        if (claseDe(c) == L"Button" && sinAcceso(textoDe(c)) == texto) {
            PostMessageW(c, BM_CLICK, 0, 0);
            return 0;
        }
    }
    return 1;
}

int escribir(HWND ventana, const std::wstring& rotulo, const std::wstring& texto) {
    for (HWND c : controlesDe(ventana)) {
        if (claseDe(c) != L"Static" || sinAcceso(textoDe(c)) != rotulo) continue;
        HWND caja = GetWindow(c, GW_HWNDNEXT);
        if (caja == nullptr || claseDe(caja) != L"Edit") return 1;
        DWORD_PTR hecho = 0;
        SendMessageTimeoutW(caja, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()), SMTO_ABORTIFHUNG,
                            5000, &hecho);
        return 0;
    }
    return 1;
}

// The click is sent, not posted: when it returns the window has taken it
// and shows that it is working.
int cronometrar(HWND ventana, const std::vector<std::wstring>& a) {
    if (escribir(ventana, a[0], a[1]) != 0) return 1;
    HWND boton = nullptr;
    for (HWND c : controlesDe(ventana))
        if (claseDe(c) == L"Button" && sinAcceso(textoDe(c)) == a[2]) boton = c;
    if (boton == nullptr) return 1;
    const auto trabajando = [&] {
        for (HWND c : controlesDe(ventana))
            if (claseDe(c) == L"Static" && textoDe(c).starts_with(a[3])) return true;
        return false;
    };
    LARGE_INTEGER frecuencia{}, inicio{}, fin{};
    QueryPerformanceFrequency(&frecuencia);
    QueryPerformanceCounter(&inicio);
    DWORD_PTR hecho = 0;
    if (SendMessageTimeoutW(boton, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &hecho) == 0) return 1;
    if (!trabajando()) return 1;
    for (const ULONGLONG limite = GetTickCount64() + 600000; trabajando();) {
        if (GetTickCount64() > limite) return 1;
        Sleep(5);
    }
    QueryPerformanceCounter(&fin);
    std::printf("%lld\n", (fin.QuadPart - inicio.QuadPart) * 1000 / frecuencia.QuadPart);
    return 0;
}

int elegirMenu(HWND ventana, const std::wstring& menu, const std::wstring& entrada) {
    HMENU barra = GetMenu(ventana);
    for (int i = 0; barra != nullptr && i < GetMenuItemCount(barra); ++i) {
        wchar_t texto[128] = {};
        GetMenuStringW(barra, static_cast<UINT>(i), texto, 128, MF_BYPOSITION);
        if (sinAcceso(texto) != menu) continue;
        HMENU sub = GetSubMenu(barra, i);
        for (int j = 0; sub != nullptr && j < GetMenuItemCount(sub); ++j) {
            GetMenuStringW(sub, static_cast<UINT>(j), texto, 128, MF_BYPOSITION);
            if (sinAcceso(texto) != entrada) continue;
            PostMessageW(ventana, WM_COMMAND, MAKEWPARAM(GetMenuItemID(sub, j), 0), 0);
            return 0;
        }
    }
    return 1;
}

// The menu loop reads the keys from its thread's queue, whichever window
// they were posted to.
int elegirEmergente(int pasos) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return 1;
    const WPARAM tecla = pasos < 0 ? VK_UP : VK_DOWN;
    for (int i = 0; i < (pasos < 0 ? -pasos : pasos); ++i) {
        PostMessageW(menu, WM_KEYDOWN, tecla, 0);
        PostMessageW(menu, WM_KEYUP, tecla, 0);
    }
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return 0;
}

// The shell tells the icon's owner of the mouse by its callback message,
// 0x200, with the mouse message in the low word of lParam.
int avisarIcono(UINT raton) {
    HWND dueno = FindWindowW(L"TarvoloBandeja", nullptr);
    if (dueno == nullptr) return 1;
    return PostMessageW(dueno, WM_MOUSEMOVE, 1, static_cast<LPARAM>(raton)) ? 0 : 1;
}

}  // namespace

int main() {
    // The arguments as typed, in UTF-8 whatever the console's code page.
    int argc = 0;
    LPWSTR* argw = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> a;
    for (int i = 1; i < argc; ++i) a.push_back(utf8DeUtf16(argw[i]));
    LocalFree(argw);
    if (a.size() == 1 && a[0] == "-") {
        a.clear();
        std::string linea;
        for (int c; (c = std::getchar()) != EOF;) {
            if (c == '\n') {
                a.push_back(linea);
                linea.clear();
            } else if (c != '\r') {
                linea += static_cast<char>(c);
            }
        }
        if (!linea.empty()) a.push_back(linea);
    }
    if (a.empty()) return 2;
    if (a[0] == "ventanas") return listarVentanas();
    if (a[0] == "bandeja" && a.size() == 2) return avisarIcono(static_cast<UINT>(std::stoul(a[1])));
    if (a[0] == "emergente" && a.size() == 2) return elegirEmergente(std::stoi(a[1]));
    if (a.size() < 2) return 2;
    HWND ventana = ventanaTitulada(utf16DeUtf8(a[1]));
    if (ventana == nullptr) return 1;
    if (a[0] == "controles") return listarControles(ventana);
    if (a[0] == "cerrar") return PostMessageW(ventana, WM_CLOSE, 0, 0) ? 0 : 1;
    if (a[0] == "pulsar" && a.size() == 3) return pulsar(ventana, utf16DeUtf8(a[2]));
    if (a[0] == "escribir" && a.size() == 4) return escribir(ventana, utf16DeUtf8(a[2]), utf16DeUtf8(a[3]));
    if (a[0] == "menu" && a.size() == 4) return elegirMenu(ventana, utf16DeUtf8(a[2]), utf16DeUtf8(a[3]));
    if (a[0] == "cronometrar" && a.size() == 6)
        return cronometrar(ventana,
                           {utf16DeUtf8(a[2]), utf16DeUtf8(a[3]), utf16DeUtf8(a[4]), utf16DeUtf8(a[5])});
    return 2;
}
