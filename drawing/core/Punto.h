#pragma once
// A point of a drawing in world coordinates (z is always 0 in the files and in the CAD drawing),
// and where a text stands horizontally with respect to its point.

namespace vc {

struct Punto {
    double x = 0;
    double y = 0;
    friend bool operator==(const Punto&, const Punto&) = default;
};

// Sinistra: the text starts at its point; Centro: its middle is there; Destra: it ends there.
enum class Allineamento { Sinistra, Centro, Destra };

// The part of its width a text stands left of its point: 0, 1/2 or 1.
inline double QuotaAllineamento(Allineamento a) {
    return a == Allineamento::Destra ? 1.0 : a == Allineamento::Centro ? 0.5 : 0.0;
}

} // namespace vc
