#include "ui/RelazionePdf.h"

#include "ui/DestinazionePdf.h"
#include "ui/FiguraSuPagina.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <numeric>
#include <type_traits>
#include <vector>

namespace vc {

namespace {

// The page in millimetres.
constexpr double LarghezzaPagina = 210, AltezzaPagina = 297, Margine = 20;
constexpr double LarghezzaCorpo = LarghezzaPagina - 2 * Margine;
constexpr double InizioCorpo = Margine + 13;              // under the header
constexpr double FineCorpo = AltezzaPagina - Margine - 7; // above the footer

// Font sizes in points.
constexpr double PuntiCapitolo = 13, PuntiSottotitolo = 10.5, PuntiTesto = 9, PuntiTabella = 8,
                 PuntiTestata = 8;
constexpr double PuntiMinimiTabella = 7;
constexpr double PaddingCella = 1.6; // mm each side of a cell's text

const QString Famiglia = QStringLiteral("DejaVu Sans");

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

using Operazione = std::function<void(QPainter&)>;

// Lays the blocks out page by page, in millimetres, and keeps what each page paints; the header
// and the footer are painted last, once the number of pages is known.
class Impaginatore {
  public:
    Impaginatore(QPaintDevice& carta, const RelazioneCalcolo& r) : carta_(carta), r_(r) {
        dpmm_ = carta.logicalDpiX() / 25.4;
        NuovaPagina();
    }

    void operator()(const Capitolo& c) {
        const QFont f = Font(PuntiCapitolo, true);
        Titolo(f, c.Titolo, 5, 30);
    }
    void operator()(const Sottotitolo& s) { Titolo(Font(PuntiSottotitolo, true), s.Testo, 2.5, 18); }
    void operator()(const Paragrafo& par) {
        const QFont f = Font(PuntiTesto);
        const QString testo = Q(par.Testo);
        const double h = AltezzaTesto(f, testo, LarghezzaCorpo);
        Spazio(h + 1.2);
        const QRectF area(Px(Margine), Px(y_), Px(LarghezzaCorpo), Px(h + 1));
        Aggiunge([f, testo, area](QPainter& p) {
            p.setFont(f);
            p.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, testo);
        });
        y_ += h + 1.2;
    }
    void operator()(const TabellaRelazione& t);
    void operator()(const FigureSezioni& s);
    void operator()(const StrisciaDiagrammi& s);
    // The next block starts on a new page, unless this one is still empty.
    void PaginaNuova() {
        if (y_ > InizioCorpo) NuovaPagina();
    }

    // Every page painted on the device; their number.
    int Disegna(QPagedPaintDevice& carta) {
        QPainter p;
        if (!p.begin(&carta)) return 0;
        const int n = static_cast<int>(pagine_.size());
        for (int k = 0; k < n; ++k) {
            if (k > 0) carta.newPage();
            for (const Operazione& o : pagine_[static_cast<std::size_t>(k)])
                o(p);
            TestataPiede(p, k + 1, n);
        }
        p.end();
        return n;
    }

  private:
    double Px(double mm) const { return mm * dpmm_; }
    QFont Font(double punti, bool grassetto = false) const {
        QFont f(Famiglia);
        f.setPointSizeF(punti);
        f.setBold(grassetto);
        f.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: the text reads back as written
        return f;
    }
    double Larghezza(const QFont& f, const QString& s) const {
        return QFontMetricsF(f, &carta_).horizontalAdvance(s) / dpmm_;
    }
    double Riga(const QFont& f) const { return QFontMetricsF(f, &carta_).height() / dpmm_; }
    double AltezzaTesto(const QFont& f, const QString& s, double larghezza) const {
        const QRectF r =
            QFontMetricsF(f, &carta_)
                .boundingRect(QRectF(0, 0, Px(larghezza), Px(1000)), Qt::TextWordWrap | Qt::AlignLeft, s);
        return r.height() / dpmm_;
    }

    void NuovaPagina() {
        pagine_.emplace_back();
        y_ = InizioCorpo;
    }
    // A new page when h millimetres do not fit in what is left of this one.
    void Spazio(double h) {
        if (y_ + h > FineCorpo && y_ > InizioCorpo) NuovaPagina();
    }
    void Aggiunge(Operazione o) { pagine_.back().push_back(std::move(o)); }

    // A heading kept with at least `seguito` millimetres of what follows it.
    void Titolo(const QFont& f, const std::string& testo, double prima, double seguito) {
        const double h = Riga(f);
        if (y_ > InizioCorpo) y_ += prima;
        Spazio(h + seguito);
        const QString s = Q(testo);
        const QRectF area(Px(Margine), Px(y_), Px(LarghezzaCorpo), Px(h));
        Aggiunge([f, s, area](QPainter& p) {
            p.setFont(f);
            p.drawText(area, Qt::AlignLeft | Qt::AlignTop, s);
        });
        y_ += h + 1;
    }

