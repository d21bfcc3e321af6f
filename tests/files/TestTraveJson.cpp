// The beam in JSON: the examples go to JSON and back to the same bytes of the data file, every
// field of the beam survives, singles are written short and read back exact, and a bad field is
// named by its path while the beam in memory stays as it was.

#include "AiutoFile.h"
#include "engine/VincoliElastici.h"
#include "files/TraveJson.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace vc::test {
namespace {

// A beam of three spans written by hand, with a field of every kind.
constexpr const char* TreCampate = R"({
  "formato": "velcora-trave",
  "versione": 1,
  "titolo": "Tre campate",
  "campate": [
    {"luce": 5, "G1": 18, "G2": 6, "Q1": 10, "Q2": 0, "sezione": 1},
    {"luce": 6, "G1": 18, "G2": 6, "Q1": 10, "sezione": 2},
    {"luce": 5, "G1": 18, "sezione": 1}
  ],
  "vincoli": {
    "sinistro": {"tipo": "elastico", "rigidezza": 62000,
                 "telaio": {"schema": "piano tipo", "a1": 0.3, "b1": 0.4, "J1": 0.0016, "L1": 3.2, "E": 31000}},
    "destro": {"tipo": "appoggio"},
    "rigidezza_utente": true
  },
  "sezioni": [
    {"tipo": "rettangolare", "b": 0.3, "h": 0.5, "E": 3.1e7},
    {"tipo": "T", "b1": 0.8, "h1": 0.2, "b2": 0.3, "h2": 0.4, "E": 3.1e7}
  ],
  "larghezze_appoggi": [0.3, 0.3, 0.3, 0.3],
  "forze": [{"campata": 2, "G1": 30, "Q1": 10, "d": 3}],
  "coppie": [{"campata": 3, "G1": 5, "d": 0}],
  "ridistribuzione": {"delta": 0.85, "classe_cls": "C25/30"},
  "arrotonda_momenti": true,
  "decalage": {"tipo": "sovrapposto", "copriferro": 0.04},
  "combinazione": {"stato_limite": "SLE", "tipo_sle": "frequente", "ometti_G2_favorevole": true,
                   "coefficienti": {"psi1_Q1": 0.6}},
  "diagrammi": {"punti": 200, "scale_fisse": true, "scala_M": 100, "scala_T": 50, "scala_freccia": 1000,
                "deformata": true}
})";

std::string VlrDa(Velcora& t, Impostazioni& imp) {
    MessaggiRegistrati msg;
    return Salva(t, imp, msg);
}

TEST(TraveJson, OgniEsempioDaVlrAJsonEIndietroStessiByte) {
    const auto esempi = FileIn(CartellaEsempi(), ".vlr");
    ASSERT_FALSE(esempi.empty());
    for (const auto& p : esempi) {
        SCOPED_TRACE(p.filename().string());
        const std::string originale = LeggeByte(p);
        Velcora t1;
        Impostazioni i1;
        MessaggiRegistrati msg;
        ASSERT_EQ(Carica(originale, t1, i1, msg), EsitoFile::Completo);

        const std::string json = TestoTraveJson(t1, i1);
        Velcora t2;
        Impostazioni i2;
        const auto errore = TraveDaTestoJson(json, t2, i2);
        ASSERT_FALSE(errore) << errore->Testo();
        EXPECT_EQ(VlrDa(t2, i2), originale);
        AttendeStessiDati(t1, i1, t2, i2);
        EXPECT_EQ(TestoTraveJson(t2, i2), json); // and the JSON is stable
    }
}

TEST(TraveJson, OgniCampoSopravviveAncheQuelliCheIlFileDatiNonHa) {
    Velcora t1;
    Impostazioni i1;
    TraveCompleta(t1, i1);
    t1.VincoloDestro = VincoloNonScelto;
    t1.nDivisioniPlt = 250;
    i1.TipoSLE = SLEQuasiPermanente;
    Velcora t2;
    Impostazioni i2;
    const auto errore = TraveDaTestoJson(TestoTraveJson(t1, i1), t2, i2);
    ASSERT_FALSE(errore) << errore->Testo();
    AttendeStessiDati(t1, i1, t2, i2);
    EXPECT_EQ(t2.nDivisioniPlt, 250);
    EXPECT_EQ(i2.TipoSLE, SLEQuasiPermanente);
    EXPECT_EQ(t2.CampI(1).ForzeCampata().size(), 1u); // the forces are handed to their spans
    EXPECT_EQ(t2.CampI(2).ForzeCampata().size(), 1u);
}

