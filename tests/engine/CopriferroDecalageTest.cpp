#include "engine/CopriferroDecalage.h"

#include <gtest/gtest.h>

#include <limits>

namespace vc {
namespace {

const Separatori IT = Separatori::Italiani();
const Separatori EN = Separatori::Inglesi();

TEST(CopriferroDecalage, CentimetriNelCampoMetriNellaTrave) {
    EXPECT_EQ(TestoCopriferro(0.03f, IT), "3");
    EXPECT_EQ(TestoCopriferro(0.025f, IT), "2,5");
    EXPECT_EQ(TestoCopriferro(0.025f, EN), "2.5");
    EXPECT_EQ(TestoCopriferro(0.0f, IT), "0");
    EXPECT_FLOAT_EQ(CopriferroDaTesto("3", IT), 0.03f);
    EXPECT_FLOAT_EQ(CopriferroDaTesto("2,5", IT), 0.025f);
    EXPECT_FLOAT_EQ(CopriferroDaTesto("2.5", EN), 0.025f);
    EXPECT_EQ(CopriferroDaTesto("", IT), 0.0f);
    EXPECT_EQ(CopriferroDaTesto("abc", IT), 0.0f);
    EXPECT_EQ(CopriferroDaTesto("1e999", IT), 0.0f);
    // A cover that would fit a single in metres but not in centimetres is none; the largest
    // single, as a file may hold it, still shows.
    EXPECT_EQ(CopriferroDaTesto("1e40", IT), 0.0f);
    EXPECT_EQ(TestoCopriferro(std::numeric_limits<float>::max(), EN), "3.40282346638529E+40");
    EXPECT_EQ(DidascaliaDecalage(VoceDecalage, CopriferroDaTesto("3e38", EN), EN), "Decalage con c = 3E+38 cm");
}

TEST(CopriferroDecalage, DidascalieDelleDueVoci) {
    EXPECT_EQ(DidascaliaDecalage(VoceDecalage, 0.03f, IT), "Decalage con c = 3 cm");
    EXPECT_EQ(DidascaliaDecalage(VoceDecalageSovrapposto, 0.03f, IT), "Decalage Sovrapposto con c = 3 cm");
    EXPECT_EQ(DidascaliaDecalage(VoceDecalage, 0.045f, IT), "Decalage con c = 4,5 cm");
    EXPECT_EQ(DidascaliaDecalage(VoceDecalageSovrapposto, 0.045f, EN), "Decalage Sovrapposto con c = 4.5 cm");
}

} // namespace
} // namespace vc
