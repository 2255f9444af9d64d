// The overview image: size, cells, markers, view frame, partial updates and the texture.
#include <GL/gl.h>

#include <random>

#include "editor/tasten.h"
#include "model/zustaende.h"
#include "render/uebersicht.h"
#include "zeichentest.h"

namespace {

uint32_t Pixelfarbe(int32_t farbwert) {
  return 0xFF000000u | static_cast<uint32_t>(farbwert);
}

// Everything the overview knows, built from scratch.
TUebersichtsbild Neu(const TProgramm& p, const TKV& kv) {
  TUebersichtsbild u;
  TUebersichtAenderung alles;
  alles.Alles = true;
  UebersichtAktualisieren(u, p, kv, alles);
  return u;
}

} // namespace

TEST_F(Zeichentest, OverviewSizeScaleMarginAndPen) {
  KarteAnlegen(50, 30);
  const TUebersichtsbild& u = Grafik->Uebersicht;
  EXPECT_EQ(u.Breite, 256);
  EXPECT_EQ(u.Hoehe, 128);
  EXPECT_DOUBLE_EQ(u.Sx, 5.12);
  EXPECT_NEAR(u.Sy, 4.2667, 1e-4);
  EXPECT_EQ(u.Rand, 1);
  KarteAnlegen(200, 200);
  EXPECT_EQ(u.Breite, 1024);
  EXPECT_EQ(u.Hoehe, 1024);
  // A side of one cell still gets an image.
  KarteAnlegen(1, 7);
  EXPECT_EQ(u.Breite, 4);
  EXPECT_EQ(u.Hoehe, 32);
  // Large sides stop at 2048 pixels; each pixel shows the cell under its centre.
  KarteAnlegen(3000, 20);
  EXPECT_EQ(u.Breite, 2048);
  EXPECT_EQ(u.Hoehe, 128);
  EXPECT_EQ(u.Stufen.size(), 12u); // 2048 x 128 down to 1 x 1
}

TEST_F(Zeichentest, OverviewCellsMarkersAndFrame) {
  KarteAnlegen(40, 40, 3);
  GelaendeSetzen(KV.Karte, 0, 0, 1);
  GelaendeSetzen(KV.Karte, 39, 39, 6);
  Startposition(10, 10, 1);
  P.ProgrammSpiel.Position = {20, 20};
  Neuaufbau();
  const TUebersichtsbild& u = Grafik->Uebersicht;
  ASSERT_EQ(u.Breite, 256); // 6.4 pixels a cell
  const auto gras = Pixelfarbe(Gelaendefarbe(P.Farben, 3).Farbwert);
  const auto wasser = Pixelfarbe(Gelaendefarbe(P.Farben, 1).Farbwert);
  const auto sand = Pixelfarbe(Gelaendefarbe(P.Farben, 6).Farbwert);
  // Cell 0 covers pixels 0 ... 5 (round(6.4) = 6), cell 39 from round(249.6) = 250.
  EXPECT_EQ(UebersichtPixel(u, 0, 0), wasser);
  EXPECT_EQ(UebersichtPixel(u, 5, 5), wasser);
  EXPECT_EQ(UebersichtPixel(u, 6, 6), gras);
  EXPECT_EQ(UebersichtPixel(u, 250, 250), sand);
  EXPECT_EQ(UebersichtPixel(u, 249, 250), gras);
  // Marker of (10, 10): white from round(64 - 2) to round(70.4 + 2), the player's red within
  // one pixel less on each side.
  const auto rot = Pixelfarbe(Spielerfarbe(P.Farben, 1).Farbwert);
  EXPECT_EQ(UebersichtPixel(u, 62, 62), 0xFFFFFFFFu);
  EXPECT_EQ(UebersichtPixel(u, 71, 66), 0xFFFFFFFFu);
  EXPECT_EQ(UebersichtPixel(u, 63, 63), rot);
  EXPECT_EQ(UebersichtPixel(u, 70, 70), rot);
  EXPECT_EQ(UebersichtPixel(u, 72, 66), gras);
  EXPECT_EQ(UebersichtPixel(u, 61, 66), gras);
  // The view frame is drawn over the image, never into it (scaled with it, it blurred).
  EXPECT_EQ(UebersichtPixel(u, 83, 120), gras);
  EXPECT_EQ(UebersichtPixel(u, 120, 173), gras);
  // A capped image samples cells: pixel p shows cell (2p + 1) * 3000 / 4096.
  KarteAnlegen(3000, 20, 3);
  for (int32_t x = 0; x < 3000; ++x)
    GelaendeSetzen(KV.Karte, x, 5, x % 16);
  Neuaufbau();
  for (int32_t p : {30, 31, 32, 100, 1000, 2047}) {
    const int32_t zelle = (2 * p + 1) * 3000 / 4096;
    EXPECT_EQ(UebersichtPixel(u, p, 5 * 128 / 20 + 2),
              Pixelfarbe(Gelaendefarbe(P.Farben, zelle % 16).Farbwert))
        << p;
  }
}

