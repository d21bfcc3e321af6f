// The screen and printer devices: lines, texts, arcs and outlines painted into an image, in
// world coordinates with y upwards, in the colours of the AutoCAD colour numbers.

#include "ui/DispositivoQt.h"

#include "drawing/core/DisegnoSuDispositivo.h"
#include "support/Messaggi.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace vc {
namespace {

bool Rosso(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool Bianco(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

// Pixels that are not white inside a rectangle of the image.
int NonBianchi(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!Bianco(img.pixel(x, y))) ++n;
    return n;
}

class Immagine : public ::testing::Test {
  protected:
    Immagine() : img(200, 100, QImage::Format_RGB32) { img.fill(Qt::white); }

    // World x 0..20, y 0..10 onto the whole image.
    std::shared_ptr<DispositivoVideo> Video(QPainter& p) {
        auto d = std::make_shared<DispositivoVideo>(p);
        const auto area = d->AreaPredefinita();
        EXPECT_TRUE(area.has_value());
        EXPECT_DOUBLE_EQ(area->Larghezza, 200);
        EXPECT_DOUBLE_EQ(area->Altezza, 100);
        d->ImpostaScalaUtente({0, 10, 20, -10});
        return d;
    }

    QImage img;
};

TEST_F(Immagine, LaScalaUtenteHaLaYVersoLAlto) {
    QPainter p(&img);
    auto d = Video(p);
    EXPECT_EQ(d->Mappa({0, 10}), QPointF(0, 0));
    EXPECT_EQ(d->Mappa({20, 0}), QPointF(200, 100));
    EXPECT_EQ(d->Mappa({10, 2.5}), QPointF(100, 75));
}

TEST_F(Immagine, UnaLineaRossaSpessaTrePixel) {
    {
        QPainter p(&img);
        auto d = Video(p);
        d->ImpostaSpessore(3);
        EXPECT_DOUBLE_EQ(d->LarghezzaPenna(), 3);
        d->Linea({1, 5}, {19, 5}, 1);
    }
    EXPECT_TRUE(Rosso(img.pixel(100, 50)));
    EXPECT_TRUE(Rosso(img.pixel(100, 49)));
    EXPECT_TRUE(Bianco(img.pixel(100, 40)));
    EXPECT_TRUE(Bianco(img.pixel(2, 50))); // left of the start
}

TEST_F(Immagine, ColoriDelleTabelleDiAutocad) {
    EXPECT_EQ(ColoreQt(1), QColor(255, 0, 0));
    EXPECT_EQ(ColoreQt(5), QColor(0, 0, 255));
    EXPECT_EQ(ColoreQt(13), QColor(0, 0xC0, 0));
    EXPECT_EQ(ColoreQt(7), QColor(0, 0, 0));
    EXPECT_EQ(ColoreQt(9), QColor(0, 0, 0)); // any other number is black on screen
}

TEST_F(Immagine, IlTestoPendeDalSuoPunto) {
    {
        QPainter p(&img);
        Video(p)->Testo({10, 5}, 1, "Scala", 7, Allineamento::Sinistra);
    }
    // The text starts at its point and goes down and to the right.
    EXPECT_GT(NonBianchi(img, QRect(100, 50, 60, 30)), 10);
    EXPECT_EQ(NonBianchi(img, QRect(0, 0, 100, 50)), 0);
}

TEST_F(Immagine, IlTestoAllineatoADestraFinisceAlSuoPunto) {
    {
        QPainter p(&img);
        Video(p)->Testo({10, 5}, 1, "Scala", 7, Allineamento::Destra);
    }
    EXPECT_GT(NonBianchi(img, QRect(40, 50, 60, 30)), 10);
    EXPECT_EQ(NonBianchi(img, QRect(101, 0, 99, 100)), 0);
}

TEST_F(Immagine, PoligonoChiusoEArco) {
    {
        QPainter p(&img);
        Disegno d;
        const double x[] = {2, 8, 8, 2}, y[] = {2, 2, 8, 8};
        d.Poligono(x, y, {5, 1});
        d.Arco(15, 5, 3, 0, std::numbers::pi, {5, 1});
        DisegnaElementi(d, *Video(p));
    }
    // The four sides of the square, nothing inside it.
    EXPECT_GT(NonBianchi(img, QRect(19, 18, 4, 4)), 0);   // bottom-left corner (2, 8) → (20, 20)
    EXPECT_GT(NonBianchi(img, QRect(50, 78, 10, 4)), 0);  // lower side at y = 2
    EXPECT_EQ(NonBianchi(img, QRect(30, 30, 40, 40)), 0); // the inside
    // The upper half circle: its top at (15, 8), nothing below the centre line.
    EXPECT_GT(NonBianchi(img, QRect(147, 18, 6, 5)), 0);
    EXPECT_EQ(NonBianchi(img, QRect(125, 55, 50, 40)), 0);
}

TEST_F(Immagine, SolidoTratteggiato) {
    {
        QPainter p(&img);
        const Punto v[] = {{2, 1}, {18, 1}, {18, 9}, {2, 9}, {2, 1}};
        Video(p)->Solido(v, 1);
    }
    // 19 hatch lines across 80 pixels of height: many drawn rows inside, blank ones between.
    int righe = 0;
    for (int py = 15; py < 85; ++py)
        if (!Bianco(img.pixel(100, py))) ++righe;
    EXPECT_GE(righe, 19);
    EXPECT_LT(righe, 70);
}

TEST(Stampante, UnaUnitaDiSpessoreSonoDueDecimiDiMillimetro) {
    QImage pagina(100, 100, QImage::Format_RGB32);
    QPainter p(&pagina);
    DispositivoStampante d(p, 1200);
    EXPECT_EQ(d.Tipo(), Uscita::Stampante);
    d.ImpostaSpessore(1);
    EXPECT_DOUBLE_EQ(d.LarghezzaPenna(), 9); // 0.2 mm at 1200 dpi: 11.34 twips / 1.2 twips per pixel
    d.ImpostaSpessore(3);
    EXPECT_DOUBLE_EQ(d.LarghezzaPenna(), 28);
    EXPECT_EQ(p.font().family(), QStringLiteral("Times New Roman"));
}

} // namespace
} // namespace vc
