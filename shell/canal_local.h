#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

#include "instancia_unica.h"

namespace tarvolo {

// The channel between starts: a local socket in the user's runtime folder,
// private to the user. A socket file left by a program that crashed answers
// no one and is replaced.
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
    bool llamar();
    void atender();

    QString ruta_;
    QLocalServer servidor_;
    std::function<void()> alAviso_;
    std::unique_ptr<QLockFile> cerrojo_;
};

}  // namespace tarvolo
