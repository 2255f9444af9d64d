// The map view: terrain pictures, grid, coordinates and start positions.
#include <filesystem>

#include "model/einstellungen.h"
#include "model/zustaende.h"
#include "render/grafikgruppen.h"
#include "zeichentest.h"

namespace {

// A terrain atlas of one plain colour per picture.
TRgb Testfarbe(int t) {
  return {20 + 13 * t, 160 - 9 * t, (40 + 37 * t) % 200};
}

std::string AtlasOrdner() {
  const std::string ordner = TestOrdner("atlas");
  std::vector<uint32_t> pixel(512 * 512, 0xFF000000u);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x) {
      const int spalte = x / 96, zeile = y / 96;
      if (spalte < 4 && zeile < 4) {
        const TRgb f = Testfarbe(zeile * 4 + spalte);
        pixel[y * 512 + x] = 0xFF000000u | (f[0] << 16) | (f[1] << 8) | f[2];
      }
    }
  TgaSchreiben(Grafikdatei(ordner, grGelaende), 512, 512, pixel);
  return ordner;
}

} // namespace

TEST_F(Zeichentest, TerrainPicturesComeFromTheAtlasInTerrainOrder) {
  ASSERT_EQ(GrafikenLaden(*Grafik, AtlasOrdner()), 1);
  KarteAnlegen(20, 20);
  for (int32_t x = 0; x < 20; ++x)
    for (int32_t y = 0; y < 20; ++y)
      GelaendeSetzen(KV.Karte, x, y, (x + 3 * y) % 16);
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  Ablegen("gelaende");
  // View (7, 7) at 15 x 15: columns 0 ... 15 show map columns 0 ... 15, 77 units each.
  for (int i = 0; i <= 14; ++i)
    for (int j = 0; j <= 15; j += 5) {
      const TRgb soll = Testfarbe((i + 3 * j) % 16);
      EXPECT_TRUE(Nahe(Pixel(i * 77 + 38, j * 77 + 38), soll, 4)) << "cell " << i << ", " << j;
    }
  // The sixteenth column reaches under the panel; its first 20 units show.
  EXPECT_TRUE(Nahe(Pixel(1165, 38), Testfarbe(15), 4));
}

TEST_F(Zeichentest, WithoutAnAtlasCellsArePlainWhite) {
  KarteAnlegen(20, 20, 6);
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  EXPECT_EQ(Zaehlen(0, 0, 1155, 1155, [](TRgb c) { return !Nahe(c, {255, 255, 255}, 1); }), 0);
}

TEST_F(Zeichentest, CellsOffTheMapShowTheBackgroundUnlessTheMapWraps) {
  ASSERT_EQ(GrafikenLaden(*Grafik, AtlasOrdner()), 1);
  KarteAnlegen(20, 20, 2);
  ZoomSetzen(P, 6); // 45 cells of 25 units
  P.ProgrammSpiel.Position = {10, 10};
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  Ablegen("rand");
  // First column x0 = 10 - 22 = -12: map column 0 starts at 12 x 25 = 300.
  const TRgb wald = Testfarbe(2);
  EXPECT_TRUE(Nahe(Pixel(312, 312), wald, 4));
  EXPECT_TRUE(Nahe(Pixel(799, 799), wald, 4));   // map cell (19, 19)
  EXPECT_FALSE(Nahe(Pixel(812, 500), wald, 40)); // column 20: off the map
  EXPECT_LT(Zaehlen(0, 0, 300, 300, [&](TRgb c) { return c[1] > 30; }), 40); // stars only
  KarteUmbrechendSetzen(KV.Einstellungen, true);
  Zeichnen();
  EXPECT_TRUE(Nahe(Pixel(288, 288), wald, 4));
  EXPECT_TRUE(Nahe(Pixel(812, 500), wald, 4));
  EXPECT_TRUE(Nahe(Pixel(12, 12), wald, 4));
}

