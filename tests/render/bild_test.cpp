// The frame as a whole: background, stars, panel, menu, message line and the stretched screen.
#include <GL/gl.h>

#include <set>

#include "render/schrift.h"
#include "zeichentest.h"

namespace {

const TRgb Panel{77, 128, 179}; // 0.3, 0.5, 0.7

std::vector<TPunkt> Sternorte() {
  TZufallsgenerator g = Sternstand;
  std::vector<TPunkt> orte;
  for (int i = 0; i < Sternanzahl; ++i) {
    const int32_t y = Zufallszahl(g, 1200);
    orte.push_back({Zufallszahl(g, 1155), y});
  }
  return orte;
}

} // namespace

TEST_F(Zeichentest, StarsStandStillLeftOfTheMapEdgeOnBlack) {
  KarteAnlegen(0, 0); // nothing to draw in the map view
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  Ablegen("sterne");
  const std::vector<uint8_t> erstes = Bild;
  Zeichnen();
  EXPECT_EQ(Bild, erstes) << "two frames without a change differ";

  const std::vector<TPunkt> orte = Sternorte();
  for (const TPunkt& s : orte)
    ASSERT_LT(s.x, 1155);
  // Every star lights a pixel at its place (rasterising may take the neighbour).
  int gefunden = 0;
  for (const TPunkt& s : orte) {
    bool hell = false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        hell = hell || Weiss(s.x + dx, s.y + dy);
    gefunden += hell;
  }
  EXPECT_EQ(gefunden, Sternanzahl);
  // Nothing else lights the background: every bright pixel left of the panel is a star's.
  std::set<std::pair<int, int>> nahe;
  for (const TPunkt& s : orte)
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        nahe.insert({s.x + dx, s.y + dy});
  int fremd = 0, hell = 0;
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1173; ++x)
      if (!Schwarz(x, y)) {
        ++hell;
        if (!nahe.count({x, y})) ++fremd;
      }
  EXPECT_EQ(fremd, 0);
  EXPECT_GE(hell, 240); // a few stars may share a pixel
  EXPECT_LE(hell, 250);
  EXPECT_EQ(P.Bildzaehler, 2);
}

TEST_F(Zeichentest, PanelCoversTheRightPartWithAWhiteEdge) {
  KarteAnlegen(30, 30);
  P.ProgrammSpiel.Position = {15, 15};
  Zeichnen();
  Ablegen("panel");
  EXPECT_TRUE(Nahe(Pixel(1590, 380), Panel)) << Pixel(1590, 380)[0];
  EXPECT_TRUE(Nahe(Pixel(1180, 1000), Panel));
  EXPECT_TRUE(Nahe(Pixel(1590, 1195), Panel));
  // The white line along the panel's left edge.
  EXPECT_GE(Zaehlen(1174, 100, 1177, 101, [](TRgb c) { return Nahe(c, {255, 255, 255}); }), 1);
  // The map's extra column shows in the strip between the view and the panel (white cells: no
  // terrain atlas) and the panel hides what reaches further.
  EXPECT_TRUE(Weiss(1165, 600));
  EXPECT_TRUE(Nahe(Pixel(1200, 600 - 80), Panel));
}

TEST_F(Zeichentest, MenuReplacesTheMapButNotTheRest) {
  KarteAnlegen(30, 30);
  P.ProgrammSpiel.Position = {15, 15};
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  ASSERT_TRUE(Weiss(460, 470)); // a map cell (white: no atlas) under the second button
  const TRgb uebersicht = Pixel(1400, 200);
  P.ProgrammSpiel.Ansicht = 1;
  Zeichnen();
  Ablegen("menue");
  // The buttons are black fields with a dim outline and white text 52 units in.
  EXPECT_TRUE(Schwarz(460, 470));
  EXPECT_TRUE(Schwarz(455, 510));
  EXPECT_GT(Zaehlen(502, 505 + 20, 640, 505 + 40, [](TRgb c) { return c[0] > 200; }), 20)
      << "no text on the second button";
  EXPECT_EQ(Zaehlen(448, 540, 452, 541, [](TRgb c) { return Nahe(c, {26, 26, 26}, 4); }), 1);
  // Outside the buttons only the background and its stars show: no map cells.
  EXPECT_EQ(Zaehlen(0, 0, 400, 1150, [](TRgb c) { return c[0] > 200 && c[1] > 200; }) <= 250, true);
  EXPECT_LT(Zaehlen(0, 0, 400, 1150, [](TRgb c) { return c[0] > 0; }), 200);
  // Overview, panel and the tool panel stay.
  EXPECT_EQ(Pixel(1400, 200), uebersicht);
  EXPECT_TRUE(Nahe(Pixel(1590, 380), Panel));
}

TEST_F(Zeichentest, MessageShowsForOneSecond) {
  KarteAnlegen(10, 10);
  P.ProgrammSpiel.Speicher.Meldung = "Gitter deaktiviert";
  P.ProgrammSpiel.Speicher.MeldungZeit = 5000;
  auto dunkel = [](TRgb c) { return c[0] < 40 && c[1] < 40 && c[2] < 40; };
  Zeichnen(5000 + 2000);
  const int vorher = Zaehlen(1250, 1084, 1450, 1104, dunkel);
  EXPECT_EQ(vorher, 0);
  Zeichnen(5000 + 1000);
  Ablegen("meldung");
  EXPECT_GT(Zaehlen(1250, 1084, 1450, 1104, dunkel), 30) << "message missing at T + 1000";
  Zeichnen(5000 + 1001);
  EXPECT_EQ(Zaehlen(1250, 1084, 1450, 1104, dunkel), 0) << "message still shown at T + 1001";
}

