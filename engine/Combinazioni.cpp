#include "engine/Combinazioni.h"

#include "engine/Velcora.h"

namespace vc {

std::optional<CaricoCombinato> CombinaCarichi(double G1, double G2, double Q1, double Q2, ModoCombinazione ist,
                                              const Impostazioni& imp) {
    const auto k = [&imp](int i) { return static_cast<double>(imp.CoefParz[static_cast<std::size_t>(i)]); };
    const double psi0Q2 = k(11);
    switch (ist) {
    case ModoCombinazione::Ripristina:
        return std::nullopt;
    case ModoCombinazione::Setta:
        // SLU: every load at its favourable factor everywhere, the difference to the
        // unfavourable factor as the variable part. Q2 always accompanies with ψ0.
        return CaricoCombinato{k(0) * G1 + k(2) * G2 + k(4) * Q1 + k(6) * psi0Q2 * Q2,
                               (k(1) - k(0)) * G1 + (k(3) - k(2)) * G2 + (k(5) - k(4)) * Q1 +
                                   (k(7) - k(6)) * psi0Q2 * Q2};
    case ModoCombinazione::SLE:
        break;
    }
    double variabile = 0;
    switch (imp.TipoSLE) {
    case SLERara:
        variabile = Q1 + psi0Q2 * Q2;
        break;
    case SLEFrequente:
        variabile = k(9) * Q1 + k(13) * Q2;
        break;
    case SLEQuasiPermanente:
        variabile = k(10) * Q1 + k(13) * Q2;
        break;
    default:
        return std::nullopt;
    }
    // Omitting a favourable G2 moves it into the variable part, counted only where it hurts.
    if (imp.OmettiG2Favorevole) return CaricoCombinato{G1, G2 + variabile};
    return CaricoCombinato{G1 + G2, variabile};
}

const char* EtichettaCombinazione(const Impostazioni& imp) {
    if (imp.StatoLimite == SLU) return " - Sollecitazioni SLU";
    switch (imp.TipoSLE) {
    case SLEFrequente:
        return " - Sollecitazioni SLE - Frequente";
    case SLEQuasiPermanente:
        return " - Sollecitazioni SLE - Quasi permanente";
    default:
        return " - Sollecitazioni SLE - Rara";
    }
}

void Trave::CarichiSLU(ModoCombinazione ist, const Impostazioni& imp) {
    const auto c = CombinaCarichi(CaricoDistG1, CaricoDistG2, CaricoDistQ1, CaricoDistQ2, ist, imp);
    if (!c) return;
    CaricoDistribuitoPermanente = static_cast<float>(c->Permanente);
    CaricoDistribuitoVariabile = static_cast<float>(c->Variabile);
}

void Trave::Carichi_FconcSLU(ModoCombinazione ist, const Impostazioni& imp) {
    forzeCombinate_.assign(forze_.size(), ForzaCombinata{});
    for (std::size_t i = 0; i < forze_.size(); ++i) {
        const Forza& f = forze_[i];
        const auto c = CombinaCarichi(f.g1, f.g2, f.q1, f.q2, ist, imp);
        if (!c) continue;
        forzeCombinate_[i] = {static_cast<float>(c->Permanente), static_cast<float>(c->Variabile), f.d};
    }
}

void Velcora::CaricaCombinazione(ModoCombinazione ist, const Impostazioni& imp) {
    for (Trave& t : campate_) {
        t.CarichiSLU(ist, imp);
        t.Carichi_FconcSLU(ist, imp);
    }
}

} // namespace vc