TEST_F(Zeichentest, GridLinesFollowTheCellsAndOnlyWhenSwitchedOn) {
  KarteAnlegen(40, 40);
  P.ProgrammSpiel.Position = {20, 20};
  P.ProgrammSpiel.Anzeige = 1u << aoGitter;
  Zeichnen();
  Ablegen("gitter");
  auto schwarz = [](TRgb c) { return c[0] < 30 && c[1] < 30 && c[2] < 30; };
  // Between the cells of one row every 77 units a black line, and nothing black elsewhere.
  for (int k = 1; k <= 14; ++k) {
    EXPECT_GE(Zaehlen(77 * k - 1, 600, 77 * k + 1, 601, schwarz), 1) << "line " << k;
    EXPECT_EQ(Zaehlen(77 * k + 5, 600, 77 * k + 70, 601, schwarz), 0);
  }
  EXPECT_GE(Zaehlen(600, 77 * 3 - 1, 601, 77 * 3 + 1, schwarz), 1);
  // The lines run on past the view into the strip before the panel.
  EXPECT_GE(Zaehlen(1160, 77 * 5 - 1, 1161, 77 * 5 + 1, schwarz), 1);
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  EXPECT_EQ(Zaehlen(0, 0, 1155, 1155, schwarz), 0);
}

TEST_F(Zeichentest, CoordinatesCountFromOneAndStopAtTheMapEdges) {
  ASSERT_EQ(GrafikenLaden(*Grafik, AtlasOrdner()), 1);
  KarteAnlegen(20, 20, 1);
  KarteUmbrechendSetzen(KV.Einstellungen, true); // cells everywhere, dark under the labels
  P.ProgrammSpiel.Position = {0, 0};
  P.ProgrammSpiel.Anzeige = 1u << aoKoordinaten;
  Zeichnen();
  Ablegen("koordinaten");
  auto hell = [](TRgb c) { return c[0] > 200 && c[1] > 200 && c[2] > 200; };
  // Column k is labelled vx + k - 7: k = 8 carries "1" over map column 0 (screen column 7).
  const int x8 = 8 * 77 - 38 - 10, x7 = 7 * 77 - 38 - 10;
  EXPECT_GT(Zaehlen(x8 - 2, 16, x8 + 14, 32, hell), 5) << "label 1 missing";
  EXPECT_GT(Zaehlen(x8 - 2, 1161, x8 + 14, 1177, hell), 5) << "lower label 1 missing";
  EXPECT_EQ(Zaehlen(x7 - 2, 16, x7 + 14, 32, hell), 0) << "a label 0 was drawn";
  // Rows alike along both sides.
  const int y8 = 8 * 77 - 38;
  EXPECT_GT(Zaehlen(18, y8 - 16, 34, y8 + 1, hell), 5);
  EXPECT_GT(Zaehlen(1133, y8 - 16, 1150, y8 + 1, hell), 5);
  EXPECT_EQ(Zaehlen(18, 7 * 77 - 38 - 16, 34, 7 * 77 - 38 + 1, hell), 0);
  // Past the last column (20) no label: view (13, 13) puts column 20 at k = 14, 21 at k = 15.
  P.ProgrammSpiel.Position = {13, 13};
  Zeichnen();
  const int x14 = 14 * 77 - 38 - 10, x15 = 15 * 77 - 38 - 10;
  EXPECT_GT(Zaehlen(x14 - 2, 16, x14 + 22, 32, hell), 5) << "label 20 missing";
  EXPECT_EQ(Zaehlen(x15 - 2, 16, x15 + 22, 32, hell), 0) << "label 21 drawn";
}

