#include "engine/CoefficientiParziali.h"

#include "support/Formattazione.h"

#include <stdexcept>

namespace vc {

const std::array<RigaCoefficienti, 4>& RigheCoefficienti() {
    static const std::array<RigaCoefficienti, 4> righe = {{
        {"Carico permanente G1", 0, 1},
        {"Carico permanente G2", 2, 3},
        {"Carico variabile Q1 (*)", 4, 5},
        {"Carico variabile Q2", 6, 7},
    }};
    return righe;
}

std::string SpiegazioneOmettiG2() {
    return "Attivando la spunta si intende che nelle combinazioni agli SLE vengono omessi i carichi\n"
           "G2 che danno un contributo favorevole ai fini delle verifiche (D.M. 17/1/18 §2.5.3)";
}

std::array<std::size_t, 3> IndiciPsi(CaricoVariabile q) {
    if (q == CaricoVariabile::Q1) return {8, 9, 10};
    return {11, 12, 13};
}

const std::array<CategoriaCarico, 14>& CategorieCarico() {
    static const std::array<CategoriaCarico, 14> categorie = {{
        {"Categoria A - Ambienti ad uso residenziale", TernaPsi{0.7f, 0.5f, 0.3f}},
        {"Categoria B - Uffici", TernaPsi{0.7f, 0.5f, 0.3f}},
        {"Categoria C - Ambienti suscettibili di affollamento", TernaPsi{0.7f, 0.7f, 0.6f}},
        {"Categoria D - Ambienti ad uso commerciale", TernaPsi{0.7f, 0.7f, 0.6f}},
        {"Categoria E - Aree per immagazzinamento, uso commerciale e uso industriale\n"
         "Biblioteche, archivi, magazzini e ambienti ad uso industriale",
         TernaPsi{1.0f, 0.9f, 0.8f}},
        {"Categoria F - Rimesse , parcheggi ed aree per il traffico di veicoli (per autoveicoli\n"
         "di peso <= 30 kN)",
         TernaPsi{0.7f, 0.7f, 0.6f}},
        {"Categoria G - Rimesse, parcheggi ed aree per il traffico di veicoli (per autoveicoli\n"
         "di peso > 30 kN)",
         TernaPsi{0.7f, 0.5f, 0.3f}},
        {"Categoria H - Coperture accessibili per sola manutenzione", TernaPsi{0.0f, 0.0f, 0.0f}},
        {"Categoria  I - Coperture praticabili", std::nullopt},
        {"Categoria K - Coperture per usi speciali (impianti, eliporti, ...)", std::nullopt},
        {"Vento", TernaPsi{0.6f, 0.2f, 0.0f}},
        {"Neve (a quota <=1000 m s.l.m.)", TernaPsi{0.5f, 0.2f, 0.0f}},
        {"Neve (a quota > 1000 m s.l.m.)", TernaPsi{0.7f, 0.5f, 0.2f}},
        {"Variazioni termiche", TernaPsi{0.6f, 0.5f, 0.0f}},
    }};
    return categorie;
}

const CategoriaCarico& CategoriaScelta(int opzione) {
    if (opzione >= 0) {
        int k = 0;
        for (const CategoriaCarico& c : CategorieCarico()) {
            if (!c.Psi) continue;
            if (k == opzione) return c;
            ++k;
        }
    }
    throw std::out_of_range("categoria di carico " + std::to_string(opzione) + " inesistente");
}

TernaPsi PsiCategoria(int opzione) { return *CategoriaScelta(opzione).Psi; }

std::string TestoPsiCategoria(float psi, const Separatori& sep) {
    return FormattaSchema(static_cast<double>(psi), "0.0", sep);
}

TestiCoefficienti TestiCoefParz(const CoefficientiParziali& coef, const Separatori& sep) {
    TestiCoefficienti testi;
    for (std::size_t k = 0; k < nCoefParz; ++k)
        testi[k] = TestoNumero(static_cast<double>(coef[k]), sep);
    return testi;
}

float LeggeCoefficiente(std::string_view testo, const Separatori& sep) {
    return static_cast<float>(LeggeNumeroSingolo(testo, sep));
}

CoefficientiParziali LeggeCoefParz(const TestiCoefficienti& testi, const Separatori& sep) {
    CoefficientiParziali coef{};
    for (std::size_t k = 0; k < nCoefParz; ++k)
        coef[k] = LeggeCoefficiente(testi[k], sep);
    return coef;
}

void AggiornaCoeff(TestiCoefficienti& testi, CaricoVariabile q, const TernaPsi& psi, const Separatori& sep) {
    const auto indici = IndiciPsi(q);
    for (std::size_t j = 0; j < 3; ++j)
        testi[indici[j]] = TestoNumero(static_cast<double>(psi[j]), sep);
}

} // namespace vc