    void TestataPiede(QPainter& p, int pagina, int pagine) const;
    std::vector<double> Colonne(const TabellaRelazione& t, const QFont& f, const QFont& grassetto) const;
    void IntestazioneTabella(const TabellaRelazione& t, const std::vector<double>& colonne, const QFont& f,
                             const QFont& grassetto);
    void RigaTabella(const std::vector<std::string>& celle, const std::vector<double>& colonne,
                     const QFont& f, double h);

    QPaintDevice& carta_;
    const RelazioneCalcolo& r_;
    double dpmm_ = 1;
    double y_ = InizioCorpo;
    std::vector<std::vector<Operazione>> pagine_;
};

void Impaginatore::TestataPiede(QPainter& p, int pagina, int pagine) const {
    const QFont f = Font(PuntiTestata);
    const QFont g = Font(PuntiTestata, true);
    const double h = Riga(f);
    const QRectF riga1(Px(Margine), Px(Margine), Px(LarghezzaCorpo), Px(h));
    const QRectF riga2(Px(Margine), Px(Margine + h), Px(LarghezzaCorpo), Px(h));
    p.setPen(Qt::black);
    p.setFont(g);
    p.drawText(riga1, Qt::AlignLeft | Qt::AlignTop,
               Q(r_.Programma).append(QStringLiteral(" - Relazione di calcolo")));
    p.setFont(f);
    p.drawText(riga1, Qt::AlignRight | Qt::AlignTop, Q(r_.Data));
    const QString file = QStringLiteral("File: ") + Q(r_.NomeFile);
    const double spazioTitolo = LarghezzaCorpo - Larghezza(f, file) - 6;
    const QString titolo =
        QFontMetricsF(f, &carta_).elidedText(Q(r_.Titolo), Qt::ElideRight, Px(spazioTitolo));
    p.drawText(riga2, Qt::AlignLeft | Qt::AlignTop, titolo);
    p.drawText(riga2, Qt::AlignRight | Qt::AlignTop, file);
    QPen penna(Qt::black);
    penna.setWidthF(Px(0.2));
    p.setPen(penna);
    p.drawLine(QPointF(Px(Margine), Px(Margine + 2 * h + 1)),
               QPointF(Px(Margine + LarghezzaCorpo), Px(Margine + 2 * h + 1)));
    p.setPen(Qt::black);
    const QRectF piede(Px(Margine), Px(AltezzaPagina - Margine - h), Px(LarghezzaCorpo), Px(h));
    p.drawText(piede, Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("Pagina %1 di %2").arg(pagina).arg(pagine));
}

// ---- Tables ----------------------------------------------------------------------------------

std::string Unita(const TabellaRelazione& t, std::size_t c) {
    return c < t.Unita.size() && !t.Unita[c].empty() ? "[" + t.Unita[c] + "]" : std::string();
}

std::vector<double> Impaginatore::Colonne(const TabellaRelazione& t, const QFont& f,
                                          const QFont& grassetto) const {
    std::vector<double> colonne(t.Intestazioni.size(), 0.0);
    for (std::size_t c = 0; c < colonne.size(); ++c) {
        colonne[c] = std::max(Larghezza(grassetto, Q(t.Intestazioni[c])), Larghezza(f, Q(Unita(t, c))));
        for (const auto& riga : t.Righe)
            if (c < riga.size()) colonne[c] = std::max(colonne[c], Larghezza(f, Q(riga[c])));
        colonne[c] += 2 * PaddingCella;
    }
    return colonne;
}

void Impaginatore::IntestazioneTabella(const TabellaRelazione& t, const std::vector<double>& colonne,
                                       const QFont& f, const QFont& grassetto) {
    const double h = Riga(f);
    const double totale = std::accumulate(colonne.begin(), colonne.end(), 0.0);
    // The line of the units only when some column has one.
    const bool conUnita =
        std::any_of(t.Unita.begin(), t.Unita.end(), [](const std::string& u) { return !u.empty(); });
    const double altezza = (conUnita ? 2 : 1) * h + 0.8;
    const QRectF fondo(Px(Margine), Px(y_), Px(totale), Px(altezza));
    Aggiunge([fondo](QPainter& p) { p.fillRect(fondo, QColor(230, 230, 230)); });
    double x = Margine;
    for (std::size_t c = 0; c < colonne.size(); ++c) {
        const QRectF nome(Px(x + PaddingCella), Px(y_ + 0.4), Px(colonne[c] - 2 * PaddingCella), Px(h));
        const QRectF unita(Px(x + PaddingCella), Px(y_ + 0.4 + h), Px(colonne[c] - 2 * PaddingCella), Px(h));
        const QString testo = Q(t.Intestazioni[c]), u = Q(Unita(t, c));
        const auto allinea = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        Aggiunge([=](QPainter& p) {
            p.setPen(Qt::black);
            p.setFont(grassetto);
            p.drawText(nome, allinea | Qt::AlignTop, testo);
            p.setFont(f);
            p.drawText(unita, allinea | Qt::AlignTop, u);
        });
        x += colonne[c];
    }
    y_ += altezza;
}

void Impaginatore::RigaTabella(const std::vector<std::string>& celle, const std::vector<double>& colonne,
                               const QFont& f, double h) {
    double x = Margine;
    const double totale = std::accumulate(colonne.begin(), colonne.end(), 0.0);
    const double y = y_;
    const double dpmm = dpmm_;
    Aggiunge([=](QPainter& p) {
        QPen penna(QColor(190, 190, 190));
        penna.setWidthF(0.1 * dpmm);
        p.setPen(penna);
        p.drawLine(QPointF(Margine * dpmm, (y + h) * dpmm),
                   QPointF((Margine + totale) * dpmm, (y + h) * dpmm));
    });
    for (std::size_t c = 0; c < colonne.size() && c < celle.size(); ++c) {
        const QRectF area(Px(x + PaddingCella), Px(y + 0.3), Px(colonne[c] - 2 * PaddingCella), Px(h));
        const QString testo = Q(celle[c]);
        const auto allinea = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        Aggiunge([=](QPainter& p) {
            p.setPen(Qt::black);
            p.setFont(f);
            p.drawText(area, allinea | Qt::AlignTop, testo);
        });
        x += colonne[c];
    }
    y_ += h;
}

void Impaginatore::operator()(const TabellaRelazione& t) {
    // The table's font shrinks, down to 7 points, when its columns do not fit the page.
    double punti = PuntiTabella;
    QFont f = Font(punti), g = Font(punti, true);
    std::vector<double> colonne = Colonne(t, f, g);
    while (std::accumulate(colonne.begin(), colonne.end(), 0.0) > LarghezzaCorpo &&
           punti > PuntiMinimiTabella) {
        punti -= 0.5;
        f = Font(punti);
        g = Font(punti, true);
        colonne = Colonne(t, f, g);
    }
    const double h = Riga(f) + 0.6;
    y_ += 1;
    Spazio(4 * h + 1);
    IntestazioneTabella(t, colonne, f, g);
    for (const auto& riga : t.Righe) {
        if (y_ + h > FineCorpo) {
            NuovaPagina();
            IntestazioneTabella(t, colonne, f, g);
        }
        RigaTabella(riga, colonne, f, h);
    }
    y_ += 2.5;
}

// ---- Section drawings ------------------------------------------------------------------------

void Impaginatore::operator()(const FigureSezioni& s) {
    constexpr double LatoX = 38, LatoY = 30, Passo = 42.5;
    constexpr int PerRiga = 4;
    const QFont f = Font(PuntiTabella);
    const double h = Riga(f);
    for (std::size_t k = 0; k < s.Figure.size(); ++k) {
        const int colonna = static_cast<int>(k % PerRiga);
        if (colonna == 0) {
            if (k > 0) y_ += LatoY + h + 2;
            Spazio(LatoY + h + 2);
        }
        const FiguraSezione& figura = s.Figure[k];
        const double x = Margine + colonna * Passo;
        const QRectF area(x, y_, LatoX, LatoY);
        const auto ingombro = Ingombro(figura.Figura);
        if (!ingombro) continue;
        const Collocazione c = Adatta(*ingombro, area.adjusted(2, 2, -2, -2));
        const QRectF didascalia(Px(x), Px(y_ + LatoY), Px(LatoX), Px(h));
        const QString testo = Q(figura.Didascalia);
        const Disegno* d = &figura.Figura;
        const double dpmm = dpmm_;
        Aggiunge([=](QPainter& p) {
            DisegnaFigura(p, dpmm, *d, c, Famiglia);
            p.setPen(Qt::black);
            p.setFont(f);
            p.drawText(didascalia, Qt::AlignHCenter | Qt::AlignTop, testo);
        });
    }
    if (!s.Figure.empty()) y_ += LatoY + h + 3;
}

// ---- Strips of diagrams ----------------------------------------------------------------------

void Impaginatore::operator()(const StrisciaDiagrammi& s) {
    const QFont titolo = Font(PuntiSottotitolo, true), f = Font(PuntiTabella);
    // The bands and their titles, measured first: the strip stays on one page.
    std::vector<Riquadro> ingombri;
    std::vector<double> altezzeTitoli;
    double totale = Riga(titolo) + 2;
    for (const BandaDiagramma& b : s.Bande) {
        ingombri.push_back(Ingombro(b.Figura).value_or(Riquadro{}));
        altezzeTitoli.push_back(AltezzaTesto(f, Q(b.Titolo), LarghezzaCorpo));
        totale += altezzeTitoli.back() + (ingombri.back().yMax - ingombri.back().yMin) + 4;
    }
    Spazio(totale);
    std::string campate = "Campata " + std::to_string(s.Prima);
    if (s.Ultima != s.Prima)
        campate = "Campate " + std::to_string(s.Prima) + " - " + std::to_string(s.Ultima);
    Titolo(titolo, campate, 2, 0);
    for (std::size_t k = 0; k < s.Bande.size(); ++k) {
        const QString testo = Q(s.Bande[k].Titolo);
        const QRectF area(Px(Margine), Px(y_ + 1), Px(LarghezzaCorpo), Px(altezzeTitoli[k] + 1));
        Aggiunge([f, testo, area](QPainter& p) {
            p.setPen(Qt::black);
            p.setFont(f);
            p.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, testo);
        });
        y_ += altezzeTitoli[k] + 2;
        const Riquadro& r = ingombri[k];
        const Collocazione c{0, r.yMax, Margine, y_, 1};
        const Disegno* d = &s.Bande[k].Figura;
        const double dpmm = dpmm_;
        Aggiunge([=](QPainter& p) { DisegnaFigura(p, dpmm, *d, c, Famiglia); });
        y_ += r.yMax - r.yMin + 2;
    }
}

} // namespace

