#pragma once

#include <QObject>
#include <ctime>
#include <memory>

#include "calendar/dias.h"

namespace tarvolo {

// One alarm at the local midnight that begins a given day, which also goes
// off when the clock is set or the time zone changes before it: then the
// boundary may have been crossed, or may lie elsewhere now. Whoever listens
// looks at the clock again and arms the next one; nothing here polls.
class TemporizadorLimite : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TemporizadorLimite() override = default;

    // Replaces any alarm armed before. A day whose midnight has passed
    // already goes off at once.
    virtual void armar(Fecha dia) = 0;

signals:
    void alarma();
};

// The first instant of a local day: its midnight, or where a change to
// summer time skips midnight, the first time the clocks show that day.
std::time_t inicioDelDiaLocal(Fecha dia);

// The alarm on this system's own clock; `zonaHoraria` is the file whose
// replacement means the time zone changed.
std::unique_ptr<TemporizadorLimite> temporizadorDelSistema(const char* zonaHoraria = "/etc/localtime");

}  // namespace tarvolo