TEST_F(Zeichentest, StartPositionsShowAsMarkersInThePlayersColourWithTheirNumber) {
  ASSERT_EQ(GrafikenLaden(*Grafik, AtlasOrdner()), 1);
  KarteAnlegen(20, 20, 1);
  Startposition(3, 4, 0);
  Startposition(5, 4, 12);
  Startposition(7, 4, 1);
  // An inactive start position draws nothing.
  const int32_t i = ZustandIndex(KV.Karte, {9, 4}, zaStartpunkt);
  FeldZustaendeAendern(KV.Karte, 9, 4)[i].Wert = 2;
  Neuaufbau();
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  Ablegen("startpunkte");
  const TRgb blau{0, 0, 255}, rot{255, 0, 0};
  auto marke = [](int spalte) { return TPunkt{spalte * 77 + 19, 4 * 77 + 19}; };
  auto hell = [](TRgb c) { return c[0] > 200 && c[1] > 200 && c[2] > 200; };
  // A 38 x 38 square centred in the cell, white outline, number 10 units in at baseline + 20.
  TPunkt m = marke(3);
  EXPECT_TRUE(Nahe(Pixel(m.x + 30, m.y + 30), blau));
  EXPECT_TRUE(Nahe(Pixel(m.x + 3, m.y + 30), blau));
  EXPECT_TRUE(Nahe(Pixel(m.x - 3, m.y + 30), Testfarbe(1), 4));
  EXPECT_GE(Zaehlen(m.x - 1, m.y + 30, m.x + 2, m.y + 31, hell), 1) << "outline";
  const int eins = Zaehlen(m.x + 8, m.y + 6, m.x + 30, m.y + 21, hell);
  EXPECT_GT(eins, 5);
  // Player 12 takes player 0's colour and shows "13": more ink than "1".
  m = marke(5);
  EXPECT_TRUE(Nahe(Pixel(m.x + 30, m.y + 30), blau));
  EXPECT_GT(Zaehlen(m.x + 8, m.y + 6, m.x + 30, m.y + 21, hell), eins + 5);
  m = marke(7);
  EXPECT_TRUE(Nahe(Pixel(m.x + 30, m.y + 30), rot));
  m = marke(9);
  EXPECT_TRUE(Nahe(Pixel(m.x + 30, m.y + 30), Testfarbe(1), 4));
  EXPECT_EQ(Zaehlen(m.x + 8, m.y + 6, m.x + 30, m.y + 21, hell), 0);
  // With the menu shown no marker is drawn.
  P.ProgrammSpiel.Ansicht = 1;
  Zeichnen();
  EXPECT_FALSE(Nahe(Pixel(marke(7).x + 30, marke(7).y + 30), rot, 60));
}

TEST_F(Zeichentest, CellPicturesAreAveragedAtEveryZoomAndClientSize) {
  // Picture 0 a checkerboard of single black and white texels, the others plain.
  const std::string ordner = TestOrdner("schach");
  std::vector<uint32_t> pixel(512 * 512, 0xFF000000u);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x) {
      const int t = (y / 96) * 4 + x / 96;
      if (x >= 384 || y >= 384) continue;
      const TRgb f = Testfarbe(t);
      pixel[y * 512 + x] = t == 0 ? ((x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u)
                                  : 0xFF000000u | (f[0] << 16) | (f[1] << 8) | f[2];
    }
  TgaSchreiben(Grafikdatei(ordner, grGelaende), 512, 512, pixel);
  ASSERT_EQ(GrafikenLaden(*Grafik, ordner), 1);
  KarteAnlegen(60, 60, 0);
  GelaendeSetzen(KV.Karte, 31, 31, 5);
  GelaendeSetzen(KV.Karte, 32, 31, 200); // not in the table: drawn as terrain 0
  P.ProgrammSpiel.Position = {30, 30};
  P.ProgrammSpiel.Anzeige = 0;
  for (int zoom = 0; zoom < 7; ++zoom) {
    ZoomSetzen(P, zoom);
    Zeichnen();
    const int32_t cw = 1155 / P.ProgrammSpiel.Sichtweite.x, halb = P.ProgrammSpiel.Sichtweite.x / 2;
    const int32_t mitte = halb * cw + cw / 2; // the centre cell (30, 30)
    EXPECT_TRUE(Nahe(Pixel(mitte, mitte), {128, 128, 128}, 12))
        << "zoom " << zoom << ": " << Pixel(mitte, mitte)[0];
    EXPECT_TRUE(Nahe(Pixel(mitte + cw, mitte + cw), Testfarbe(5), 4)) << "zoom " << zoom;
    EXPECT_TRUE(Nahe(Pixel(mitte + 2 * cw, mitte + cw), {128, 128, 128}, 12)) << "zoom " << zoom;
  }
  Ablegen("schach");
  // Scaled to another client size the pictures are interpolated, not missed.
  ZoomSetzen(P, 2);
  Zeichnen(0, 1000, 700);
  const TBildlage l = Bildlage(1000, 700);
  const double fx = l.Breite / 1600.0, fy = l.Hoehe / 1200.0;
  auto punkt = [&](int32_t logisch) {
    return Pixel(l.x + int(logisch * fx), l.y + int(logisch * fy));
  };
  EXPECT_TRUE(Nahe(punkt(8 * 77 + 38), Testfarbe(5), 4));
  EXPECT_TRUE(Nahe(punkt(7 * 77 + 38), {128, 128, 128}, 12));
  // The palette keeps drawing from the atlas itself.
  Zeichnen();
  EXPECT_TRUE(Nahe(Pixel(1200 + 50 + 25, 700 + 50 + 25), Testfarbe(5), 4));
}

