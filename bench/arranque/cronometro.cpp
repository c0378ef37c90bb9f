// Times a tray program's start-up from the X server's side, without polling:
// from just before exec to the moment the notification area takes in its
// icon (the icon window is reparented out of the root window) and, with
// --globo, to the moment a balloon (an override-redirect window) is mapped.
// Then reads the resident memory once start-up has settled.
//   cronometro [--globo] PROGRAM  ->  "<ms> <kB>"
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Reloj = std::chrono::steady_clock;

long residenteKb(pid_t pid) {
    std::ifstream estado("/proc/" + std::to_string(pid) + "/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmRSS:", 0) == 0) return std::stol(linea.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int primero = 1;
    const bool conGlobo = argc > 1 && std::strcmp(argv[1], "--globo") == 0;
    if (conGlobo) ++primero;
    if (primero >= argc) {
        std::fprintf(stderr, "uso: cronometro [--globo] PROGRAMA\n");
        return 2;
    }
    Display* x = XOpenDisplay(nullptr);
    if (x == nullptr) return 2;
    const Window raiz = DefaultRootWindow(x);
    XSelectInput(x, raiz, SubstructureNotifyMask);
    XSync(x, False);

    const auto inicio = Reloj::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The programs' own chatter would only get in the way of the figures.
        const int nada = open("/dev/null", O_WRONLY);
        dup2(nada, STDOUT_FILENO);
        dup2(nada, STDERR_FILENO);
        execv(argv[primero], argv + primero);
        _exit(127);
    }
    bool icono = false, globo = !conGlobo;
    auto listo = inicio;
    const int fd = ConnectionNumber(x);
    while (!(icono && globo) && Reloj::now() - inicio < std::chrono::seconds(10)) {
        if (XPending(x) == 0) {
            fd_set leer;
            FD_ZERO(&leer);
            FD_SET(fd, &leer);
            timeval espera{0, 100000};
            select(fd + 1, &leer, nullptr, nullptr, &espera);
            continue;
        }
        XEvent e;
        XNextEvent(x, &e);
        if (e.type == ReparentNotify && e.xreparent.event == raiz && e.xreparent.parent != raiz) icono = true;
        if (e.type == MapNotify && e.xmap.override_redirect) globo = true;
        listo = Reloj::now();
    }
    const auto ms = std::chrono::duration<double, std::milli>(listo - inicio).count();
    sleep(4);
    const long kb = residenteKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(x);
    if (!(icono && globo)) return 1;
    std::printf("%.1f %ld\n", ms, kb);
    return 0;
}
