#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "proceso.h"

namespace tarvolo::prueba {

Proceso ejecutar(const std::string& programa, const std::vector<std::string>& argumentos,
                 const std::string& entrada) {
    const CarpetaTemporal carpeta;
    const std::string in = (carpeta.ruta() / "in").string();
    const std::string out = (carpeta.ruta() / "out").string();
    const std::string err = (carpeta.ruta() / "err").string();
    escribirArchivo(in, entrada);

    std::vector<std::string> copia = argumentos;
    std::string ruta = programa;
    std::vector<char*> argv{ruta.data()};
    for (auto& a : copia) argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) return {-1, "", "fork"};
    if (pid == 0) {
        const int fi = open(in.c_str(), O_RDONLY);
        const int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fi < 0 || fo < 0 || fe < 0 || dup2(fi, 0) < 0 || dup2(fo, 1) < 0 || dup2(fe, 2) < 0) _exit(126);
        execv(ruta.c_str(), argv.data());
        _exit(127);
    }
    int st = 0;
    if (waitpid(pid, &st, 0) != pid) return {-1, "", "waitpid"};
    return {WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st), leerArchivo(out), leerArchivo(err)};
}

std::size_t argumentoMasLargo(const std::string&, const std::vector<std::string>&) {
    // Linux takes each argument up to 32 pages (MAX_ARG_STRLEN), its NUL
    // included; the whole list has a far larger limit.
    return static_cast<std::size_t>(32 * sysconf(_SC_PAGESIZE)) - 1;
}

}  // namespace tarvolo::prueba
