#include <iostream>

#include "calendar/reloj.h"
#include "companion.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    return tarvolo::ejecutarCompanion(argumentos, tarvolo::RelojSistema{}.hoy(), std::cin, std::cout,
                                      std::cerr);
}