TEST(TraveJson, CampiOmessiDiUnaTraveNuovaEImpostazioniInvariate) {
    Velcora t;
    Impostazioni imp;
    imp.CoefParz[0] = 0.9f; // from the settings file
    imp.StatoLimite = SLU;
    ASSERT_FALSE(TraveDaTestoJson(TreCampate, t, imp));
    EXPECT_EQ(t.EstraeDatiCampata(2).q2, 0.0f);
    EXPECT_EQ(t.EstraeDatiCampata(3).g2, 0.0f);
    EXPECT_EQ(t.Dato_Sx(5), 0.0);
    EXPECT_EQ(t.Dato_Sx(9), 31000.0);
    EXPECT_EQ(t.iTipoVincElastSx, PianoTipo);
    EXPECT_EQ(imp.CoefParz[0], 0.9f);
    EXPECT_EQ(imp.CoefParz[9], 0.6f);
    EXPECT_EQ(imp.StatoLimite, SLE);
    EXPECT_EQ(imp.TipoSLE, SLEFrequente);
    EXPECT_EQ(imp.ClasseCls, 2);
    EXPECT_EQ(t.Decala, 2);
    EXPECT_EQ(t.nDivisioniPlt, 200);
    EXPECT_EQ(t.TabForze().size(), 1u);
    EXPECT_EQ(t.CampI(2).ForzeCampata().size(), 1u);

    Json minima = Json::parse(TreCampate);
    for (const char* k : {"titolo", "larghezze_appoggi", "forze", "coppie", "ridistribuzione",
                          "arrotonda_momenti", "decalage", "combinazione", "diagrammi"})
        minima.erase(k);
    Velcora n;
    Impostazioni in;
    ASSERT_FALSE(TraveDaJson(minima, n, in));
    EXPECT_EQ(n.LarghezzaAppoggi(4), 0.0f);
    EXPECT_EQ(n.nDivisioniPlt, 100);
    EXPECT_EQ(in.CoefParz, CoefParzDefault);
    EXPECT_EQ(in.DeltaRidist, 0.0f);
}

TEST(TraveJson, SingoliNellaFormaPiuBreveERilettiUguali) {
    Velcora t;
    Impostazioni imp;
    t.nCampate(1);
    t.InserisceDatiCampata(1, 0.3f, 1.0f / 3.0f, 3.1e7f, 1e-30f, -0.0f, 1);
    const Json j = TraveInJson(t, imp);
    EXPECT_EQ(j["campate"][0]["luce"].dump(), "0.3");
    EXPECT_EQ(j["campate"][0]["G1"].dump(), "0.33333334");
    EXPECT_EQ(j["campate"][0]["G2"].dump(), "31000000.0");

    // Any finite single, denormals and the extremes among them, reads back to the same bits; so do
    // the two singles whose shortest text rounds twice to a neighbour.
    std::mt19937 caso(14);
    std::vector<float> valori = {std::numeric_limits<float>::max(),
                                 std::numeric_limits<float>::lowest(),
                                 std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::denorm_min(),
                                 -0.0f,
                                 std::bit_cast<float>(0x15ae43fdu),
                                 std::bit_cast<float>(0x95ae43fdu)};
    while (valori.size() < 30000) {
        const float x = std::bit_cast<float>(static_cast<std::uint32_t>(caso()));
        if (std::isfinite(x)) valori.push_back(x);
    }
    Velcora a;
    a.nCampate(static_cast<int>(valori.size()) / 5);
    for (int i = 1; i <= a.nCampate(); ++i) {
        const float* v = &valori[static_cast<std::size_t>(i - 1) * 5];
        a.InserisceDatiCampata(i, v[0], v[1], v[2], v[3], v[4], 1);
        a.LarghezzaAppoggi(i, v[0]);
    }
    Velcora b;
    Impostazioni ib;
    const auto errore = TraveDaTestoJson(TestoTraveJson(a, imp), b, ib);
    ASSERT_FALSE(errore) << errore->Testo();
    const auto bit = [](float x) { return std::bit_cast<std::uint32_t>(x); };
    for (int i = 1; i <= a.nCampate(); ++i) {
        const DatiCampata x = a.EstraeDatiCampata(i), y = b.EstraeDatiCampata(i);
        ASSERT_EQ(bit(x.Luce), bit(y.Luce)) << x.Luce;
        ASSERT_EQ(bit(x.g1), bit(y.g1)) << x.g1;
        ASSERT_EQ(bit(x.g2), bit(y.g2)) << x.g2;
        ASSERT_EQ(bit(x.q1), bit(y.q1)) << x.q1;
        ASSERT_EQ(bit(x.q2), bit(y.q2)) << x.q2;
        ASSERT_EQ(bit(a.LarghezzaAppoggi(i)), bit(b.LarghezzaAppoggi(i)));
    }
}

