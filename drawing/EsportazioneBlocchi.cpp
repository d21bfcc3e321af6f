#include "drawing/EsportazioneBlocchi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/DispositivoCad.h"
#include "files/FileDati.h"

#include <string>

namespace vc {

namespace {

// The values of code 1040 are the single-precision reals the beam keeps.
double Singola(float v) {
    return static_cast<double>(v);
}

} // namespace

int UltimoIndiceXdata(const Velcora& trave) {
    return 15 * trave.nCampate() + 5 * trave.nSezioni() + 13;
}

void PreparaXdata(const Velcora& trave, const Impostazioni& imp, std::vector<int>& dataType,
                  std::vector<ValoreEsteso>& data, double ScalaM, double ScalaT) {
    const int n = trave.nCampate();
    const int m = trave.nSezioni();
    dataType.clear();
    data.clear();
    dataType.reserve(static_cast<std::size_t>(UltimoIndiceXdata(trave) + 1));
    data.reserve(dataType.capacity());
    const auto voce = [&](int codice, ValoreEsteso valore) {
        dataType.push_back(codice);
        data.push_back(std::move(valore));
    };

    voce(1001, std::string(ApplicazioneVelcora));
    voce(1070, n);
    for (int i = 1; i <= n; ++i)
        voce(1040, Singola(trave.CampataI(i).Luce));
    for (int i = 1; i <= n; ++i)
        voce(1070, trave.CampataI(i).iSez);
    for (int k = 1; k <= n + 1; ++k)
        voce(1040, Singola(trave.LarghezzaAppoggi(k)));
    voce(1070, m);
    for (int j = 1; j <= m; ++j) {
        const SezioneCA& s = trave.SezioneI(j);
        voce(1070, s.TipoSez);
        voce(1040, Singola(s.b1));
        voce(1040, Singola(s.h1));
        voce(1040, Singola(s.b2));
        voce(1040, Singola(s.H2));
    }
    voce(1040, ScalaM);
    voce(1040, ScalaT);
    for (int i = 1; i <= n; ++i) {
        const Trave& t = trave.CampataI(i);
        for (float v : {t.CaricoDistribuitoPermanente, t.CaricoDistribuitoVariabile, t.MmaxCam(), t.MminCam(),
                        t.xMmaxCam(), t.xMminCam(), t.MmaxAppS(), t.MmaxAppD(), t.MminAppS(), t.MminAppD(),
                        t.TaglioMaxS(), t.TaglioMaxD()})
            voce(1040, Singola(v));
    }
    voce(1040, Singola(trave.Copriferro));
    voce(1070, trave.ArrotondaMomenti ? -1 : 0);
    voce(1000, std::string(VersioneFileDati));
    voce(1070, imp.StatoLimite);
    for (std::size_t i = 0; i < 4; ++i)
        voce(1040, Singola(imp.CoefParz[i]));
}

void EsportaInAcadXdataMT(const Velcora& trave, const Impostazioni& imp, const Separatori& sep, DisegnoCad& d,
                          Messaggi& msg) {
    const DiagrammaTrave momenti = DiagrammaMomenti(trave, imp, sep, msg, 4);
    const DiagrammaTrave tagli = DiagrammaTagli(trave, imp, sep, 4);

    // The layer of the diagrams becomes active and unlocked; the drawing is purged, so that
    // definitions of the two blocks no reference uses any more disappear.
    const std::string nomeLayer = d.AggiungeLayer(LayerDiagrammi).Nome;
    const std::string precedente = d.LayerAttivo();
    const LayerCad statoPrecedente = *d.CercaLayer(precedente);
    d.ImpostaLayerAttivo(nomeLayer);
    d.CercaLayer(nomeLayer)->Bloccato = false;
    d.EliminaNonUsati();

    d.AggiungeBlocco({0, 0}, BloccoMomenti);
    d.AggiungeBlocco({0, 0}, BloccoTagli);
    DispositivoCad bloccoM(d, BloccoMomenti, msg);
    DisegnaSu(momenti.Figura, bloccoM, msg);
    DispositivoCad bloccoT(d, BloccoTagli, msg);
    DisegnaSu(tagli.Figura, bloccoT, msg);

    std::vector<int> dataType;
    std::vector<ValoreEsteso> data;
    PreparaXdata(trave, imp, dataType, data, momenti.Scala, tagli.Scala);

    d.InserisceBlocco({0, 0}, BloccoMomenti, 1, 1, 1, 0).ImpostaDatiEstesi(dataType, data);
    d.InserisceBlocco({2 * static_cast<double>(trave.LunghezzaTotale()), 0}, BloccoTagli, 1, 1, 1, 0);

    d.CercaLayer(nomeLayer)->Bloccato = true;
    // The purge takes away an empty layer that was active before: it comes back as it was.
    if (!d.CercaLayer(precedente)) {
        LayerCad& ripreso = d.AggiungeLayer(statoPrecedente.Nome);
        ripreso.Colore = statoPrecedente.Colore;
        ripreso.Bloccato = statoPrecedente.Bloccato;
    }
    d.ImpostaLayerAttivo(precedente);
    d.ZoomEstensioni();
}

} // namespace vc
