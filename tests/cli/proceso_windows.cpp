#include <windows.h>

#include "proceso.h"

namespace tarvolo::prueba {

namespace {

std::wstring ancho(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring texto(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), texto.data(), n);
    return texto;
}

// One argument as CommandLineToArgvW and the C runtime split it again:
// quoted, a quote escaped with a backslash, and the backslashes before a
// quote (or before the closing one) doubled.
void citar(std::wstring& linea, const std::wstring& argumento) {
    linea += L'"';
    std::size_t barras = 0;
    for (const wchar_t c : argumento) {
        if (c == L'\\') {
            ++barras;
            continue;
        }
        linea.append(c == L'"' ? 2 * barras + 1 : barras, L'\\');
        barras = 0;
        linea += c;
    }
    linea.append(2 * barras, L'\\');
    linea += L'"';
}

std::wstring lineaDeOrdenes(const std::string& programa, const std::vector<std::string>& argumentos) {
    std::wstring linea;
    citar(linea, ancho(programa));
    for (const auto& a : argumentos) {
        linea += L' ';
        citar(linea, ancho(a));
    }
    return linea;
}

// A file handle the child inherits.
HANDLE abrir(const std::filesystem::path& ruta, bool escribir) {
    SECURITY_ATTRIBUTES heredable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(ruta.wstring().c_str(), escribir ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
                       &heredable, escribir ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// CreateProcessW's limit, in UTF-16 units with the final NUL.
constexpr std::size_t kLineaMasLarga = 32767;

}  // namespace

Proceso ejecutar(const std::string& programa, const std::vector<std::string>& argumentos,
                 const std::string& entrada) {
    const CarpetaTemporal carpeta;
    escribirArchivo(carpeta.ruta() / "in", entrada);
    Proceso p{-1, "", ""};
    {
        HANDLE in = abrir(carpeta.ruta() / "in", false);
        HANDLE out = abrir(carpeta.ruta() / "out", true);
        HANDLE err = abrir(carpeta.ruta() / "err", true);
        std::wstring linea = lineaDeOrdenes(programa, argumentos);
        STARTUPINFOW inicio{};
        inicio.cb = sizeof(inicio);
        inicio.dwFlags = STARTF_USESTDHANDLES;
        inicio.hStdInput = in;
        inicio.hStdOutput = out;
        inicio.hStdError = err;
        PROCESS_INFORMATION proceso{};
        const bool iniciado = in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE &&
                              err != INVALID_HANDLE_VALUE &&
                              CreateProcessW(ancho(programa).c_str(), linea.data(), nullptr, nullptr, TRUE,
                                             CREATE_NO_WINDOW, nullptr, nullptr, &inicio, &proceso);
        if (iniciado) {
            WaitForSingleObject(proceso.hProcess, INFINITE);
            DWORD estado = 0;
            GetExitCodeProcess(proceso.hProcess, &estado);
            p.estado = static_cast<int>(estado);
            CloseHandle(proceso.hThread);
            CloseHandle(proceso.hProcess);
        } else {
            p.errores = "CreateProcessW: error " + std::to_string(GetLastError());
        }
        for (HANDLE h : {in, out, err})
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    if (p.estado != -1) {
        p.salida = leerArchivo(carpeta.ruta() / "out");
        p.errores = leerArchivo(carpeta.ruta() / "err");
    }
    return p;
}

std::size_t argumentoMasLargo(const std::string& programa, const std::vector<std::string>& otros) {
    // The line holding the others, plus a space and two quotes for the new one.
    const std::size_t usado = lineaDeOrdenes(programa, otros).size() + 3 + 1;
    return usado < kLineaMasLarga ? kLineaMasLarga - usado : 0;
}

}  // namespace tarvolo::prueba