TEST(TraveJson, UnNumeroNonFinitoNonSiScrive) {
    Velcora t;
    Impostazioni imp;
    t.nCampate(1);
    t.InserisceDatiCampata(1, std::numeric_limits<float>::infinity(), 0, 0, 0, 0, 1);
    EXPECT_THROW(TestoTraveJson(t, imp), std::invalid_argument);
}

struct CasoErrato {
    const char* Puntatore; // the field changed, as a JSON pointer ("" leaves the beam as it is)
    const char* Valore;    // its new value, JSON text; nothing removes the field
    const char* Atteso;
};

TEST(TraveJson, IlPrimoCampoErratoPerPercorsoENienteCaricatoAMeta) {
    const CasoErrato casi[] = {
        {"/campate/2/luce", R"("6")", "campate[3].luce: numero atteso"},
        {"/campate/0/sezione", "1.5", "campate[1].sezione: numero intero atteso"},
        {"/campate/0/sezione", "40000", "campate[1].sezione: fuori dall'intervallo da -32768 a 32767"},
        {"/campate/1/G1", "1e39", "campate[2].G1: numero fuori scala"},
        {"/campate/1/sezione", nullptr, "campate[2].sezione: campo mancante"},
        {"/campate/0/lucee", "5", "campate[1].lucee: campo sconosciuto"},
        {"/campate", "{}", "campate: elenco atteso"},
        {"/formato", R"("velcora")", "formato: atteso \"velcora-trave\""},
        {"/formato", nullptr, "formato: campo mancante"},
        {"/versione", "2", "versione: versione 2 sconosciuta: questo programma legge la versione 1"},
        {"/commento", R"("x")", "commento: campo sconosciuto"},
        {"/titolo", "3", "titolo: testo atteso"},
        {"/vincoli/sinistro/tipo", R"("cerniera")",
         R"(vincoli.sinistro.tipo: atteso uno fra "appoggio", "incastro", "libero", "elastico", null)"},
        {"/vincoli/destro/rigidezza", "true", "vincoli.destro.rigidezza: numero atteso"},
        {"/vincoli/sinistro/telaio/schema", R"("piano")",
         R"(vincoli.sinistro.telaio.schema: atteso uno fra "portale incernierato", "portale incastrato", "piano primo", "piano tipo")"},
        {"/vincoli/rigidezza_utente", "1", "vincoli.rigidezza_utente: true o false atteso"},
        {"/sezioni/1/b2", nullptr, "sezioni[2].b2: campo mancante"},
        {"/sezioni/0/J", "0.1", "sezioni[1].J: campo sconosciuto"},
        {"/sezioni/0/tipo", R"("tonda")",
         R"(sezioni[1].tipo: atteso uno fra "rettangolare", "T", "generica")"},
        {"/larghezze_appoggi/3", nullptr, "larghezze_appoggi: attesi 4 valori, uno per appoggio"},
        {"/forze/0/campata", "4", "forze[1].campata: campata inesistente: la trave ha 3 campate"},
        {"/forze/0/d", "6.5", "forze[1].d: fuori dalla campata: da 0 alla sua luce"},
        {"/coppie/0/d", "-1", "coppie[1].d: fuori dalla campata: da 0 alla sua luce"},
        {"/ridistribuzione/classe_cls", R"("C12/15")",
         R"(ridistribuzione.classe_cls: atteso uno fra "C16/20", "C20/25", "C25/30", "C30/37", "C35/45", "C40/50", "C45/55", "C50/60", "C55/67", "C60/75", "C70/85", "C80/95", "C90/105")"},
        {"/ridistribuzione/delta", "3e38", "ridistribuzione.delta: numero fuori scala"},
        {"/decalage/tipo", "1", R"(decalage.tipo: atteso uno fra "nessuno", "decalage", "sovrapposto")"},
        {"/combinazione/stato_limite", R"("slu")",
         R"(combinazione.stato_limite: atteso uno fra "SLE", "SLU")"},
        {"/combinazione/coefficienti/psi3_Q1", "0.1", "combinazione.coefficienti.psi3_Q1: campo sconosciuto"},
        {"/diagrammi/punti", "0", "diagrammi.punti: fuori dall'intervallo da 1 a 32767"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Atteso);
        Json j = Json::parse(TreCampate);
        const Json::json_pointer p(c.Puntatore);
        if (c.Valore)
            j[p] = Json::parse(c.Valore);
        else if (j[p.parent_pointer()].is_array())
            j[p.parent_pointer()].erase(std::stoul(p.back()));
        else
            j[p.parent_pointer()].erase(p.back());

        Velcora t;
        Impostazioni imp;
        TraveCompleta(t, imp);
        const std::string prima = VlrDa(t, imp);
        const auto errore = TraveDaJson(j, t, imp);
        ASSERT_TRUE(errore);
        EXPECT_EQ(errore->Testo(), c.Atteso);
        EXPECT_EQ(VlrDa(t, imp), prima);
        // The text reports the same field.
        Velcora t2;
        Impostazioni i2;
        const auto dalTesto = TraveDaTestoJson(j.dump(), t2, i2);
        ASSERT_TRUE(dalTesto);
        EXPECT_EQ(dalTesto->Testo(), c.Atteso);
    }
}

