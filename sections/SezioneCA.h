#pragma once
// A reinforced-concrete cross-section: rectangular, T-shaped (flange on top, web below) or
// generic (E, J and total depth given by the user). Rectangles and T sections are described
// by a vertex polygon from which area, centroid and second moments are derived.
//
// Sign convention: area and second moments are reported positive for every kind. The outline
// runs clockwise, which gives negative raw values; the polygon routine takes the orientation
// into account, so that a rectangle, a T and a generic section all hand a positive J to the
// spans and deflections come out positive downward.

#include <vector>

namespace vc {

enum TipoSezione : int { SezRettangolare = 0, SezT = 1, SezGenerica = 2 };

// Everything the polygon routine computes.
struct CaratteristichePoligono {
    double Area = 0, xG = 0, yG = 0;
    double J1 = 0, J2 = 0; // principal second moments
    double Rho1 = 0, Rho2 = 0; // radii of gyration
    double Alfa = 0; // angle of the principal axes
    double JxG = 0, JyG = 0, JxyG = 0;
    bool Nulla = false; // zero area
};

// Signed area of a polygon (1-based vertices stored from index 0); positive when counter-clockwise.
double GaussSegno(const std::vector<double>& x, const std::vector<double>& y);

// First moment, second moment and product moment of one triangle about the coordinate axes,
// given its signed area; c, x and y hold the three vertex coordinates.
double stat_tri(double area, const double c[3]);
double jota_tri(double area, const double c[3]);
double jota_xy_tri(double area, const double x[3], const double y[3]);

// The full-circle arctangent of numeratore/denominatore, in [0, 2π).
double AngoloPieno(double numeratore, double denominatore);

// Properties of a polygon by fan triangulation from its first vertex, plus the given additive
// contributions (area, Sx, Sy, Jx, Jy, Jxy). The values are taken with the sign that makes the
// area positive, whatever the orientation of the outline.
struct Contributi {
    double Area = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, Jxy = 0;
};
CaratteristichePoligono CaratteristicheStatichePoligono(const std::vector<double>& x, const std::vector<double>& y,
                                                        const Contributi& aggiunte = {});

class SezioneCA {
public:
    int TipoSez = SezRettangolare;
    double Area = 0;
    double xG = 0;
    double yG = 0;
    double JotaXG = 0;
    double JotaYG = 0;
    float Young = 0;
    float b1 = 0;
    float h1 = 0;
    float b2 = 0;
    float H2 = 0;
    float hTot = 0;
    bool SezioneNulla = true;

    // Builds the outline from TipoSez, b1, h1, b2, H2 (origin at the top right corner, the
    // section towards negative x and y). A generic section leaves the outline as it is; an
    // unknown kind throws std::invalid_argument("Tipo di sezione non implementato").
    void CoordinateSezione();
    // Area, centroid and second moments from the outline; sets SezioneNulla.
    void CaratteristicheStaticheSezione();

    const std::vector<float>& xVertici() const { return xVertici_; }
    const std::vector<float>& yVertici() const { return yVertici_; }
    int nVertici() const { return static_cast<int>(xVertici_.size()); }

private:
    std::vector<float> xVertici_;
    std::vector<float> yVertici_;
};

} // namespace vc
