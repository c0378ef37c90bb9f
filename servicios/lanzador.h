#pragma once

#include <string>

namespace tarvolo {

// Files and programs of the machine, as the About window looks for and
// starts the system-information tool. Paths are UTF-8.
class Lanzador {
public:
    virtual ~Lanzador() = default;
    virtual bool existeArchivo(const std::string& ruta) const = 0;
    // Starts the program in a normal window that takes the focus, without
    // waiting; false if it could not be started.
    virtual bool iniciar(const std::string& programa) = 0;
};

}  // namespace tarvolo
