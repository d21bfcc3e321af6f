#include "app/RisultatiJson.h"

#include <QJsonArray>

namespace vc {

namespace {

QJsonValue Numero(float x) {
    return QJsonValue(static_cast<double>(x));
}

// The values of f(1..quanti).
template <typename F>
QJsonArray Serie(int quanti, F&& f) {
    QJsonArray a;
    for (int j = 1; j <= quanti; ++j) a.append(f(j));
    return a;
}

} // namespace

QJsonObject RisultatiJson(const Velcora& trave) {
    const int n = trave.nCampate();
    const int nPt = trave.nPt();

    QJsonObject diagrammi;
    diagrammi["xPlt"] = Serie(nPt, [&](int j) { return Numero(trave.xPlt(j)); });
    diagrammi["yMmaxPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yMmaxPlt(j)); });
    diagrammi["yMminPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yMminPlt(j)); });
    diagrammi["yTmaxPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yTmaxPlt(j)); });
    diagrammi["yTminPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yTminPlt(j)); });
    diagrammi["yFrMaxPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yFrMaxPlt(j)); });
    diagrammi["yFrMinPlt"] = Serie(nPt, [&](int j) { return Numero(trave.yFrMinPlt(j)); });

    QJsonObject r;
    r["nCampate"] = n;
    r["nPt"] = nPt;
    r["MiperApp"] = Serie(n + 1, [&](int s) {
        return Serie(n + 1, [&](int c) { return QJsonValue(trave.MiperAppI(s, c)); });
    });
    r["iFineCampata"] = Serie(n + 1, [&](int i) { return QJsonValue(trave.iFineCampata(i)); });
    r["diagrammi"] = diagrammi;
    r["appoggi"] = Serie(n + 1, [&](int k) {
        return QJsonObject{{"MmaxApp", Numero(trave.MmaxApp(k))},       {"MminApp", Numero(trave.MminApp(k))},
                           {"TaglioMaxS", Numero(trave.TaglioMaxS(k))}, {"TaglioMaxD", Numero(trave.TaglioMaxD(k))},
                           {"ReazMax", Numero(trave.ReazMax(k))},       {"ReazMin", Numero(trave.ReazMin(k))}};
    });
    r["campate"] = Serie(n, [&](int i) {
        const Trave& t = trave.CampI(i);
        return QJsonObject{{"MmaxCam", Numero(t.MmaxCam())},
                           {"xMmaxCam", Numero(t.xMmaxCam())},
                           {"MminCam", Numero(t.MminCam())},
                           {"xMminCam", Numero(t.xMminCam())},
                           {"FrecciaMax", Numero(t.FrecciaMax())},
                           {"FrecciaMin", Numero(t.FrecciaMin())},
                           {"CaricoDistribuitoPermanente", Numero(t.CaricoDistribuitoPermanente)},
                           {"CaricoDistribuitoVariabile", Numero(t.CaricoDistribuitoVariabile)}};
    });
    r["FrecciaMaxTrave"] = Numero(trave.FrecciaMaxTrave());
    r["FrecciaMinTrave"] = Numero(trave.FrecciaMinTrave());
    r["LunghezzaTotale"] = Numero(trave.LunghezzaTotale());
    r["PassoPlt"] = Numero(trave.PassoPlt());
    return r;
}

} // namespace vc
