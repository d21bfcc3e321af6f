#pragma once
// Helpers shared by the tests of the file routines: reading and writing a beam from and to a
// string, comparing two beams field by field, the example folders, temporary folders.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileDati.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace vc::test {

namespace fs = std::filesystem;

inline fs::path CartellaSorgenti() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}
inline fs::path CartellaEsempi() {
    return CartellaSorgenti() / "examples";
}
inline fs::path CartellaCorpus() {
    return CartellaSorgenti() / "fuzz" / "corpus";
}

inline std::vector<fs::path> FileIn(const fs::path& cartella, const std::string& estensione = {}) {
    std::vector<fs::path> out;
    if (!fs::is_directory(cartella)) return out;
    for (const auto& e : fs::directory_iterator(cartella))
        if (e.is_regular_file() && (estensione.empty() || e.path().extension() == estensione))
            out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

inline std::string LeggeByte(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void ScriveByte(const fs::path& p, const std::string& byte) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << byte;
}

// "Scrittura incompleta del file", then the file and the system's reason on the line after.
inline std::string ScritturaIncompleta(const fs::path& p, std::errc motivo) {
    return "Scrittura incompleta del file\r\n" + p.string() + ": " + std::make_error_code(motivo).message();
}

// The texts the sink received, in order.
inline std::vector<std::string> Testi(const MessaggiRegistrati& msg) {
    std::vector<std::string> t;
    for (const auto& v : msg.Voci)
        t.push_back(v.Testo);
    return t;
}

inline EsitoFile Carica(const std::string& contenuto, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    FileTesto file = FileTesto::PerLettura(contenuto);
    return FileLeggeScrive(Modo::Lettura, file, trave, imp, msg);
}

inline std::string Salva(Velcora& trave, Impostazioni& imp, Messaggi& msg, EsitoFile* esito = nullptr) {
    std::ostringstream out;
    FileTesto file = FileTesto::PerScrittura(out);
    const EsitoFile e = FileLeggeScrive(Modo::Scrittura, file, trave, imp, msg);
    if (esito) *esito = e;
    return out.str();
}

// Why a record walk stopped; a walk that does not stop fails the test.
template <typename F> RecordInterrotto::Motivo MotivoInterruzione(F&& f) {
    try {
        f();
    } catch (const RecordInterrotto& e) {
        return e.motivo();
    }
    ADD_FAILURE() << "nessuna interruzione";
    return RecordInterrotto::Motivo::DatoNonValido;
}

// A stream buffer that takes `capacita` characters and then refuses everything: a disk that
// fills up in the middle of a file.
class BufferPieno : public std::streambuf {
  public:
    explicit BufferPieno(std::size_t capacita) : capacita_(capacita) {}
    std::string Scritto;

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (Scritto.size() >= capacita_) return traits_type::eof();
        Scritto += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t capacita_;
};

// Everything the data file stores, compared between two beams and their settings.
inline void AttendeStessiDati(Velcora& a, const Impostazioni& ia, Velcora& b, const Impostazioni& ib) {
    EXPECT_EQ(ia.Titolo, ib.Titolo);
    ASSERT_EQ(a.nCampate(), b.nCampate());
    for (int i = 1; i <= a.nCampate(); ++i) {
        const auto x = a.EstraeDatiCampata(i), y = b.EstraeDatiCampata(i);
        EXPECT_EQ(x.Luce, y.Luce) << "campata " << i;
        EXPECT_EQ(x.g1, y.g1) << "campata " << i;
        EXPECT_EQ(x.g2, y.g2) << "campata " << i;
        EXPECT_EQ(x.q1, y.q1) << "campata " << i;
        EXPECT_EQ(x.q2, y.q2) << "campata " << i;
        EXPECT_EQ(x.iSez, y.iSez) << "campata " << i;
    }
    EXPECT_EQ(a.VincoloSinistro, b.VincoloSinistro);
    EXPECT_EQ(a.VincoloDestro, b.VincoloDestro);
    ASSERT_EQ(a.nSezioni(), b.nSezioni());
    for (int j = 1; j <= a.nSezioni(); ++j) {
        const auto x = a.EstraeDatiSezione(j), y = b.EstraeDatiSezione(j);
        EXPECT_EQ(x.Tipo, y.Tipo) << "sezione " << j;
        EXPECT_EQ(x.Young, y.Young) << "sezione " << j;
        EXPECT_EQ(x.Figure, y.Figure) << "sezione " << j;
        EXPECT_EQ(x.Jota, y.Jota) << "sezione " << j;
    }
    for (int k = 1; k <= a.nCampate() + 1; ++k)
        EXPECT_EQ(a.LarghezzaAppoggi(k), b.LarghezzaAppoggi(k)) << k;
    EXPECT_EQ(ia.DeltaRidist, ib.DeltaRidist);
    EXPECT_EQ(ia.ClasseCls, ib.ClasseCls);
    EXPECT_EQ(a.ArrotondaMomenti, b.ArrotondaMomenti);
    EXPECT_EQ(a.Copriferro, b.Copriferro);
    EXPECT_EQ(a.Decala, b.Decala);
    EXPECT_EQ(ia.ScalePreimpostate, ib.ScalePreimpostate);
    EXPECT_EQ(ia.ScalaFissaM, ib.ScalaFissaM);
    EXPECT_EQ(ia.ScalaFissaT, ib.ScalaFissaT);
    EXPECT_EQ(ia.ScalaFissaFreccia, ib.ScalaFissaFreccia);
    EXPECT_EQ(ia.VisualizzaDeformata, ib.VisualizzaDeformata);
    EXPECT_EQ(ia.StatoLimite, ib.StatoLimite);
    EXPECT_EQ(ia.CoefParz, ib.CoefParz);
    EXPECT_EQ(ia.OmettiG2Favorevole, ib.OmettiG2Favorevole);
    EXPECT_EQ(a.kVincoloSinistro, b.kVincoloSinistro);
    EXPECT_EQ(a.kVincoloDestro, b.kVincoloDestro);
    EXPECT_EQ(a.Kutente, b.Kutente);
    EXPECT_EQ(a.iTipoVincElastSx, b.iTipoVincElastSx);
    EXPECT_EQ(a.iTipoVincElastDx, b.iTipoVincElastDx);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(a.Dato_Sx(i), b.Dato_Sx(i)) << i;
        EXPECT_EQ(a.Dato_Dx(i), b.Dato_Dx(i)) << i;
    }
    EXPECT_EQ(a.TabForze(), b.TabForze());
    EXPECT_EQ(a.TabCoppie(), b.TabCoppie());
}

