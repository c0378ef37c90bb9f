#!/usr/bin/python3
"""The tray item and the notifications of the D-Bus desktop, on the session
bus of DBUS_SESSION_BUS_ADDRESS.

  sni.py notificaciones ARCHIVO  a notification daemon: each notification
                                 becomes a line "title<TAB>text" of ARCHIVO
  sni.py item                    the registered item, "service path"; fails
                                 when there is none
  sni.py tip                     the item's tooltip title
  sni.py icono                   the item's icon, one line a size:
                                 "WxH sha1-of-ARGB-bytes"
  sni.py icono-es N RGBA         succeeds when the top quarter of the item's
                                 NxN picture is that of file RGBA (raw 8-bit
                                 RGBA bytes), but for rounding: the rest may
                                 carry the week's number
  sni.py llamar METODO X Y       calls Activate, ContextMenu... on the item
  sni.py menu                    the labels of the menu the item publishes
  sni.py elegir ETIQUETA         clicks that entry of the published menu

Each command answers at once (but the daemon); the caller waits by asking again.
"""
import hashlib
import sys

import dbus

VIGILANTE = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"


def bus():
    return dbus.SessionBus()


def item():
    vigilante = bus().get_object(VIGILANTE, "/StatusNotifierWatcher")
    items = vigilante.Get(VIGILANTE, "RegisteredStatusNotifierItems",
                          dbus_interface="org.freedesktop.DBus.Properties")
    if not items:
        raise SystemExit(1)
    # Either "service/path" or a bare service at the usual path.
    texto = str(items[0])
    servicio, _, ruta = texto.partition("/")
    return servicio, "/" + ruta if ruta else "/StatusNotifierItem"


def propiedad(nombre):
    servicio, ruta = item()
    return bus().get_object(servicio, ruta).Get(ITEM, nombre, dbus_interface="org.freedesktop.DBus.Properties")


def menu_publicado():
    servicio, _ = item()
    ruta = str(propiedad("Menu"))
    return bus().get_object(servicio, ruta)


def entradas(menu):
    _, (_, _, hijos) = menu.GetLayout(0, -1, ["label", "visible", "type"], dbus_interface=MENU)
    for hijo in hijos:
        ident, props, _ = hijo
        if props.get("type") == "separator":
            continue
        yield int(ident), str(props.get("label", "")).replace("_", "")


def icono_es(lado, rgba):
    for ancho, alto, datos in propiedad("IconPixmap"):
        if ancho != lado or alto != lado:
            continue
        argb = bytes(datos)
        if len(argb) != len(rgba):
            return False
        for i in range(0, len(rgba) // 4, 4):
            a = argb[i]
            if abs(a - rgba[i + 3]) > 3:
                print(f"píxel {i // 4}: ARGB {tuple(argb[i:i + 4])}, esperado RGBA {tuple(rgba[i:i + 4])}",
                      file=sys.stderr)
                return False
            # Colour under full transparency means nothing.
            # Compared as shown: faint pixels keep little of their colour.
            if any(abs(argb[i + 1 + c] - rgba[i + c]) * a > 3 * 255 for c in range(3)):
                print(f"píxel {i // 4}: ARGB {tuple(argb[i:i + 4])}, esperado RGBA {tuple(rgba[i:i + 4])}",
                      file=sys.stderr)
                return False
        return True
    return False


def notificaciones(archivo):
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    conexion = dbus.SessionBus()

    class Servidor(dbus.service.Object):
        contador = 0

        @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
        def Notify(self, app, reemplaza, icono, titulo, texto, acciones, pistas, espera):
            with open(archivo, "a", encoding="utf-8") as f:
                f.write(f"{titulo}\t{texto}\n")
            Servidor.contador += 1
            return Servidor.contador

        @dbus.service.method("org.freedesktop.Notifications", out_signature="as")
        def GetCapabilities(self):
            return ["body"]

        @dbus.service.method("org.freedesktop.Notifications", out_signature="ssss")
        def GetServerInformation(self):
            return ["prueba", "tarvolo", "1", "1.2"]

        @dbus.service.method("org.freedesktop.Notifications", in_signature="u")
        def CloseNotification(self, ident):
            pass

    nombre = dbus.service.BusName("org.freedesktop.Notifications", conexion)
    Servidor(nombre, "/org/freedesktop/Notifications")
    open(archivo, "a").close()
    GLib.MainLoop().run()


def main(args):
    try:
        if len(args) == 2 and args[0] == "notificaciones":
            notificaciones(args[1])
        elif args == ["item"]:
            print(*item())
        elif args == ["tip"]:
            _, _, titulo, _ = propiedad("ToolTip")
            print(titulo)
        elif args == ["icono"]:
            for ancho, alto, datos in propiedad("IconPixmap"):
                print(f"{ancho}x{alto} {hashlib.sha1(bytes(datos)).hexdigest()}")
        elif len(args) == 3 and args[0] == "icono-es":
            return 0 if icono_es(int(args[1]), open(args[2], "rb").read()) else 1
        elif len(args) == 4 and args[0] == "llamar":
            servicio, ruta = item()
            bus().get_object(servicio, ruta).get_dbus_method(args[1], ITEM)(int(args[2]), int(args[3]))
        elif args == ["menu"]:
            for _, etiqueta in entradas(menu_publicado()):
                print(etiqueta)
        elif len(args) == 2 and args[0] == "elegir":
            menu = menu_publicado()
            for ident, etiqueta in entradas(menu):
                if etiqueta == args[1]:
                    menu.Event(ident, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), dbus_interface=MENU)
                    return 0
            return 1
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except dbus.DBusException as e:
        print(e.get_dbus_message(), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