TEST(TraveJson, TestoNonValidoCampoRipetutoENonOggetto) {
    const std::pair<std::string, std::string> casi[] = {
        {"{\n  \"formato\": \"velcora-trave\",\n  \"versione\": 1,,\n}",
         "testo JSON non valido (riga 3, colonna 17)"},
        {"", "testo JSON non valido (riga 1, colonna 1)"},
        {R"({"formato": "velcora-trave", "campate": [{"luce": 1}, {"luce": 2, "luce": 3}]})",
         "campate[2].luce: campo ripetuto"},
        {R"({"formato": "velcora-trave", "formato": "velcora-trave"})", "formato: campo ripetuto"},
        {"[1, 2]", "oggetto JSON atteso"},
    };
    for (const auto& [testo, atteso] : casi) {
        SCOPED_TRACE(testo);
        Velcora t;
        Impostazioni imp;
        const auto errore = TraveDaTestoJson(testo, t, imp);
        ASSERT_TRUE(errore);
        EXPECT_EQ(errore->Testo(), atteso);
    }
}

TEST(TraveJson, LaTraveMinimaDelManualeSiLegge) {
    const std::string manuale = LeggeByte(CartellaSorgenti() / "doc" / "index.html");
    const auto inizio = manuale.find("<pre><code>{", manuale.find("id=\"json\""));
    ASSERT_NE(inizio, std::string::npos);
    const auto testo = std::string_view(manuale).substr(inizio + 11);
    Velcora t;
    Impostazioni imp;
    const auto errore = TraveDaTestoJson(testo.substr(0, testo.find("</code>")), t, imp);
    ASSERT_FALSE(errore) << errore->Testo();
    EXPECT_EQ(t.nCampate(), 2);
    EXPECT_EQ(t.VincoloDestro, Incastro);
}

} // namespace
} // namespace vc::test
