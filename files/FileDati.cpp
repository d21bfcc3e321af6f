#include "files/FileDati.h"

#include <vector>

namespace vc {

namespace {

// A value read from the file that the beam cannot hold.
void Richiede(bool condizione, const char* cosa) {
    if (!condizione) throw RecordInterrotto(RecordInterrotto::Motivo::DatoNonValido, cosa);
}

// Reads up to n items, one at a time. The count bounds the table but does not size it: a count
// larger than what the file holds allocates nothing, since every item read takes bytes of the
// file, and the items the file does hold are kept. memorizza gets the items read whole, also
// when reading stops in the middle of the table (and the interruption goes on).
template <typename T, typename LeggeVoce, typename Memorizza>
void LeggeTabella(int n, LeggeVoce&& leggeVoce, Memorizza&& memorizza) {
    Richiede(n >= 0, "conteggio negativo");
    std::vector<T> lette;
    try {
        for (int i = 0; i < n; ++i)
            lette.push_back(leggeVoce());
    } catch (const RecordInterrotto&) {
        memorizza(lette);
        throw;
    }
    memorizza(lette);
}

// Record 2 to the end, in file order; the header has been read or written by the caller.
class PercorsoRecord {
  public:
    PercorsoRecord(Modo modo, FileTesto& file, Velcora& trave, Impostazioni& imp, Messaggi& msg,
                   std::string versione)
        : modo_(modo), file_(file), trave_(trave), imp_(imp), msg_(msg), versione_(std::move(versione)) {}

    void Esegue() {
        Campate();
        Vincoli();
        Sezioni();
        Appoggi();
        Opzioni();
        Visualizzazione();
        CoefficientiEOpzioniSLE();
        VincoliElasticiECarichi();
    }

  private:
    bool Legge() const { return modo_ == Modo::Lettura; }
    bool Almeno(std::string_view minima) const { return VersioneAlmeno(versione_, minima); }

    void Campata(DatiCampata& d) { FileInOut(modo_, file_, {d.Luce, d.g1, d.g2, d.q1, d.q2, d.iSez}, msg_); }

    void Campate() {
        int n = trave_.nCampate();
        FileInOut(modo_, file_, {n}, msg_);
        if (!Legge()) {
            for (int i = 1; i <= n; ++i) {
                DatiCampata d = trave_.EstraeDatiCampata(i);
                Campata(d);
            }
            return;
        }
        LeggeTabella<DatiCampata>(
            n,
            [this] {
                DatiCampata d{};
                Campata(d);
                return d;
            },
            [this](const std::vector<DatiCampata>& lette) {
                trave_.nCampate(static_cast<int>(lette.size()));
                for (std::size_t i = 0; i < lette.size(); ++i) {
                    const DatiCampata& d = lette[i];
                    trave_.InserisceDatiCampata(static_cast<int>(i) + 1, d.Luce, d.g1, d.g2, d.q1, d.q2,
                                                d.iSez);
                }
            });
    }

    void Vincoli() {
        int sx = trave_.VincoloSinistro;
        int dx = trave_.VincoloDestro;
        FileInOut(modo_, file_, {sx, dx}, msg_);
        if (Legge()) {
            Richiede(sx >= VincoloNonScelto && sx <= Elastico && dx >= VincoloNonScelto && dx <= Elastico,
                     "codice di vincolo");
            trave_.VincoloSinistro = sx;
            trave_.VincoloDestro = dx;
        }
    }

    void Sezione(DatiSezione& d) {
        FileInOut(modo_, file_, {d.Tipo, d.Young}, msg_);
        if (Legge()) Richiede(d.Tipo >= SezRettangolare && d.Tipo <= SezGenerica, "tipo di sezione");
        FileInOut(modo_, file_, {d.Figure[0][0], d.Figure[0][1]}, msg_);
        if (d.Tipo == SezT) FileInOut(modo_, file_, {d.Figure[1][0], d.Figure[1][1]}, msg_);
    }

    void Sezioni() {
        int s = trave_.nSezioni();
        FileInOut(modo_, file_, {s}, msg_);
        if (!Legge()) {
            for (int j = 1; j <= s; ++j) {
                DatiSezione d = trave_.EstraeDatiSezione(j);
                Sezione(d);
            }
            return;
        }
        LeggeTabella<DatiSezione>(
            s,
            [this] {
                DatiSezione d{};
                Sezione(d);
                return d;
            },
            [this](const std::vector<DatiSezione>& lette) {
                trave_.nSezioni(static_cast<int>(lette.size()));
                trave_.CreaArraySezioni();
                for (std::size_t j = 0; j < lette.size(); ++j)
                    trave_.InserisceDatiSezione(static_cast<int>(j) + 1, lette[j].Tipo, lette[j].Figure,
                                                lette[j].Young);
            });
    }