TEST_F(Zeichentest, PartialOverviewUpdatesEqualAFreshBuild) {
  std::mt19937 zufall(7);
  for (auto [breite, hoehe] : {std::pair{60, 45}, std::pair{3000, 700}}) {
    KarteAnlegen(breite, hoehe, 3);
    for (int runde = 0; runde < 12; ++runde) {
      // A brush press: a small block of terrain, sometimes a start position set or removed,
      // sometimes the view moved.
      const int32_t x0 = zufall() % breite, y0 = zufall() % hoehe, g = 1 + zufall() % 5;
      const uint8_t t = zufall() % 16;
      for (int32_t x = x0; x < std::min(breite, x0 + g); ++x)
        for (int32_t y = y0; y < std::min(hoehe, y0 + g); ++y)
          GelaendeSetzen(KV.Karte, x, y, t);
      if (runde % 3 == 0) Startposition(zufall() % breite, zufall() % hoehe, runde);
      if (runde % 4 == 1) {
        const auto& s = P.ProgrammSpiel.Speicher.Startpositionen;
        if (!s.empty()) {
          const TPunkt o = s[zufall() % s.size()].Ort;
          ZustandDeaktivieren(KV.Karte, o, zaStartpunkt);
        }
      }
      if (runde % 2 == 0)
        P.ProgrammSpiel.Position = {static_cast<int32_t>(zufall() % breite),
                                    static_cast<int32_t>(zufall() % hoehe)};
      Neuaufbau();
      const TUebersichtsbild neu = Neu(P, KV);
      const TUebersichtsbild& u = Grafik->Uebersicht;
      ASSERT_FALSE(u.AllesOffen && runde > 0) << "a small change rebuilt everything";
      UebersichtHochladen(Grafik->Uebersicht);
      ASSERT_EQ(u.Stufen.size(), neu.Stufen.size());
      for (size_t k = 0; k < neu.Stufen.size(); ++k)
        ASSERT_TRUE(u.Stufen[k] == neu.Stufen[k])
            << breite << " x " << hoehe << ", round " << runde << ", level " << k;
    }
  }
}

TEST_F(Zeichentest, OverviewTextureFollowsPartialUpdates) {
  KarteAnlegen(40, 40, 3);
  P.ProgrammSpiel.Position = {5, 5};
  Neuaufbau();
  Zeichnen();
  // Region 2 shows the 40 cells across 325 units: cell 30 around 1250 + 30.5 * 8.125.
  const int32_t mitte = static_cast<int32_t>(30.5 * 325 / 40);
  const TRgb gras = Pixel(1250 + mitte, 25 + mitte);
  for (int32_t x = 28; x <= 33; ++x)
    for (int32_t y = 28; y <= 33; ++y)
      GelaendeSetzen(KV.Karte, x, y, 6);
  Neuaufbau();
  EXPECT_FALSE(Grafik->Uebersicht.AllesOffen);
  EXPECT_FALSE(Grafik->Uebersicht.Offen.empty());
  Zeichnen();
  Ablegen("uebersicht");
  const TFarbKollektion& sand = Gelaendefarbe(P.Farben, 6);
  EXPECT_TRUE(Nahe(Pixel(1250 + mitte, 25 + mitte),
                   {int(sand.Rot * 255), int(sand.Gruen * 255), int(sand.Blau * 255)}, 3));
  EXPECT_NE(Pixel(1250 + mitte, 25 + mitte), gras);
  EXPECT_TRUE(Grafik->Uebersicht.Offen.empty());
  // Every level of the texture holds what the image holds.
  const TUebersichtsbild& u = Grafik->Uebersicht;
  glBindTexture(GL_TEXTURE_2D, u.Textur);
  for (size_t k = 0; k < u.Stufen.size(); ++k) {
    std::vector<uint32_t> textur(u.Stufen[k].size());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, static_cast<GLint>(k), GL_RGBA, GL_UNSIGNED_BYTE, textur.data());
    EXPECT_TRUE(textur == u.Stufen[k]) << "level " << k;
  }
  // The white outline around the image.
  EXPECT_GE(Zaehlen(1248, 200, 1252, 201, [](TRgb c) { return Nahe(c, {255, 255, 255}); }), 1);
}

