#include <windows.h>

#include <algorithm>
#include <string>

#include "servicios/registro.h"
#include "texto_utf16.h"

namespace tarvolo {

namespace {

// The registry of advapi32, through its ANSI calls.
class RegistroWindows final : public Registro {
public:
    // Only the read rights of those asked: a user who is not an
    // administrator cannot open HKEY_LOCAL_MACHINE for writing, and the
    // About window never writes.
    long abrir(std::uint32_t raiz, const std::string& subclave, std::uint32_t acceso, Clave& clave) override {
        HKEY abierta = nullptr;
        const LONG r = RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(raiz)), subclave.c_str(),
                                     0, acceso & KEY_READ, &abierta);
        clave = reinterpret_cast<Clave>(abierta);
        return r;
    }
    long consultar(Clave clave, const std::string& nombre, std::uint32_t& tipo,
                   std::vector<unsigned char>& datos, std::uint32_t& tamano) override {
        DWORD t = 0;
        DWORD n = static_cast<DWORD>(std::min<std::size_t>(tamano, datos.size()));
        const LONG r =
            RegQueryValueExA(reinterpret_cast<HKEY>(clave), nombre.c_str(), nullptr, &t, datos.data(), &n);
        tipo = t;
        tamano = n;
        return r;
    }
    long cerrar(Clave clave) override { return RegCloseKey(reinterpret_cast<HKEY>(clave)); }
    // The ANSI calls give bytes of the machine's code page.
    std::string texto(const std::vector<unsigned char>& bytes) const override {
        const auto* ansi = reinterpret_cast<const char*>(bytes.data());
        const int n = static_cast<int>(bytes.size());
        const int anchos = MultiByteToWideChar(CP_ACP, 0, ansi, n, nullptr, 0);
        std::wstring utf16(static_cast<std::size_t>(anchos), L'\0');
        MultiByteToWideChar(CP_ACP, 0, ansi, n, utf16.data(), anchos);
        return utf8DeUtf16(utf16);
    }
};

}  // namespace

std::unique_ptr<Registro> registroDelSistema() {
    return std::make_unique<RegistroWindows>();
}

}  // namespace tarvolo
