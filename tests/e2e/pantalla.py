#!/usr/bin/python3
"""What the desktop shows, read the way assistive tools read it.

  pantalla.py textos TITULO   the window TITULO of the program on the
                              accessibility bus: one line per control,
                              "role<TAB>name<TAB>text<TAB>*" (* = has focus);
                              fails when no such window is there
  pantalla.py ventanas        the program's mapped windows on the X server,
                              one a line: "id type override x y w h
                              embedded title" (type: the last part of the
                              first _NET_WM_WINDOW_TYPE; override: 1 or 0;
                              embedded: 1 inside the notification area)
  pantalla.py vigilar ARCHIVO runs until killed, adding to ARCHIVO a line
                              like those of "ventanas" for each window of the
                              program mapped on the screen, as it is mapped:
                              windows that stay up only seconds are not
                              missed however slowly the caller looks
  pantalla.py agarrado        succeeds while some client holds the keyboard
                              or the pointer (a pop-up menu does), fails
                              when both are free

Each call answers at once; the caller waits by calling it again.
"""
import os
import sys

# The WM_CLASS of the windows looked at: the program's, or under Wine the
# process named in PANTALLA_PROGRAMA (Wine's explorer.exe draws the tray).
PROGRAMA = os.environ.get("PANTALLA_PROGRAMA", "tarvolo")


def textos(titulo):
    import pyatspi

    escritorio = pyatspi.Registry.getDesktop(0)
    for i in range(escritorio.childCount):
        app = escritorio.getChildAtIndex(i)
        if app is None or app.name.lower() != PROGRAMA:
            continue
        for j in range(app.childCount):
            ventana = app.getChildAtIndex(j)
            if ventana is not None and ventana.name == titulo:
                recorrer(ventana, pyatspi)
                return 0
    return 1


def linea(texto):
    # Tabs and line ends inside a text would break the line format.
    return texto.replace("\t", "\\t").replace("\r", "").replace("\n", "\\n")


def recorrer(objeto, pyatspi):
    for i in range(objeto.childCount):
        hijo = objeto.getChildAtIndex(i)
        if hijo is None:
            continue
        try:
            texto = hijo.queryText()
            contenido = texto.getText(0, texto.characterCount)
        except NotImplementedError:
            contenido = ""
        foco = "*" if hijo.getState().contains(pyatspi.STATE_FOCUSED) else ""
        print(f"{hijo.getRoleName()}\t{linea(hijo.name)}\t{linea(contenido)}\t{foco}")
        recorrer(hijo, pyatspi)


def agarrado():
    from Xlib import X, display

    d = display.Display()
    raiz = d.screen().root
    # Taking a grab for an instant is the only way X tells whether someone
    # else holds one; it is given back at once.
    teclado = raiz.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
    if teclado == X.GrabSuccess:
        d.ungrab_keyboard(X.CurrentTime)
    puntero = raiz.grab_pointer(False, 0, X.GrabModeAsync, X.GrabModeAsync, X.NONE, X.NONE, X.CurrentTime)
    if puntero == X.GrabSuccess:
        d.ungrab_pointer(X.CurrentTime)
    d.sync()
    return 0 if X.AlreadyGrabbed in (teclado, puntero) else 1


def ventanas():
    from Xlib import X, Xatom, display, error

    d = display.Display()
    tipo = d.intern_atom("_NET_WM_WINDOW_TYPE")
    nombre = d.intern_atom("_NET_WM_NAME")
    utf8 = d.intern_atom("UTF8_STRING")

    def bajo_panel(w):
        while True:
            arbol = w.query_tree()
            if arbol.parent == 0 or arbol.parent.id == arbol.root.id:
                return False
            w = arbol.parent
            clase = w.get_wm_class()
            if clase and clase[0] == "panel":
                return True

    def recorrer(w):
        for hijo in w.query_tree().children:
            try:
                clase = hijo.get_wm_class()
                atributos = hijo.get_attributes()
                if clase and clase[0] == PROGRAMA and atributos.map_state == X.IsViewable:
                    t = hijo.get_full_property(tipo, Xatom.ATOM)
                    t = d.get_atom_name(t.value[0]).rsplit("_", 1)[-1] if t and len(t.value) else "-"
                    n = hijo.get_full_property(nombre, utf8)
                    titulo = n.value.decode("utf-8") if n else (hijo.get_wm_name() or "")
                    g = hijo.get_geometry()
                    pos = hijo.translate_coords(d.screen().root, 0, 0)
                    print(hijo.id, t, int(atributos.override_redirect), -pos.x, -pos.y, g.width, g.height,
                          int(bajo_panel(hijo)), titulo)
                recorrer(hijo)
            except error.BadWindow:
                pass  # gone while looked at

    recorrer(d.screen().root)
    return 0


def describir(d, w, bajo_panel=lambda w: False):
    from Xlib import Xatom

    t = w.get_full_property(d.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM)
    t = d.get_atom_name(t.value[0]).rsplit("_", 1)[-1] if t and len(t.value) else "-"
    n = w.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
    titulo = n.value.decode("utf-8") if n else (w.get_wm_name() or "")
    g = w.get_geometry()
    pos = w.translate_coords(d.screen().root, 0, 0)
    return (f"{w.id} {t} {int(w.get_attributes().override_redirect)} {-pos.x} {-pos.y} {g.width} {g.height} "
            f"{int(bajo_panel(w))} {titulo}")


def vigilar(archivo):
    from Xlib import X, display, error

    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    with open(archivo, "a", encoding="utf-8") as f:
        while True:
            try:
                evento = d.next_event()
            except error.ConnectionClosedError:
                return 0  # the X server is gone: nothing more to watch
            if evento.type != X.MapNotify:
                continue
            try:
                clase = evento.window.get_wm_class()
                if clase and clase[0] == PROGRAMA:
                    f.write(describir(d, evento.window) + "\n")
                    f.flush()
            except error.BadWindow:
                pass  # gone already


def main(args):
    if args == ["ventanas"]:
        return ventanas()
    if len(args) == 2 and args[0] == "vigilar":
        return vigilar(args[1])
    if len(args) == 2 and args[0] == "textos":
        return textos(args[1])
    if args == ["agarrado"]:
        return agarrado()
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
