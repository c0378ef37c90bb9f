#pragma once

#include <QString>

namespace tarvolo {

// Files and programs of the machine, as the About window looks for and
// starts the system-information tool.
class Lanzador {
public:
    virtual ~Lanzador() = default;
    virtual bool existeArchivo(const QString& ruta) const = 0;
    // Starts the program in a normal window, without waiting; false if it
    // could not be started.
    virtual bool iniciar(const QString& programa) = 0;
};

class LanzadorQt final : public Lanzador {
public:
    bool existeArchivo(const QString& ruta) const override;
    bool iniciar(const QString& programa) override;
};

}  // namespace tarvolo