TEST_F(Zeichentest, LogicalScreenKeepsItsShapeCentredInTheClientArea) {
  KarteAnlegen(30, 30);
  P.ProgrammSpiel.Position = {15, 15};
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen(0, 800, 600);
  Ablegen("klein");
  EXPECT_TRUE(Nahe(Pixel(795, 190), Panel));
  EXPECT_TRUE(Weiss(300, 300));              // map cells
  EXPECT_TRUE(Nahe(Pixel(590, 300), Panel)); // logical 1180
  // Four times as wide as high: the screen of 533 x 400 pixels in the middle, black beside it,
  // the cells square.
  Zeichnen(0, 1600, 400);
  Ablegen("breit");
  EXPECT_EQ(Zaehlen(0, 0, 533, 400, [](TRgb c) { return c != TRgb{0, 0, 0}; }), 0);
  EXPECT_EQ(Zaehlen(1066, 0, 1600, 400, [](TRgb c) { return c != TRgb{0, 0, 0}; }), 0);
  EXPECT_TRUE(Nahe(Pixel(533 + 530, 150), Panel)); // logical x 1590
  EXPECT_TRUE(Weiss(533 + 366, 395));              // logical (1100, 1185): the map's extra row
  P.ProgrammSpiel.Anzeige = 1u << aoGitter;
  Zeichnen(0, 1600, 400);
  // The grid line after the first cell lies as far right of the screen's edge as below its top.
  auto linie = [&](int32_t x, int32_t y) { return Pixel(x, y) != TRgb{255, 255, 255}; };
  int32_t rechts = 0, unten = 0;
  while (rechts < 100 && !linie(533 + 2 + rechts, 10))
    ++rechts;
  while (unten < 100 && !linie(533 + 10, 2 + unten))
    ++unten;
  EXPECT_EQ(rechts, unten);
  Zeichnen(0, 1600, 1200);
}

TEST_F(Zeichentest, TextUsesTheCurrentColourAndLeavesTexturingOff) {
  KarteAnlegen(0, 0);
  P.ProgrammSpiel.Anzeige = 0;
  Zeichnen();
  ASSERT_NE(Grafik->Schriftbasis, 0u);
  glColor3d(1, 0, 0);
  glEnable(GL_TEXTURE_2D);
  TextAusgeben(Grafik->Schriftbasis, 1190, 1180, "Wg\xE4");
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  TextAusgeben(Grafik->Schriftbasis, 1190, 1150, "");
  Bild = OffscreenLesen(*Kontext);
  auto rot = [](TRgb c) { return c[0] > 200 && c[1] < 60 && c[2] < 60; };
  const int oben = Zaehlen(1185, 1160, 1260, 1195, rot);
  EXPECT_GT(oben, 40);
  // The glyphs sit on the baseline: most ink above it, descenders a little below.
  EXPECT_GT(Zaehlen(1185, 1160, 1260, 1181, rot), Zaehlen(1185, 1181, 1260, 1195, rot));
  EXPECT_EQ(Zaehlen(1185, 1120, 1260, 1158, rot), 0);
}

TEST(Schrift, MissingFaceFallsBackToASerif) {
  TOffscreen o;
  std::string fehler;
  if (!OffscreenAnlegen(o, 64, 64, fehler)) GTEST_SKIP() << "no OpenGL context: " << fehler;
  std::string name;
  const uint32_t basis = SchriftErzeugen("Keine Schrift dieses Namens", &name);
  EXPECT_NE(basis, 0u);
  EXPECT_FALSE(name.empty());
  EXPECT_TRUE(glIsList(basis) && glIsList(basis + 255));
  uint32_t b = basis;
  SchriftFreigeben(b);
  EXPECT_EQ(b, 0u);
  EXPECT_FALSE(glIsList(basis));
  OffscreenFreigeben(o);
}

TEST_F(Zeichentest, StatusFieldAndFontAtTheScreensDensity) {
  KarteAnlegen(30, 30);
  P.ProgrammSpiel.Anzeige = 0;
  auto dunkel = [](TRgb c) { return c[0] < 40 && c[1] < 40 && c[2] < 40; };
  Zeichnen();
  EXPECT_EQ(Zaehlen(1200, 1032, 1500, 1056, dunkel), 0);
  // The pointer over a cell: the field names it.
  P.Maus = {{400, 400}, bbKarte};
  Zeichnen();
  Ablegen("zellanzeige");
  EXPECT_GT(Zaehlen(1200, 1032, 1500, 1056, dunkel), 30);
  // At a pixel ratio of 2 the font is built at twice the height.
  ASSERT_EQ(Grafik->Glyphen.size(), 256u);
  const int32_t hoehe = Grafik->Glyphen['W'].Hoehe;
  SchriftAnpassen(*Grafik, 32);
  EXPECT_NE(Grafik->Schriftbasis, 0u);
  EXPECT_NEAR(Grafik->Glyphen['W'].Hoehe, 2 * hoehe, 2);
  SchriftAnpassen(*Grafik, 16);
  EXPECT_EQ(Grafik->Glyphen['W'].Hoehe, hoehe);
}
