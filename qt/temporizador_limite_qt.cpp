// The alarm where no wall-clock timer exists: a Qt timer for the time left.
// It does not see the clock set nor the zone changed until it goes off.
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <ctime>

#include "alarmas.h"

namespace tarvolo {

namespace {

class TemporizadorLimiteQt final : public TemporizadorLimite {
public:
    TemporizadorLimiteQt() {
        reloj_.setSingleShot(true);
        reloj_.setTimerType(Qt::VeryCoarseTimer);
        QObject::connect(&reloj_, &QTimer::timeout, [this] { sonar(); });
    }

    void armar(Fecha dia) override {
        using namespace std::chrono;
        const auto falta = seconds{inicioDelDiaLocal(dia) - std::time(nullptr)};
        // At most a week and a day is ever asked for, well inside the timer's range.
        reloj_.start(duration_cast<milliseconds>(std::max(falta, seconds{0})));
    }

private:
    QTimer reloj_;
};

}  // namespace

std::unique_ptr<TemporizadorLimite> temporizadorDelSistema(const char*) {
    return std::make_unique<TemporizadorLimiteQt>();
}

}  // namespace tarvolo
