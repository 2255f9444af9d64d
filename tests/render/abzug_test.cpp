// The overview drawn again from its copy must look exactly as drawn from its texture, and the
// copy must be left the moment the texture or its filters change.
#include <GL/gl.h>

#include "model/karte.h"
#include "zeichentest.h"

namespace {

bool Gleich(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i += 4)
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) return false;
  return true;
}

} // namespace

class Abzugtest : public Zeichentest {
protected:
  // A frame drawn from the copy (taken by the frame before it), and the same frame drawn from
  // the texture.
  void BeideZeichnen(std::vector<uint8_t>& mitAbzug, std::vector<uint8_t>& ohneAbzug) {
    Zeichnen();
    EXPECT_TRUE(Grafik->Uebersichtsabzug.Gueltig);
    Zeichnen();
    mitAbzug = Bild;
    Grafik->Uebersichtsabzug.Gueltig = false;
    Zeichnen();
    ohneAbzug = Bild;
  }
};

TEST_F(Abzugtest, CopyShowsThePixelsOfTheTextureAndFollowsItsChanges) {
  // Larger than the region, so that the image is drawn minified through its mipmaps.
  KarteAnlegen(120, 90, 3);
  for (int32_t x = 0; x < 120; ++x)
    for (int32_t y = 0; y < 90; ++y)
      if ((x * 7 + y * 3) % 5 == 0) GelaendeSetzen(KV.Karte, x, y, static_cast<uint8_t>(x % 16));
  Startposition(12, 9, 2);
  P.ProgrammSpiel.Position = {60, 45};
  Neuaufbau();
  Zeichnen(); // draws from the texture and keeps the copy
  EXPECT_TRUE(Grafik->Uebersichtsabzug.Gueltig);
  const std::vector<uint8_t> ersterAbzug = Bild;
  std::vector<uint8_t> mit, ohne;
  BeideZeichnen(mit, ohne);
  EXPECT_TRUE(Gleich(mit, ohne));
  EXPECT_TRUE(Gleich(mit, ersterAbzug));
  // Whatever the map view draws under the region first (at the widest cells the grid lines and
  // the column labels reach into it), and in the menu.
  for (int32_t zoom = 0; zoom < 7; ++zoom) {
    ZoomSetzen(P, zoom);
    Neuaufbau();
    BeideZeichnen(mit, ohne);
    EXPECT_TRUE(Gleich(mit, ohne)) << "zoom " << zoom;
  }
  P.ProgrammSpiel.Ansicht = 1;
  BeideZeichnen(mit, ohne);
  EXPECT_TRUE(Gleich(mit, ohne));
  P.ProgrammSpiel.Ansicht = 0;

  // A change of the map reaches the overview although a copy was kept.
  for (int32_t x = 90; x < 100; ++x)
    for (int32_t y = 20; y < 30; ++y)
      GelaendeSetzen(KV.Karte, x, y, 6);
  Neuaufbau();
  Zeichnen();
  EXPECT_FALSE(Gleich(Bild, ersterAbzug));
  BeideZeichnen(mit, ohne);
  EXPECT_TRUE(Gleich(mit, ohne));

  // So does a change of the texture's filters: a frame sets plain linear filtering on whatever
  // texture is bound when it starts.
  const std::vector<uint8_t> gefiltert = ohne;
  glBindTexture(GL_TEXTURE_2D, Grafik->Uebersicht.Textur);
  BeideZeichnen(mit, ohne);
  EXPECT_TRUE(Gleich(mit, ohne));
  EXPECT_FALSE(Gleich(mit, gefiltert));
  glBindTexture(GL_TEXTURE_2D, Grafik->Uebersicht.Textur);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

TEST_F(Abzugtest, NoCopyIsUsedUnlessOneUnitIsOnePixel) {
  KarteAnlegen(40, 30, 3);
  Startposition(12, 9, 2);
  Neuaufbau();
  Zeichnen();
  EXPECT_TRUE(Grafik->Uebersichtsabzug.Gueltig);
  // Stretched, the copy would be of the wrong pixels: the texture is drawn and no copy taken.
  Grafik->Uebersichtsabzug.Gueltig = false;
  Zeichnen(0, 1000, 700);
  const std::vector<uint8_t> einmal = Bild;
  EXPECT_FALSE(Grafik->Uebersichtsabzug.Gueltig);
  Zeichnen(0, 1000, 700);
  EXPECT_TRUE(Gleich(Bild, einmal));
  Zeichnen();
}
