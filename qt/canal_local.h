#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "shell/instancia_unica.h"

class QSocketNotifier;

namespace tarvolo {

// The channel between starts: a Unix socket in the user's runtime folder,
// private to the user, watched by the event loop. A socket file left by a
// program that crashed answers no one and is replaced.
class CanalLocal final : public CanalInstancia {
public:
    // `ruta`: the socket's full path.
    explicit CanalLocal(QString ruta);
    ~CanalLocal() override;

    // A start that found no one keeps the others out until it listens.
    bool avisarALaQueCorre() override;
    bool escuchar(std::function<void()> alAviso) override;

    // The session's socket: the application id in $XDG_RUNTIME_DIR (or Qt's
    // own runtime folder when that is not set).
    static QString rutaDeLaSesion();
    // What a start writes; the running program answers nothing else.
    static inline constexpr char kOrdenMostrarHoy[] = "mostrar frmHoy\n";

private:
    class Cliente;

    bool llamar();
    void atender();
    void leer(Cliente& cliente);
    void terminar(Cliente& cliente);

    QString ruta_;
    int escucha_ = -1;
    std::unique_ptr<QSocketNotifier> aviso_;
    std::vector<std::unique_ptr<Cliente>> clientes_;
    std::function<void()> alAviso_;
    std::unique_ptr<QLockFile> cerrojo_;
};

}  // namespace tarvolo
