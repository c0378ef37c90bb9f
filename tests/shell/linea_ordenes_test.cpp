#include "shell/linea_ordenes.h"

#include <gtest/gtest.h>

#include "version/version.h"

namespace tarvolo {
namespace {

using Argumentos = std::vector<std::string_view>;

TEST(LineaOrdenesTest, VersionPrintsTheProgramsNameAndTheOneVersion) {
    EXPECT_EQ(textoDeLaLineaDeOrdenes({"--version"}), "Tarvolo " + std::string(kTextoVersion) + "\n");
}

TEST(LineaOrdenesTest, HelpIsSpanishAndNamesBothOptions) {
    const auto ayuda = textoDeLaLineaDeOrdenes({"--help"});
    ASSERT_TRUE(ayuda);
    EXPECT_EQ(ayuda->rfind("Uso: tarvolo [--help | --version]\n", 0), 0u);
    EXPECT_NE(ayuda->find("  --version  muestra la versión y termina\n"), std::string::npos);
    EXPECT_NE(ayuda->find("\"Semana Actual\""), std::string::npos);
    EXPECT_EQ(ayuda->back(), '\n');
}

TEST(LineaOrdenesTest, TheFirstOfTheTwoOptionsDecidesWhereverItStands) {
    EXPECT_EQ(textoDeLaLineaDeOrdenes({"x", "--version", "--help"}), textoDeLaLineaDeOrdenes({"--version"}));
    EXPECT_EQ(textoDeLaLineaDeOrdenes({"--help", "--version"}), textoDeLaLineaDeOrdenes({"--help"}));
}

TEST(LineaOrdenesTest, AnyOtherCommandLineStartsTheProgramAsUsual) {
    for (const Argumentos& otra :
         {Argumentos{}, Argumentos{"-h"}, Argumentos{"--Help"}, Argumentos{"--version=1"}, Argumentos{"-v"},
          Argumentos{"semana", "29/12/2002"}, Argumentos{""}}) {
        EXPECT_FALSE(textoDeLaLineaDeOrdenes(otra)) << (otra.empty() ? "(nada)" : otra.front());
    }
}

}  // namespace
}  // namespace tarvolo
