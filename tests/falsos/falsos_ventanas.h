#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "servicios/lanzador.h"
#include "servicios/registro.h"

namespace tarvolo::prueba {

struct ValorRegistro {
    std::uint32_t tipo;
    std::vector<unsigned char> bytes;
};

inline std::vector<unsigned char> bytesDe(const std::string& s) {
    return {s.begin(), s.end()};
}

// A registry in memory: keys under HKEY_LOCAL_MACHINE with their values.
// Keys marked read-only refuse an open that asks for write rights.
class RegistroFalso final : public Registro {
public:
    static constexpr long kNoEncontrado = 2;
    static constexpr long kAccesoDenegado = 5;
    static constexpr long kMasDatos = 234;
    static constexpr std::uint32_t kDerechosDeEscritura = 0x00016;  // set value, create key, create link

    std::map<std::string, std::map<std::string, ValorRegistro>> claves;
    std::set<std::string> soloLectura;
    std::vector<std::uint32_t> accesosPedidos;
    std::vector<Clave> cerradas;

    long abrir(std::uint32_t raiz, const std::string& subclave, std::uint32_t acceso, Clave& clave) override {
        accesosPedidos.push_back(acceso);
        const auto it = claves.find(subclave);
        if (raiz != kHkeyLocalMachine || it == claves.end()) return kNoEncontrado;
        if (soloLectura.count(subclave) != 0 && (acceso & kDerechosDeEscritura) != 0) return kAccesoDenegado;
        abiertas_.push_back(subclave);
        clave = abiertas_.size();  // never 0
        return 0;
    }
    long consultar(Clave clave, const std::string& nombre, std::uint32_t& tipo,
                   std::vector<unsigned char>& datos, std::uint32_t& tamano) override {
        const auto& valores = claves.at(abiertas_.at(clave - 1));
        const auto it = valores.find(nombre);
        if (it == valores.end()) return kNoEncontrado;
        tipo = it->second.tipo;
        const auto& bytes = it->second.bytes;
        if (bytes.size() > tamano || bytes.size() > datos.size()) {
            tamano = static_cast<std::uint32_t>(bytes.size());
            return kMasDatos;
        }
        std::copy(bytes.begin(), bytes.end(), datos.begin());
        tamano = static_cast<std::uint32_t>(bytes.size());
        return 0;
    }
    long cerrar(Clave clave) override {
        cerradas.push_back(clave);
        return 0;
    }

private:
    std::vector<std::string> abiertas_;
};

class LanzadorFalso final : public Lanzador {
public:
    std::set<std::string> archivos;
    bool arrancan = true;
    std::vector<std::string> pedidos;  // every program it was asked to start

    bool existeArchivo(const std::string& ruta) const override { return archivos.count(ruta) != 0; }
    bool iniciar(const std::string& programa) override {
        pedidos.push_back(programa);
        return arrancan;
    }
};

}  // namespace tarvolo::prueba
