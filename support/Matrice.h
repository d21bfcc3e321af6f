#pragma once
// A dense matrix of doubles with 1-based row and column numbers, as the solver writes its
// flexibility matrix and right-hand sides.

#include <cstddef>
#include <vector>

namespace vc {

class Matrice {
public:
    Matrice() = default;
    Matrice(int righe, int colonne) : righe_(righe), colonne_(colonne), dati_(Dim(righe, colonne), 0.0) {}

    int Righe() const noexcept { return righe_; }
    int Colonne() const noexcept { return colonne_; }

    double& operator()(int i, int j) { return dati_[Indice(i, j)]; }
    double operator()(int i, int j) const { return dati_[Indice(i, j)]; }

    static Matrice Identita(int n) {
        Matrice m(n, n);
        for (int i = 1; i <= n; ++i) m(i, i) = 1.0;
        return m;
    }

private:
    static std::size_t Dim(int r, int c) { return static_cast<std::size_t>(r) * static_cast<std::size_t>(c); }
    std::size_t Indice(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(colonne_) + static_cast<std::size_t>(j - 1);
    }

    int righe_ = 0;
    int colonne_ = 0;
    std::vector<double> dati_;
};

} // namespace vc
