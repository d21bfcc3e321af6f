#include "engine/VincoliElastici.h"

namespace vc {

const std::array<std::string_view, nSituazioniTelaio>& TestiSituazioni() {
    static const std::array<std::string_view, nSituazioniTelaio> testi = {
        "portale incernierato", "portale incastrato", "piano primo", "piano tipo"};
    return testi;
}

bool SecondoPilastro(int situazione) { return situazione == PianoPrimo || situazione == PianoTipo; }

bool LatoPilastro(int posizione) { return posizione == 1 || posizione == 2 || posizione == 5 || posizione == 6; }

double InerziaPilastro(double a, double b) { return a * a * a * b / 12.0; }

void AggiornaInerzie(DatiPilastri& dati) {
    dati[2] = InerziaPilastro(dati[0], dati[1]);
    dati[6] = InerziaPilastro(dati[4], dati[5]);
}

double RigidezzaCalcola(int situazione, const DatiPilastri& dati) {
    const double J1 = dati[2];
    const double L1 = dati[3];
    const double J2 = dati[6];
    const double L2 = dati[7];
    const double E = dati[8] * 1.0e6; // N/m²

    double k4 = 0, k3 = 0, k3sup = 0;
    if (L1 != 0) {
        k4 = 4.0 * E * J1 / L1;
        k3 = 3.0 * E * J1 / L1;
    }
    if (L2 != 0) k3sup = 3.0 * E * J2 / L2;

    double K = 0;
    switch (situazione) {
    case PortaleIncernierato:
        K = k3;
        break;
    case PortaleIncastrato:
        K = k4;
        break;
    case PianoPrimo:
        K = 2.0 * k3sup + k4;
        break;
    case PianoTipo:
        K = 2.0 * k3sup + 2.0 * k3;
        break;
    default:
        break;
    }
    return K / 1000.0; // Nm/rad to kNm/rad
}

double ModuloElasticoCampata(const Velcora& trave, int campata) {
    return static_cast<double>(trave.SezioneI(trave.CampataI(campata).iSez).Young) / 1000.0;
}

SceltaVincolo ScegliVincolo(int vincoloSinistro, int vincoloDestro) {
    SceltaVincolo s;
    if (vincoloSinistro == Elastico) {
        s.SinistraAbilitata = true;
        s.Sinistra = true;
        s.DestraAbilitata = vincoloDestro == Elastico;
    } else if (vincoloDestro == Elastico) {
        s.DestraAbilitata = true;
        s.Sinistra = false;
    }
    return s;
}

DatiVincoliElastici VincoliElasticiDellaTrave(const Velcora& trave) {
    DatiVincoliElastici d;
    for (int i = 1; i <= 9; ++i) {
        d.Pilastri[0][static_cast<std::size_t>(i - 1)] = trave.Dato_Sx(i);
        d.Pilastri[1][static_cast<std::size_t>(i - 1)] = trave.Dato_Dx(i);
    }
    d.Tipo = {trave.iTipoVincElastSx, trave.iTipoVincElastDx};
    d.K = {trave.kVincoloSinistro, trave.kVincoloDestro};
    d.Kutente = trave.Kutente;
    return d;
}

DatiVincoliElastici CaricaVincoliElastici(const Velcora& trave) {
    DatiVincoliElastici d = VincoliElasticiDellaTrave(trave);
    d.Pilastri[0][8] = ModuloElasticoCampata(trave, 1);
    d.Pilastri[1][8] = ModuloElasticoCampata(trave, trave.nCampate());
    return d;
}

void SalvaVincoliElastici(Velcora& trave, DatiVincoliElastici dati) {
    trave.Kutente = dati.Kutente;
    trave.kVincoloSinistro = dati.K[0];
    trave.kVincoloDestro = dati.K[1];
    if (dati.Kutente) {
        dati.Tipo = {0, 0};
        dati.Pilastri = {};
    }
    trave.iTipoVincElastSx = dati.Tipo[0];
    trave.iTipoVincElastDx = dati.Tipo[1];
    trave.Dati(dati.Pilastri[0], true);
    trave.Dati(dati.Pilastri[1], false);
}

} // namespace vc