TEST_F(Zeichentest, NeighbouringPicturesNeverBleedIntoCellsAtAnyClientSizeOrZoom) {
  // Picture 5 plain red; every other picture and the unused rest of the atlas plain green.
  const std::string ordner = TestOrdner("naht");
  std::vector<uint32_t> pixel(512 * 512, 0xFF00FF00u);
  for (int y = 96; y < 192; ++y)
    for (int x = 96; x < 192; ++x)
      pixel[y * 512 + x] = 0xFFFF0000u;
  TgaSchreiben(Grafikdatei(ordner, grGelaende), 512, 512, pixel);
  ASSERT_EQ(GrafikenLaden(*Grafik, ordner), 1);
  KarteAnlegen(100, 100, 5);
  P.ProgrammSpiel.Position = {50, 50};
  P.ProgrammSpiel.Anzeige = 0;
  auto fremd = [](TRgb c) { return c[1] > 8 || c[0] < 247; };
  const int32_t groessen[][2] = {{1200, 900}, {646, 489}, {1920, 1080}, {1600, 1200}};
  for (const auto& gr : groessen)
    for (int zoom : {0, 2, 4, 6}) {
      ZoomSetzen(P, zoom);
      Zeichnen(0, gr[0], gr[1]);
      // The map view's pixels that cells cover, less the last column and row of pixels.
      const int32_t n = P.ProgrammSpiel.Sichtweite.x, seite = std::min(1155, (n + 1) * (1155 / n));
      const TBildlage l = Bildlage(gr[0], gr[1]);
      const int32_t rechts = l.x + seite * l.Breite / 1600 - 1;
      const int32_t unten = l.y + seite * l.Hoehe / 1200 - 1;
      EXPECT_EQ(Zaehlen(l.x, l.y, rechts, unten, fremd), 0)
          << gr[0] << " x " << gr[1] << ", zoom " << zoom;
    }
}

TEST_F(Zeichentest, EveryPixelShowsTheCellItsClickHits) {
  // The hit test of a click and the drawing agree pixel for pixel, at sizes whose scale puts
  // cell edges between pixels and on their centres, with bars beside or above the screen.
  ASSERT_EQ(GrafikenLaden(*Grafik, AtlasOrdner()), 1);
  KarteAnlegen(60, 60);
  for (int32_t x = 0; x < 60; ++x)
    for (int32_t y = 0; y < 60; ++y)
      GelaendeSetzen(KV.Karte, x, y, (x + 3 * y) % 16);
  P.ProgrammSpiel.Position = {30, 30};
  P.ProgrammSpiel.Anzeige = 0;
  const int32_t groessen[][2] = {{800, 600}, {1003, 700}, {777, 1000}, {3200, 2400}};
  for (const auto& gr : groessen)
    for (int zoom : {2, 6}) {
      ZoomSetzen(P, zoom);
      Zeichnen(0, gr[0], gr[1]);
      const TBildlage l = Bildlage(gr[0], gr[1]);
      // The cells drawn: one column and row more than the zoom counts, within the map view.
      const int32_t n = P.ProgrammSpiel.Sichtweite.x, seite = std::min(1155, (n + 1) * (1155 / n));
      int falsch = 0;
      for (int32_t y = l.y; y < l.y + l.Hoehe; ++y)
        for (int32_t x = l.x; x < l.x + l.Breite; ++x) {
          const TPunkt p = LogischerPunkt(l, x, y);
          if (p.x < 0 || p.y < 0 || p.x >= seite || p.y >= seite) continue;
          const TPunkt c = Sichtzelle(P, p);
          if (!Nahe(Pixel(x, y), Testfarbe(Gelaende(KV.Karte, c.x, c.y)), 4)) ++falsch;
        }
      EXPECT_EQ(falsch, 0) << gr[0] << " x " << gr[1] << ", zoom " << zoom;
    }
  Zeichnen();
}