int DisegnaRelazione(QPagedPaintDevice& carta, const RelazioneCalcolo& relazione) {
    Impaginatore impagina(carta, relazione);
    const auto& blocchi = relazione.Blocchi;
    for (std::size_t k = 0; k < blocchi.size(); ++k) {
        // The chapter of the diagrams, and every strip, begin a page.
        const bool striscia = std::holds_alternative<StrisciaDiagrammi>(blocchi[k]);
        const bool capitolo = std::holds_alternative<Capitolo>(blocchi[k]);
        const bool primaDelleStrisce =
            capitolo && k + 1 < blocchi.size() && std::holds_alternative<StrisciaDiagrammi>(blocchi[k + 1]);
        const bool dopoIlCapitolo = k > 0 && std::holds_alternative<Capitolo>(blocchi[k - 1]);
        if (primaDelleStrisce || (striscia && !dopoIlCapitolo)) impagina.PaginaNuova();
        std::visit(impagina, blocchi[k]);
    }
    return impagina.Disegna(carta);
}

namespace {

void Impagina(QPrinter& carta, const RelazioneCalcolo& relazione) {
    carta.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    carta.setFullPage(true);
    carta.setDocName(Q(relazione.Titolo.empty() ? std::string("Relazione di calcolo") : relazione.Titolo));
    carta.setCreator(Q(relazione.Programma));
    DisegnaRelazione(carta, relazione);
}

} // namespace

