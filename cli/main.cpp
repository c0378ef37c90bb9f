#include <iostream>

#include "calendar/reloj.h"
#include "companion.h"
#include "consola.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const tarvolo::Consola consola(argc, argv);
    const int estado = tarvolo::ejecutarCompanion(consola.argumentos(), tarvolo::RelojSistema{}.hoy(),
                                                  std::cin, std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    return estado;
}