TEST_F(Zeichentest, OverviewViewFrameIsCrispAtEveryMapAndClientSize) {
  // Black edges around white lines: on the image's pixels both must show, at least 2 pixels of
  // white, wherever the view is and whatever the scale.
  auto weiss = [](TRgb c) { return Nahe(c, {255, 255, 255}, 40); };
  auto schwarz = [](TRgb c) { return Nahe(c, {0, 0, 0}, 40); };
  const int32_t karten[][2] = {{9999, 9999}, {30, 7}, {40, 40}};
  const int32_t groessen[][2] = {{1600, 1200}, {646, 489}, {1920, 1080}};
  for (const auto& k : karten) {
    KarteAnlegen(k[0], k[1], 3);
    P.ProgrammSpiel.Position = {k[0] / 3, k[1] / 2};
    Neuaufbau();
    for (const auto& gr : groessen) {
      Zeichnen(0, gr[0], gr[1]);
      // The row and column through the view's centre, in client pixels.
      const TBildlage l = Bildlage(gr[0], gr[1]);
      const double fx = l.Breite / 1600.0, fy = l.Hoehe / 1200.0;
      const int32_t mx = l.x + int((1250 + (k[0] / 3 + 0.5) * 325.0 / k[0]) * fx);
      const int32_t my = l.y + int((25 + (k[1] / 2 + 0.5) * 325.0 / k[1]) * fy);
      const int32_t links = l.x + int(1250 * fx) + 1, rechts = l.x + int(1575 * fx) - 1;
      const int32_t oben = l.y + int(25 * fy) + 1, unten = l.y + int(350 * fy) - 1;
      const std::string wo = std::to_string(k[0]) + " x " + std::to_string(k[1]) + " at " +
                             std::to_string(gr[0]) + " x " + std::to_string(gr[1]);
      // Left and right lines on the centre row, top and bottom lines on the centre column.
      EXPECT_GE(Zaehlen(links, my, mx, my + 1, weiss), 2) << wo;
      EXPECT_GE(Zaehlen(mx + 1, my, rechts, my + 1, weiss), 2) << wo;
      EXPECT_GE(Zaehlen(mx, oben, mx + 1, my, weiss), 2) << wo;
      EXPECT_GE(Zaehlen(mx, my + 1, mx + 1, unten, weiss), 2) << wo;
      EXPECT_GE(Zaehlen(links, my, rechts, my + 1, schwarz), 2) << wo;
      Ablegen("rahmen");
    }
  }
  // Switched off and on again with U, the overview shows the frame where the view is now.
  KarteAnlegen(40, 40, 3);
  P.ProgrammSpiel.Position = {5, 5};
  Neuaufbau();
  TEditor e{P, KV, Umgebung};
  Tastendruck(e, 1, 'U', 0);
  P.ProgrammSpiel.Position = {30, 30};
  Neuaufbau();
  Tastendruck(e, 1, 'U', 0);
  Zeichnen();
  const int32_t alt = int(1250 + 5.5 * 325 / 40), neu = int(1250 + 30.5 * 325 / 40);
  EXPECT_GE(Zaehlen(neu - 70, 25 + neu - 1250, neu, 26 + neu - 1250, weiss), 2);
  EXPECT_EQ(Zaehlen(alt - 30, 25 + alt - 1250, alt + 60, 26 + alt - 1250, weiss), 0);
}

TEST_F(Zeichentest, OverviewOfAnEmptyMapIsAPlainQuad) {
  KarteAnlegen(0, 0);
  EXPECT_EQ(Grafik->Uebersicht.Breite, 0);
  Zeichnen();
  EXPECT_TRUE(Weiss(1400, 200));
}