RelazioneCalcolo RelazioneDiOggi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                 Messaggi& msg) {
    const std::string programma = std::string("Velcora ").append(VELCORA_VERSIONE);
    const std::string oggi = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    return ComponeRelazione(trave, imp, sep, programma, oggi, msg);
}

bool ScriveRelazionePdf(const std::filesystem::path& file, const RelazioneCalcolo& relazione, Messaggi& msg) {
    QPrinter carta(QPrinter::HighResolution);
    DestinazionePdf pdf(carta, file);
    Impagina(carta, relazione);
    // A painter that could not begin leaves a document that is not complete.
    if (const auto errore = pdf.Conclude()) {
        msg.Mostra(errore->Testo(), Icona::Nessuna);
        return false;
    }
    return true;
}

std::optional<std::string> DocumentoRelazionePdf(const std::filesystem::path& file, const RelazioneCalcolo& relazione,
                                                 Messaggi& msg) {
    QPrinter carta(QPrinter::HighResolution);
    DestinazionePdf pdf(carta, file);
    Impagina(carta, relazione);
    std::error_code ec;
    auto documento = pdf.Documento(ec);
    if (!documento) msg.Mostra(ErroreFile("Scrittura incompleta del file", file, ec).Testo(), Icona::Nessuna);
    return documento;
}

} // namespace vc