// A folder of its own for one test, removed afterwards.
class CartellaTemporanea {
  public:
    CartellaTemporanea() {
        std::random_device rd;
        Percorso =
            fs::temp_directory_path() / ("velcora-test-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(Percorso);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        fs::remove_all(Percorso, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    fs::path Percorso;
};

// A small beam with something in every record.
inline void TraveCompleta(Velcora& t, Impostazioni& imp) {
    imp.Titolo = "Trave di prova";
    t.nCampate(2);
    t.InserisceDatiCampata(1, 5.5f, 20, 6, 10, 2, 1);
    t.InserisceDatiCampata(2, 6.25f, 18, 5, 9, 0, 2);
    t.VincoloSinistro = Elastico;
    t.VincoloDestro = Incastro;
    t.nSezioni(2);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezT, MatriceFigure{{{0.8f, 0.2f}, {0.3f, 0.4f}}}, 3.1e7f);
    t.InserisceDatiSezione(2, SezGenerica, MatriceFigure{{{0.0045f, 0.6f}, {0, 0}}}, 3.3e7f);
    t.LarghezzaAppoggi(1, 0.4);
    t.LarghezzaAppoggi(2, 0.3);
    t.LarghezzaAppoggi(3, 0.35);
    imp.DeltaRidist = 0.7f;
    imp.ClasseCls = 4;
    t.ArrotondaMomenti = true;
    t.Copriferro = 0.04f;
    t.Decala = 2;
    imp.ScalePreimpostate = true;
    imp.ScalaFissaM = 100;
    imp.ScalaFissaT = 50;
    imp.ScalaFissaFreccia = 1000;
    imp.VisualizzaDeformata = true;
    imp.StatoLimite = SLU;
    imp.CoefParz[1] = 1.35f;
    imp.OmettiG2Favorevole = true;
    t.kVincoloSinistro = 62000;
    t.kVincoloDestro = 0;
    t.Kutente = false;
    t.iTipoVincElastSx = 1;
    t.iTipoVincElastDx = 0;
    t.Dati({0.3, 0.4, 0.0016, 3.2, 0, 0, 0, 0, 31000}, true);
    t.Dati({0, 0, 0, 0, 0, 0, 0, 0, 0}, false);
    t.Dati_Fconc({RigaCarichi{1, 30, 0, 10, 0, 2.75f}, RigaCarichi{2, 12, 3, 0, 0, 6.25f}}, true);
    t.Dati_Fconc({RigaCarichi{2, 5, 0, 2, 0, 0}}, false);
}

} // namespace vc::test
