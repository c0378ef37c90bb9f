#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "falsos/entorno.h"
#include "qt/disposicion.h"
#include "qt/pantalla_qt.h"

namespace tarvolo::prueba {

// The program's windows on Qt; with a name, that window is opened first,
// and w is its widget. Windows closed during a test are deleted when it ends.
class EntornoVentanas : public EntornoDe<PantallaQt> {
protected:
    explicit EntornoVentanas(const char* abierta = nullptr)
        : abierta_(abierta), w(abierta == nullptr ? nullptr : mostrar(abierta)) {}
    ~EntornoVentanas() override {
        ventanas.descargarTodas();
        borrarCerradas();
    }

    // Closed windows are deleted at the next turn of the event loop.
    static void borrarCerradas() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The widget of the window of that name, loaded and shown if need be.
    QWidget* mostrar(const char* nombre) {
        Formulario* f = ventanas.mostrar(nombre);
        QWidget* w = f == nullptr ? nullptr : PantallaQt::widget(f->ventana());
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }
    // The widget of the window of that name while it is loaded; null otherwise.
    QWidget* abierta(const char* nombre) const {
        const Formulario* f = ventanas.abierta(nombre);
        return f == nullptr ? nullptr : PantallaQt::widget(f->ventana());
    }

    // The names of the windows loaded now, in a fixed order.
    QStringList abiertas() const {
        QStringList nombres;
        for (const std::string& n : cargadas()) nombres.append(QString::fromStdString(n));
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
    bool abierto() const { return abierta(abierta_) != nullptr; }

private:
    const char* abierta_;

protected:
    QWidget* w;
};

// A message's text as Qt's assertions compare it.
inline QStringList textos(const MensajesGrabados& m) {
    QStringList t;
    for (const std::string& s : m.textos) t.append(QString::fromStdString(s));
    return t;
}

}  // namespace tarvolo::prueba
