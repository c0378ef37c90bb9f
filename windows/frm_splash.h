#pragma once

#include "ventana_programa.h"

class QFrame;
class QLabel;
class QTimer;

namespace tarvolo {

// The window that announces the program at start-up. It closes itself after
// three seconds, at any key, or at a click on its white frame.
class frmSplash : public VentanaPrograma {
    Q_OBJECT
public:
    explicit frmSplash(Servicios& servicios);

    static constexpr int kIntervaloMs = 3000;

    void Form_Load();
    void Form_KeyPress();
    void Timer1_Timer();
    void Frame1_Click();

protected:
    // Sees every key before the controls do, and the clicks on Frame1.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearControles();
    // Stops the timer and unloads the window, whichever way it closes.
    void terminar();

    QFrame* frame1_ = nullptr;
    QLabel* lblProductName_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QTimer* timer1_ = nullptr;
    int derechaVersion_ = 0;  // the version line grows to the left from here
};

}  // namespace tarvolo
