#include "support/Matematica.h"

#include "support/Errori.h"

#include <algorithm>
#include <cmath>

namespace vc {

namespace {
double Pivot(const Matrice& W, int k) {
    const double p = W(k, k);
    if (p == 0.0 || !std::isfinite(p))
        throw ErroreCalcolo(ErroreCalcolo::Tipo::PivotNullo, "pivot nullo alla riga " + std::to_string(k));
    return p;
}

// Row i -= factor × row k, on the work copy and on the inverse under construction. The rows
// of a tridiagonal matrix are mostly zero: a zero factor changes nothing and is skipped.
void Elimina(Matrice& W, Matrice& Ainv, int i, int k) {
    const double factor = W(i, k) / Pivot(W, k);
    if (factor == 0.0) return;
    const int n = W.Righe();
    for (int j = 1; j <= n; ++j) {
        W(i, j) -= factor * W(k, j);
        Ainv(i, j) -= factor * Ainv(k, j);
    }
}
} // namespace

Matrice InverteMatrice(const Matrice& A) {
    const int n = A.Righe();
    Matrice W = A;
    Matrice Ainv = Matrice::Identita(n);
    for (int k = 1; k <= n - 1; ++k)
        for (int i = k + 1; i <= n; ++i) Elimina(W, Ainv, i, k);
    for (int k = n; k >= 2; --k)
        for (int i = k - 1; i >= 1; --i) Elimina(W, Ainv, i, k);
    for (int i = 1; i <= n; ++i) {
        const double d = Pivot(W, i);
        for (int j = 1; j <= n; ++j) {
            W(i, j) /= d;
            Ainv(i, j) /= d;
        }
    }
    return Ainv;
}

Matrice RisolveSistema(const Matrice& A, const Matrice& B) {
    const Matrice Ainv = InverteMatrice(A);
    const int n = A.Righe();
    Matrice X(n, B.Colonne());
    for (int c = 1; c <= B.Colonne(); ++c)
        for (int i = 1; i <= n; ++i) {
            double s = 0.0;
            for (int j = 1; j <= n; ++j) s += Ainv(i, j) * B(j, c);
            X(i, c) = s;
        }
    return X;
}

SistemaTridiagonale::SistemaTridiagonale(std::vector<double> diagonale, const std::vector<double>& laterale)
    : moltiplicatori_(diagonale.size(), 0.0), inversi_(diagonale.size(), 0.0), laterale_(laterale) {
    for (std::size_t i = 0; i < diagonale.size(); ++i) {
        if (i > 0) {
            moltiplicatori_[i] = laterale_[i - 1] * inversi_[i - 1];
            diagonale[i] -= moltiplicatori_[i] * laterale_[i - 1];
        }
        if (diagonale[i] == 0.0 || !std::isfinite(diagonale[i])) {
            pivotNullo_ = i;
            return;
        }
        inversi_[i] = 1.0 / diagonale[i];
    }
}

namespace {
bool Nulla(std::span<const double> riga) {
    return std::all_of(riga.begin(), riga.end(), [](double v) { return v == 0.0; });
}
} // namespace

SistemaTridiagonale::Estensione SistemaTridiagonale::Risolve(std::span<double> blocco, std::size_t colonne,
                                                        std::size_t primaRiga, std::size_t ultimaRiga) const {
    const std::size_t n = Righe();
    const auto riga = [&](std::size_t i) { return blocco.subspan(i * colonne, colonne); };
    // Forward elimination; beyond the last right-hand side a zero row stays zero below.
    std::size_t fine = n;
    for (std::size_t i = primaRiga + 1; i < n; ++i) {
        const auto sopra = riga(i - 1);
        const auto r = riga(i);
        const double m = moltiplicatori_[i];
        for (std::size_t c = 0; c < colonne; ++c) r[c] -= m * sopra[c];
        if (i > ultimaRiga && Nulla(r)) {
            fine = i;
            break;
        }
    }
    // Back substitution from the last row that is not zero; above the first right-hand side a
    // zero row stays zero above.
    std::size_t inizio = 0;
    for (std::size_t i = fine; i-- > 0;) {
        const auto r = riga(i);
        const double inverso = inversi_[i];
        if (i + 1 < fine) {
            const auto sotto = riga(i + 1);
            const double l = laterale_[i];
            for (std::size_t c = 0; c < colonne; ++c) r[c] = (r[c] - l * sotto[c]) * inverso;
        } else {
            for (std::size_t c = 0; c < colonne; ++c) r[c] *= inverso;
        }
        if (i < primaRiga && Nulla(r)) {
            inizio = i + 1;
            break;
        }
    }
    return {inizio, fine};
}

Parabola ParabolaPerTrePunti(double x1, double y1, double x2, double y2, double x3, double y3) {
    if (x1 == x2 || x2 == x3 || x1 == x3)
        throw ErroreCalcolo(ErroreCalcolo::Tipo::PivotNullo, "parabola per tre punti con ascisse coincidenti");
    // Newton form y = y1 + d12 (x - x1) + d123 (x - x1)(x - x2), expanded into a x² + b x + c.
    const double d12 = (y2 - y1) / (x2 - x1);
    const double d23 = (y3 - y2) / (x3 - x2);
    const double d123 = (d23 - d12) / (x3 - x1);
    Parabola p;
    p.a = d123;
    p.b = d12 - d123 * (x1 + x2);
    p.c = y1 - d12 * x1 + d123 * x1 * x2;
    return p;
}

} // namespace vc
