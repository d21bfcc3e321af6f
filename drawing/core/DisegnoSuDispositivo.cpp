#include "drawing/core/DisegnoSuDispositivo.h"

#include <cmath>

namespace vc {

namespace {

// Sends the items to the device, setting the line width only when it changes.
class Resa {
  public:
    Resa(Dispositivo& uscita, double rapportoScale) : d_(uscita), rapporto_(rapportoScale) {}

    void operator()(const Elemento& e) {
        colore_ = e.Aspetto.Colore;
        if (!std::holds_alternative<Scritta>(e.Forma) && !(spessore_ == e.Aspetto.Spessore)) {
            spessore_ = e.Aspetto.Spessore;
            d_.ImpostaSpessore(spessore_);
        }
        std::visit(*this, e.Forma);
    }

    void operator()(const Tratto& t) { d_.Linea(t.a, t.b, colore_); }
    void operator()(const ArcoCerchio& a) { d_.Arco(a.Centro, a.Raggio, a.Inizio, a.Fine, colore_); }
    void operator()(const Spezzata& s) { d_.Polilinea(s.Vertici, colore_); }
    void operator()(const Tratteggio& t) {
        for (const auto& l : t.Linee)
            d_.Linea(l.a, l.b, colore_);
    }
    void operator()(const Scritta& s) {
        if (s.Legenda && !d_.MostraLegenda()) return;
        Punto p = s.Posizione;
        if (s.Appesa && d_.AbbassaTesto()) p.y -= 1.5 * s.Altezza;
        d_.Testo(p, s.Altezza, s.Testo, colore_, s.Allinea);
    }
    void operator()(const PuntaFreccia& f) {
        const double c = std::cos(f.Angolo), s = std::sin(f.Angolo);
        const double x = f.Punta.x, y = f.Punta.y, dim = f.Dimensione;
        const auto vertice = [&](double dx, double dy) {
            return Punto{x + dx * c - dy * s, y + (dx * s + dy * c) * rapporto_};
        };
        const Punto destro = vertice(dim / 2, 2 * dim), sinistro = vertice(-dim / 2, 2 * dim);
        if (f.Piena) {
            const Punto p[] = {f.Punta, destro, sinistro, sinistro};
            d_.Solido(p, colore_);
        } else {
            const Punto p[] = {f.Punta, destro, sinistro, f.Punta};
            d_.Polilinea(p, colore_);
        }
    }

  private:
    Dispositivo& d_;
    double rapporto_;
    int colore_ = 7;
    double spessore_ = std::nan(""); // none set yet
};

const Inquadratura* InquadraturaPer(const Disegno& disegno, Uscita u) {
    if (u == Uscita::Video) return &disegno.SuFinestra;
    if (u == Uscita::Stampante) return &disegno.SuPagina;
    return nullptr; // files and CAD drawings keep the world coordinates
}

} // namespace

void DisegnaElementi(const Disegno& disegno, Dispositivo& uscita, double rapportoScale) {
    Resa resa(uscita, rapportoScale);
    for (const auto& e : disegno.Elementi)
        resa(e);
}

Plottaggio DisegnaSu(const Disegno& disegno, Dispositivo& uscita, Messaggi& messaggi) {
    Plottaggio plt;
    const Inquadratura* inquadratura = InquadraturaPer(disegno, uscita.Tipo());
    if (inquadratura) {
        const auto& [xSin, yInf, xDes, ySup] = inquadratura->Frazioni;
        plt.EstremiFinestra(xSin, yInf, xDes, ySup);
    }
    const Estremi& c = disegno.Campo;
    plt.Inizializza(uscita, c.xMin, c.xMax, c.yMin, c.yMax, 1,
                    !inquadratura || inquadratura->MantieneProporzioni, 0, messaggi);
    DisegnaElementi(disegno, uscita, static_cast<double>(plt.ScalaY()) * plt.ScalaMantieneProporzioni);
    return plt;
}

} // namespace vc
