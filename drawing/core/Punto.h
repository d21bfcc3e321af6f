#pragma once
// A point of a drawing in world coordinates (z is always 0 in the files and in the CAD drawing).

namespace vc {

struct Punto {
    double x = 0;
    double y = 0;
    friend bool operator==(const Punto&, const Punto&) = default;
};

} // namespace vc
