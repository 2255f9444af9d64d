// The default terrain atlas: written as TGA, read back as the editor reads it, each picture in
// its terrain's colour and no two alike.
#include <GL/gl.h>

#include <array>
#include <cstdlib>

#include "base/ziffern.h"
#include "gelaendebilder.h"
#include "model/tabellen.h"
#include "render/grafikgruppen.h"
#include "render/textur.h"
#include "zeichentest.h"

TEST_F(Zeichentest, DefaultAtlasShowsEachTerrainInItsColour) {
  const std::string ordner = TestOrdner("standard");
  const std::string datei = Grafikdatei(ordner, grGelaende);
  ASSERT_TRUE(TgaSpeichern(datei, Atlasseite, Atlasseite, GelaendeatlasMalen()));
  uint32_t textur = 0;
  TBildpixel bild;
  ASSERT_TRUE(TexturLaden(datei, textur, nullptr, &bild));
  ASSERT_EQ(bild.Breite, 512);
  ASSERT_EQ(bild.Hoehe, 512);

  std::array<std::array<double, 3>, Gelaendeanzahl> mittel{};
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    TBildflaeche f;
    Bildausschnitt(f, grGelaende, t);
    const int x0 = static_cast<int>(f.ULinks * 512), y0 = static_cast<int>(f.VOben * 512);
    for (int y = y0; y < y0 + 96; ++y)
      for (int x = x0; x < x0 + 96; ++x)
        for (int k = 0; k < 3; ++k)
          mittel[t][k] += bild.Rgba[(y * 512 + x) * 4 + k] / 9216.0;
    std::array<uint8_t, 3> soll{};
    FarbeZerlegen(FarbeAusText(Gelaendetabelle[t].Farbe), soll);
    for (int k = 0; k < 3; ++k)
      EXPECT_NEAR(mittel[t][k], soll[k], 50) << "terrain " << t << " channel " << k;
  }
  // Even the terrains that share a colour look different.
  for (int a = 0; a < Gelaendeanzahl; ++a)
    for (int b = a + 1; b < Gelaendeanzahl; ++b) {
      double abstand = 0;
      TBildflaeche fa, fb;
      Bildausschnitt(fa, grGelaende, a);
      Bildausschnitt(fb, grGelaende, b);
      const int ax = int(fa.ULinks * 512), ay = int(fa.VOben * 512);
      const int bx = int(fb.ULinks * 512), by = int(fb.VOben * 512);
      for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
          for (int k = 0; k < 3; ++k)
            abstand += std::abs(bild.Rgba[((ay + y) * 512 + ax + x) * 4 + k] -
                                bild.Rgba[((by + y) * 512 + bx + x) * 4 + k]);
      EXPECT_GT(abstand / (96 * 96 * 3), 2.0) << "terrains " << a << " and " << b;
    }
  glDeleteTextures(1, &textur);
}
