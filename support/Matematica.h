#pragma once
// Numerical helpers shared by the engine: linear systems with many right-hand sides, dense
// and tridiagonal, the inverse of a square matrix, the parabola through three points, a stable
// ascending sort with a companion index, and the check-box/flag conversions.

#include "support/Matrice.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vc {

// Ainv = A⁻¹ by Gauss–Jordan elimination without row exchanges. The flexibility matrices of
// a continuous beam are symmetric and diagonally dominant and never need one. A zero pivot
// throws ErroreCalcolo (PivotNullo).
Matrice InverteMatrice(const Matrice& A);

// X = A⁻¹ B, every column of B at once.
Matrice RisolveSistema(const Matrice& A, const Matrice& B);

// A symmetric tridiagonal matrix factorised once by elimination without row exchanges
// (Thomas), then solved for any number of right-hand sides. The flexibility matrix of a
// continuous beam is diagonally dominant and never needs an exchange; a pivot that comes out
// zero or not finite stops the factorisation, and PivotNullo names its row.
class SistemaTridiagonale {
public:
    // diagonale: the n diagonal terms; laterale: the n − 1 terms beside it.
    SistemaTridiagonale(std::vector<double> diagonale, const std::vector<double>& laterale);

    std::size_t Righe() const noexcept { return inversi_.size(); }
    // The row (0-based) of the first zero or non-finite pivot; nothing when the system is solvable.
    std::optional<std::size_t> PivotNullo() const noexcept { return pivotNullo_; }

    // The rows [Inizio, Fine) of a solved block that may be other than zero.
    struct Estensione {
        std::size_t Inizio = 0, Fine = 0;
    };
    // Solves in place a block of right-hand sides stored row by row, Righe() × colonne, whose
    // rows outside [primaRiga, ultimaRiga] are zero. The solution of such a block decays away
    // from those rows and underflows to exactly zero: the rows where the whole block is zero
    // are left as they are, and the rows that may hold other values are returned. Only for a
    // system without a zero pivot.
    Estensione Risolve(std::span<double> blocco, std::size_t colonne, std::size_t primaRiga, std::size_t ultimaRiga) const;

private:
    std::vector<double> moltiplicatori_; // row i −= moltiplicatori_[i] × row i − 1
    std::vector<double> inversi_;        // 1 / pivot of each row
    std::vector<double> laterale_;
    std::optional<std::size_t> pivotNullo_;
};

struct Parabola {
    double a = 0, b = 0, c = 0; // y = a x² + b x + c
    double operator()(double x) const { return (a * x + b) * x + c; }
};

// The parabola through three points, by divided differences so that any order of the points
// works (an abscissa of 0 first included); two equal abscissas throw ErroreCalcolo (PivotNullo).
Parabola ParabolaPerTrePunti(double x1, double y1, double x2, double y2, double x3, double y3);

// Stable ascending sort of Valori (bubble sort: equal values are never exchanged). When
// Indice is given it receives the 1-based position each value held before sorting.
template <typename T>
void OrdinaCrescente(std::vector<T>& Valori, std::vector<int>* Indice = nullptr) {
    if (Indice) {
        Indice->resize(Valori.size());
        for (std::size_t k = 0; k < Valori.size(); ++k) (*Indice)[k] = static_cast<int>(k + 1);
    }
    bool scambiato = true;
    while (scambiato) {
        scambiato = false;
        for (std::size_t i = 0; i + 1 < Valori.size(); ++i) {
            if (Valori[i + 1] < Valori[i]) {
                std::swap(Valori[i], Valori[i + 1]);
                if (Indice) std::swap((*Indice)[i], (*Indice)[i + 1]);
                scambiato = true;
            }
        }
    }
}

// Sorts the first n items of Lista ascending (n <= 0 leaves the list untouched).
template <typename T>
void OrdinaCollezione(std::vector<T>& Lista, int n) {
    if (n <= 0) return;
    const auto fine = std::min<std::size_t>(Lista.size(), static_cast<std::size_t>(n));
    std::vector<T> parte(Lista.begin(), Lista.begin() + static_cast<std::ptrdiff_t>(fine));
    OrdinaCrescente(parte);
    std::copy(parte.begin(), parte.end(), Lista.begin());
}

// Exchanges a and b; with CambiaSegno both are negated afterwards.
template <typename T>
void ScambiaValori(T& a, T& b, bool CambiaSegno) {
    std::swap(a, b);
    if (CambiaSegno) {
        a = -a;
        b = -b;
    }
}

// A new list whose element k is Valori(Indice(k)) (1-based indices), over n elements (all when n < 0).
template <typename T>
std::vector<T> RiordinaPerIndice(const std::vector<T>& Valori, const std::vector<int>& Indice, int n = -1) {
    const std::size_t quanti = n < 0 ? Indice.size() : static_cast<std::size_t>(n);
    std::vector<T> r;
    r.reserve(quanti);
    for (std::size_t k = 0; k < quanti; ++k) r.push_back(Valori.at(static_cast<std::size_t>(Indice.at(k) - 1)));
    return r;
}

inline int BooleanoInSpunta(int flag) { return flag != 0 ? 1 : 0; }
inline bool SpuntaInBooleano(int valore) { return valore != 0; }

} // namespace vc
