// Where "&Files di Esempio" finds the examples: the order of the folders, the first one that
// holds a data file, and what is said when none does.

#include "AiutoFile.h"
#include "files/CartellaEsempi.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

struct Disposizione {
    const char* Nome;
    std::vector<std::pair<int, const char*>> File; // candidate index -> file made in it
    int Trovata;                                   // index of the folder found, -1 none
};

TEST(CartellaEsempi, LaPrimaCartellaConUnFileDatiNellOrdine) {
    const std::vector<Disposizione> casi = {
        {"beside the program first", {{0, "a.vlr"}, {2, "b.vlr"}}, 0},
        {"the installation before the source tree", {{1, "a.vlr"}, {2, "b.vlr"}}, 1},
        {"a build folder or a copy: the source tree", {{2, "tre.vlr"}}, 2},
        {"only under the install prefix", {{3, "a.vlr"}}, 3},
        {"a folder without data files is passed over", {{0, "leggimi.txt"}, {0, "x.vlr/"}, {2, "b.vlr"}}, 2},
        {"the extension in capitals", {{1, "ESEMPIO.VLR"}}, 1},
        {"none", {{0, "leggimi.txt"}}, -1},
    };
    for (const Disposizione& caso : casi) {
        SCOPED_TRACE(caso.Nome);
        CartellaTemporanea radice;
        const fs::path r = fs::canonical(radice.Percorso);
        const auto tutte = CartelleCandidateEsempi(r / "bin", r / "src" / "examples",
                                                   r / "prefisso" / "share" / "velcora" / "examples");
        // The package's folder under /usr comes last; it is left out where this machine has one.
        ASSERT_EQ(tutte.size(), 5u);
        const std::vector<fs::path> candidate(tutte.begin(), tutte.begin() + 4);
        for (const fs::path& c : candidate)
            fs::create_directories(c);
        for (const auto& [indice, nome] : caso.File) {
            const fs::path p = candidate[static_cast<std::size_t>(indice)] / nome;
            if (std::string_view(nome).ends_with('/'))
                fs::create_directories(p);
            else
                ScriveByte(p, "6.2\r\n");
        }
        const RicercaEsempi esito = CercaCartellaEsempi(candidate);
        if (caso.Trovata < 0) {
            EXPECT_TRUE(esito.Cartella.empty()) << esito.Cartella;
            EXPECT_EQ(esito.Esaminate, candidate);
        } else {
            const auto i = static_cast<std::size_t>(caso.Trovata);
            EXPECT_EQ(esito.Cartella, candidate[i]);
            EXPECT_EQ(esito.Esaminate, std::vector<fs::path>(candidate.begin(), candidate.begin() + i + 1));
        }
    }
}

TEST(CartellaEsempi, OgniCartellaUnaVoltaEInChiaro) {
    CartellaTemporanea radice;
    const fs::path r = fs::canonical(radice.Percorso);
    fs::create_directories(r / "bin");
    const std::vector<fs::path> attese = {r / "bin" / "examples", r / "share" / "velcora" / "examples",
                                          "/usr/share/velcora/examples"};
    // ".." resolved; the source tree beside the program given twice; no prefix.
    EXPECT_EQ(CartelleCandidateEsempi(r / "bin" / ".." / "bin", r / "bin" / "examples", {}), attese);
    EXPECT_EQ(CartelleCandidateEsempi(r / "bin", {}, "/usr/share/velcora/examples/"), attese);
    // The build passes the source tree's examples: this very folder.
    const auto dalla = CartelleCandidateEsempi(r / "bin");
    EXPECT_NE(std::find(dalla.begin(), dalla.end(), fs::canonical(CartellaEsempi())), dalla.end());
    EXPECT_EQ(CercaCartellaEsempi(dalla).Cartella, fs::canonical(CartellaEsempi()));
}

TEST(CartellaEsempi, DiceDoveHaCercato) {
    EXPECT_EQ(TestoEsempiNonTrovati({"/opt/velcora/examples", "/usr/share/velcora/examples"}),
              "Nessun file di esempio (*.vlr) trovato. Cartelle esaminate:\n/opt/velcora/examples\n"
              "/usr/share/velcora/examples");
    EXPECT_FALSE(ContieneEsempi("/cartella/che/non/esiste"));
}

} // namespace
} // namespace vc::test
