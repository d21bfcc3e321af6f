// The file a print into a PDF proposes: the data file's folder and name, with the fallbacks
// of a beam not yet saved.

#include "AiutoFile.h"
#include "files/FileUscitaProposto.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

TEST(FileUscitaProposto, CartellaENomeDelFileDati) {
    CartellaTemporanea dati, documenti;
    const fs::path d = dati.Percorso, doc = documenti.Percorso;
    const fs::path manca = d / "non_esiste";
    std::error_code ec;
    const fs::path corrente = fs::current_path(ec);
    struct Caso {
        const char* Nome;
        fs::path PercorsoDati;
        std::string NomeFile, Titolo;
        fs::path Documenti, Atteso;
    };
    const std::vector<Caso> casi = {
        {"a saved beam", d, "trave 1", "Solaio", doc, d / "trave 1.pdf"},
        {"a cancelled dialog's name", d, "*", "Solaio", doc, d / "Solaio.pdf"},
        {"a new beam: its title", d, "", "Solaio: trave T1/2", doc, d / "Solaio_ trave T1_2.pdf"},
        {"a new beam without a title", d, "", "", doc, d / "Trave.pdf"},
        {"a title of blanks and dots", d, "", " .. ", doc, d / "Trave.pdf"},
        {"the data folder has gone", manca, "trave", "", doc, doc / "trave.pdf"},
        {"no data folder", "", "trave", "", doc, doc / "trave.pdf"},
        {"neither folder", manca, "trave", "", manca, corrente / "trave.pdf"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.Nome);
        Impostazioni imp;
        imp.PercorsoDati = caso.PercorsoDati.string();
        imp.NomeFile = caso.NomeFile;
        imp.Titolo = caso.Titolo;
        EXPECT_EQ(FileUscitaProposto(imp, ".pdf", caso.Documenti), caso.Atteso);
    }
}

TEST(FileUscitaProposto, TitoloComeNomeDiFile) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Trave T1", "Trave T1"},
        {"a\\b:c*d?e\"f<g>h|i\tj", "a_b_c_d_e_f_g_h_i_j"},
        {"  .Trave. ", "Trave"},
        {std::string(100, 'a'), std::string(80, 'a')},
        // "è" is two bytes across the 80th: the whole character goes.
        {std::string(79, 'a') + "\xC3\xA8" + "b", std::string(79, 'a')},
        {std::string(78, 'a') + "\xC3\xA8" + "b", std::string(78, 'a') + "\xC3\xA8"},
        {"", ""},
    };
    for (const auto& [titolo, atteso] : casi)
        EXPECT_EQ(NomeFileDaTitolo(titolo), atteso) << titolo;
}

} // namespace
} // namespace vc::test