    void Appoggi() {
        for (int k = 1; k <= trave_.nCampate() + 1; ++k) {
            float larghezza = Legge() ? 0.0f : trave_.LarghezzaAppoggi(k);
            FileInOut(modo_, file_, {larghezza}, msg_);
            if (Legge()) trave_.LarghezzaAppoggi(k, larghezza);
        }
    }

    void Opzioni() {
        bool riservato = false;
        float percentuale = (1.0f - imp_.DeltaRidist) * 100.0f;
        int classe = imp_.ClasseCls;
        FileInOut(modo_, file_, {riservato, percentuale, classe}, msg_);
        if (Legge()) {
            Richiede(classe >= 0 && classe <= 12, "classe del calcestruzzo");
            imp_.DeltaRidist = 1.0f - percentuale / 100.0f;
            imp_.ClasseCls = classe;
        }

        bool arrotonda = trave_.ArrotondaMomenti;
        FileInOut(modo_, file_, {arrotonda}, msg_);
        if (Legge()) trave_.ArrotondaMomenti = arrotonda;

        float copriferro = trave_.Copriferro;
        FileInOut(modo_, file_, {copriferro}, msg_);
        if (Legge()) trave_.Copriferro = copriferro;

        int decala = trave_.Decala;
        FileInOut(modo_, file_, {decala}, msg_);
        if (Legge()) trave_.Decala = decala;
    }

    void Visualizzazione() {
        bool scaleFisse = imp_.ScalePreimpostate;
        double scalaM = imp_.ScalaFissaM, scalaT = imp_.ScalaFissaT, scalaF = imp_.ScalaFissaFreccia;
        FileInOutCond(modo_, file_, versione_, "6.2", {scaleFisse, scalaM, scalaT, scalaF}, msg_);
        if (Legge()) {
            imp_.ScalePreimpostate = scaleFisse;
            imp_.ScalaFissaM = scalaM;
            imp_.ScalaFissaT = scalaT;
            imp_.ScalaFissaFreccia = scalaF;
        }
        bool deformata = imp_.VisualizzaDeformata;
        FileInOutCond(modo_, file_, versione_, "6.2", {deformata}, msg_);
        if (Legge()) imp_.VisualizzaDeformata = deformata;
    }

    void CoefficientiEOpzioniSLE() {
        int stato = imp_.StatoLimite;
        FileInOutCondNoMsg(modo_, file_, versione_, "6.9", {stato}, msg_);
        if (Legge() && Almeno("6.9")) {
            Richiede(stato == SLE || stato == SLU, "stato limite");
            imp_.StatoLimite = stato;
        }

        // Read straight into the settings: the record is stored only when it is read whole.
        const std::vector<Rif> coefficienti(imp_.CoefParz.begin(), imp_.CoefParz.end());
        FileInOutCondNoMsg(modo_, file_, versione_, "7.5", coefficienti, msg_);

        bool ometti = imp_.OmettiG2Favorevole;
        FileInOut(modo_, file_, {ometti}, msg_);
        if (Legge()) imp_.OmettiG2Favorevole = ometti;
    }

    void VincoliElasticiECarichi() {
        if (!Almeno("7.0")) return; // the beam keeps its stiffnesses, elastic data and loads
        double kSx = trave_.kVincoloSinistro, kDx = trave_.kVincoloDestro;
        FileInOut(modo_, file_, {kSx, kDx}, msg_);
        if (Legge()) {
            trave_.kVincoloSinistro = kSx;
            trave_.kVincoloDestro = kDx;
        }
        if (!Almeno("7.4")) {
            trave_.Kutente = kSx != 0.0 || kDx != 0.0;
            return;
        }
        if (trave_.VincoloSinistro == Elastico || trave_.VincoloDestro == Elastico)
            FileLeggeScrive_Kvinc(modo_, file_, trave_, msg_);
        if (!Almeno("7.6")) return;
        FileLeggeScrive_CarConc(modo_, file_, trave_, true, msg_);
        FileLeggeScrive_CarConc(modo_, file_, trave_, false, msg_);
    }

