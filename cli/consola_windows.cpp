#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdio>

#include "consola.h"

namespace tarvolo {

namespace {

// The console's output code page before the companion ran; 0 when it did
// not change it (no console, or already UTF-8).
UINT paginaAnterior = 0;

void restaurarPagina() noexcept {
    if (paginaAnterior != 0) SetConsoleOutputCP(paginaAnterior);
    paginaAnterior = 0;
}

// Ctrl+C and closing the window end the process without running
// destructors: the console gets its code page back first, then the default
// handler ends the process as usual.
BOOL WINAPI alInterrumpir(DWORD) noexcept {
    restaurarPagina();
    return FALSE;
}

std::string utf8(const wchar_t* texto) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto, -1, bytes.data(), n, nullptr, nullptr);
    bytes.pop_back();  // the NUL
    return bytes;
}

}  // namespace

// argv is in the ANSI code page, where characters it lacks become '?' or a
// look-alike ("２" as "2"): the command line is read again in UTF-16 and
// turned into UTF-8, the program's own text encoding.
Consola::Consola(int, char**) {
    int n = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (argv != nullptr) {
        for (int i = 1; i < n; ++i) argumentos_.push_back(utf8(argv[i]));
        LocalFree(argv);
    }
    // Text mode would turn every "\n" into CR LF, and a table's own CR LF
    // into CR CR LF.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // In a console the UTF-8 bytes show as "sábado" only under the UTF-8
    // code page; into a file or a pipe the bytes are the same either way.
    DWORD modo = 0;
    const bool enConsola = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &modo) != 0 ||
                           GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &modo) != 0;
    const UINT actual = GetConsoleOutputCP();
    if (enConsola && actual != 0 && actual != CP_UTF8) {
        paginaAnterior = actual;
        SetConsoleCtrlHandler(alInterrumpir, TRUE);
        SetConsoleOutputCP(CP_UTF8);
    }
}

Consola::~Consola() {
    std::fflush(stdout);
    std::fflush(stderr);
    restaurarPagina();
}

}  // namespace tarvolo
