#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "falsos/falsos_ventanas.h"
#include "falsos/impresora_grabada.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "shell/servicios.h"
#include "shell/ventanas.h"
#include "windows/disposicion.h"
#include "windows/frm_about.h"
#include "windows/frm_dia.h"
#include "windows/frm_hoy.h"
#include "windows/frm_rango.h"
#include "windows/frm_splash.h"

namespace tarvolo::prueba {

using namespace std::chrono_literals;

// The program's services on a fixed today (5 March 2005 unless a test moves
// it), with recorded messages and no window registered yet. Windows closed
// during a test are deleted when it ends.
class ServiciosDePrueba : public ::testing::Test {
protected:
    RelojFijo reloj{2005y / std::chrono::March / 5};
    MensajesGrabados mensajes;
    Ventanas ventanas;
    Servicios servicios{ventanas, mensajes, reloj};

    ~ServiciosDePrueba() override { borrarCerradas(); }

    // Closed windows are deleted at the next turn of the event loop.
    static void borrarCerradas() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// The windows registered by name as the program does, on fake back ends.
// The year table window prints on a recording printer, which fails where
// `fallarEn` says.
class EntornoVentanas : public ServiciosDePrueba {
protected:
    std::shared_ptr<EstadoCalendario> calendario = std::make_shared<EstadoCalendario>();
    RegistroFalso registro;
    LanzadorFalso lanzador;
    QStringList llamadas;  // the printer's, in order
    QString fallarEn;

    EntornoVentanas() {
        ventanas.registrar(QStringLiteral("frmHoy"), [this] { return new frmHoy(servicios); });
        ventanas.registrar(QStringLiteral("frmDia"), [this] {
            return new frmDia(servicios,
                              [this] { return std::make_unique<CalendarioFalso>(calendario, reloj); });
        });
        ventanas.registrar(QStringLiteral("frmRango"), [this] {
            return new frmRango(servicios, [this]() -> std::unique_ptr<Impresora> {
                auto impresora = std::make_unique<ImpresoraGrabada>(llamadas);
                impresora->fallarEn = fallarEn;
                return impresora;
            });
        });
        ventanas.registrar(QStringLiteral("frmAbout"),
                           [this] { return new frmAbout(servicios, registro, lanzador); });
        ventanas.registrar(QStringLiteral("frmSplash"), [this] { return new frmSplash(servicios); });
    }

    ~EntornoVentanas() override {
        ventanas.descargarTodas();
        borrarCerradas();
    }

    template <typename T>
    T* mostrar(const char* nombre) {
        auto* w = dynamic_cast<T*>(ventanas.mostrar(QString::fromLatin1(nombre)));
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }

    // The names of the windows loaded now, in a fixed order.
    QStringList abiertas() const {
        QStringList nombres;
        for (const char* n : {"frmHoy", "frmDia", "frmRango", "frmAbout", "frmSplash"})
            if (ventanas.abierta(QString::fromLatin1(n)) != nullptr) nombres.append(QString::fromLatin1(n));
        return nombres;
    }

    template <typename T = QWidget>
    static T* hijo(const QWidget* ventana, const char* nombre) {
        auto* w = ventana->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }

    static QAction* accion(const QWidget* ventana, const char* nombre) {
        return hijo<QAction>(ventana, nombre);
    }

    // What the menu bar shows, entry by entry, with each menu's items:
    // "&Archivo[&Salir]" for a menu, "A&cerca de..." for an entry that acts
    // directly; a disabled item is marked with "~".
    static QStringList barraDeMenus(const QWidget* ventana) {
        QStringList entradas;
        for (QAction* a : hijo<QMenuBar>(ventana, nullptr)->actions()) {
            QString e = a->text();
            if (a->menu() != nullptr) {
                QStringList items;
                for (QAction* i : a->menu()->actions()) items.append((i->isEnabled() ? "" : "~") + i->text());
                e += "[" + items.join("|") + "]";
            }
            entradas.append(e);
        }
        return entradas;
    }

    static QRect enPixeles(const QWidget* w, int izquierda, int arriba, int ancho, int alto) {
        return {pixeles(w, izquierda), pixeles(w, arriba), pixeles(w, ancho), pixeles(w, alto)};
    }
};

}  // namespace tarvolo::prueba