    Modo modo_;
    FileTesto& file_;
    Velcora& trave_;
    Impostazioni& imp_;
    Messaggi& msg_;
    std::string versione_;
};

} // namespace

void FileLeggeScrive_Kvinc(Modo modo, FileTesto& file, Velcora& trave, Messaggi& msg) {
    const bool legge = modo == Modo::Lettura;
    bool kUtente = trave.Kutente;
    int tipoSx = trave.iTipoVincElastSx, tipoDx = trave.iTipoVincElastDx;
    FileInOut(modo, file, {kUtente}, msg);
    FileInOut(modo, file, {tipoSx}, msg);
    FileInOut(modo, file, {tipoDx}, msg);
    std::array<std::array<double, 9>, 2> dati{};
    for (int i = 1; i <= 9 && !legge; ++i) {
        dati[0][static_cast<std::size_t>(i - 1)] = trave.Dato_Sx(i);
        dati[1][static_cast<std::size_t>(i - 1)] = trave.Dato_Dx(i);
    }
    FileInOutMat(modo, file, dati, msg);
    if (!legge) return;
    Richiede(tipoSx >= 0 && tipoSx <= 3 && tipoDx >= 0 && tipoDx <= 3, "tipo di vincolo elastico");
    trave.Kutente = kUtente;
    trave.iTipoVincElastSx = tipoSx;
    trave.iTipoVincElastDx = tipoDx;
    trave.Dati(dati[0], true);
    trave.Dati(dati[1], false);
}

void FileLeggeScrive_CarConc(Modo modo, FileTesto& file, Velcora& trave, bool forze, Messaggi& msg) {
    const auto riga = [&](RigaCarichi& r) {
        FileInOut(modo, file, {r[0], r[1], r[2], r[3], r[4], r[5]}, msg);
    };
    if (modo != Modo::Lettura) {
        std::vector<RigaCarichi> tabella = forze ? trave.TabForze() : trave.TabCoppie();
        int m = static_cast<int>(tabella.size());
        FileInOut(modo, file, {m}, msg);
        for (RigaCarichi& r : tabella)
            riga(r);
        return;
    }
    int m = 0;
    FileInOut(modo, file, {m}, msg);
    // The rows are taken as they stand: a load on a span the beam does not have, or beyond
    // its span, is the user's to correct, and the calculation refuses it with its message.
    LeggeTabella<RigaCarichi>(
        m,
        [&] {
            RigaCarichi r{};
            riga(r);
            return r;
        },
        [&](const std::vector<RigaCarichi>& lette) {
            trave.Dati_Fconc(lette, forze);
            for (int i = 1; i <= trave.nCampate(); ++i)
                trave.CampataI(i).ImportaCarConc(lette, forze, i);
        });
}

EsitoFile FileLeggeScrive(Modo modo, FileTesto& file, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    if (modo != Modo::Lettura && modo != Modo::Scrittura) {
        msg.Mostra("Errore nella Sub FileLeggeScrive", Icona::Nessuna);
        return EsitoFile::Incompleto;
    }
    const bool legge = modo == Modo::Lettura;
    try {
        std::string titolo = imp.Titolo;
        std::string versione(VersioneFileDati);
        FileInOutVersione(modo, file, titolo, versione, msg);
        if (legge) {
            imp.Titolo = titolo;
            imp.VersioneLetta = versione;
        }
        PercorsoRecord(modo, file, trave, imp, msg, versione).Esegue();
        if (file.Aperto()) return EsitoFile::Completo;
        // a write primitive failed and has told the user
        return EsitoFile::Incompleto;
    } catch (const RecordInterrotto& e) {
        if (e.motivo() == RecordInterrotto::Motivo::FileTroppoVecchio) {
            msg.Mostra("Lettura incompleta del File", Icona::Nessuna);
            return EsitoFile::TroppoVecchio;
        }
        // A record that could not be read (already told by its primitive, the header's
        // excepted) or written, or a value the beam cannot hold.
        file.Chiudi();
        msg.Mostra(legge ? "Lettura incompleta del File" : "Scrittura incompleta del File", Icona::Nessuna);
        return EsitoFile::Incompleto;
    }
}

MenuDecalage MenuDecalageDaFile(int decala, float copriferro, char separatoreDecimale) {
    std::string c = TestoCampo(copriferro * 100.0f);
    for (char& ch : c)
        if (ch == '.') ch = separatoreDecimale;
    MenuDecalage m;
    m.DidascaliaDecalage = "Decalage";
    m.DidascaliaSovrapposto = "Decalage Sovrapposto";
    if (decala == 1) {
        m.Decalage = true;
        m.DidascaliaDecalage = "Decalage con c = " + c;
    } else if (decala == 2) {
        m.Sovrapposto = true;
        m.DidascaliaSovrapposto = "Decalage Sovrapposto con c = " + c;
    }
    return m;
}

} // namespace vc
