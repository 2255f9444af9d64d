#include <gtest/gtest.h>
#include <random>

#include "editor_hilfe.h"
#include "scenario/geometrie.h"

namespace {

// Terrain of (x, y) in a pattern where every column and row differs: x + 10 * y, cut to a byte.
void Muster(TTestEditor& t) {
  for (int32_t x = 0; x < t.KV.Karte.Breite; ++x)
    for (int32_t y = 0; y < t.KV.Karte.Hoehe; ++y)
      GelaendeSetzen(t.KV.Karte, x, y, static_cast<uint8_t>(x + 10 * y));
  KarteNeuAufbauen(t.E);
}

uint8_t M(int32_t x, int32_t y) {
  return static_cast<uint8_t>(x + 10 * y);
}

} // namespace

TEST(Spiegelung, VerticalAndHorizontal) {
  TTestEditor t(10, 10);
  Muster(t);
  KarteSpiegeln(t.KV, 0, 0);
  for (int32_t y = 0; y < 10; ++y) {
    EXPECT_EQ(t.G(9, y), M(1, y));
    EXPECT_EQ(t.G(6, y), M(4, y));
    EXPECT_EQ(t.G(5, y), M(5, y));
    EXPECT_EQ(t.G(0, y), M(0, y));
  }
  Muster(t);
  KarteSpiegeln(t.KV, 1, 1);
  for (int32_t x = 0; x < 10; ++x) {
    EXPECT_EQ(t.G(x, 1), M(x, 9));
    EXPECT_EQ(t.G(x, 4), M(x, 6));
    EXPECT_EQ(t.G(x, 0), M(x, 0));
  }
  // An odd width: the two middle columns are images of each other.
  TTestEditor u(5, 3);
  Muster(u);
  KarteSpiegeln(u.KV, 0, 0);
  EXPECT_EQ(u.G(2, 1), M(3, 1));
  EXPECT_EQ(u.G(3, 1), M(3, 1));
  Muster(u);
  KarteSpiegeln(u.KV, 0, 1);
  EXPECT_EQ(u.G(2, 1), M(2, 1));
  EXPECT_EQ(u.G(3, 1), M(2, 1));
}

TEST(Spiegelung, Diagonals) {
  TTestEditor t(10, 10);
  Muster(t);
  KarteSpiegeln(t.KV, 2, 0);
  EXPECT_EQ(t.G(7, 2), M(2, 7));
  EXPECT_EQ(t.G(2, 7), M(2, 7));
  EXPECT_EQ(t.G(4, 4), M(4, 4));
  // Wide map: columns 6-9 are neither read nor written.
  TTestEditor w(10, 6);
  Muster(w);
  KarteSpiegeln(w.KV, 2, 1);
  EXPECT_EQ(w.G(2, 5), M(5, 2));
  for (int32_t x = 6; x < 10; ++x)
    for (int32_t y = 0; y < 6; ++y)
      EXPECT_EQ(w.G(x, y), M(x, y));
  // Kind 3 without wrapping: column 0 has no images.
  Muster(t);
  KarteSpiegeln(t.KV, 3, 0);
  // Both cells of a pair end with the terrain of the one visited first.
  EXPECT_EQ(t.G(1, 2), M(1, 2));
  EXPECT_EQ(t.G(8, 9), M(1, 2));
  EXPECT_EQ(t.G(5, 8), M(2, 5));
  for (int32_t y = 0; y < 10; ++y)
    EXPECT_EQ(t.G(0, y), M(0, y));
  Muster(t);
  KarteSpiegeln(t.KV, 3, 1);
  EXPECT_EQ(t.G(1, 2), M(8, 9));
  EXPECT_EQ(t.G(8, 9), M(8, 9));
  // With wrapping the image of (0, 0) is itself and (0, 3) goes to (7, 0).
  TTestEditor r(10, 10, 0, true);
  Muster(r);
  KarteSpiegeln(r.KV, 3, 0);
  EXPECT_EQ(r.G(0, 0), M(0, 0));
  EXPECT_EQ(r.G(7, 0), M(0, 3));
}

// The diagonals cell by cell in the visiting order, exactly as the mirroring is described.
void DiagonalZelleFuerZelle(TKV& kv, uint8_t art, uint8_t richtung) {
  const int32_t w = kv.Karte.Breite, h = kv.Karte.Hoehe;
  for (int32_t x = 0; x < w; ++x)
    for (int32_t y = x; y < h; ++y) {
      TPunkt p = art == 2 ? TPunkt{y, x} : TPunkt{w - y, h - x};
      if (!AufKarte(kv, p)) continue;
      const TPunkt von = richtung == 0 ? TPunkt{x, y} : p;
      const TPunkt nach = richtung == 0 ? p : TPunkt{x, y};
      GelaendeSetzen(kv.Karte, nach.x, nach.y, Gelaende(kv.Karte, von.x, von.y));
    }
}

TEST(Spiegelung, DiagonalsEqualTheCellByCellCopy) {
  std::mt19937 zufall(99);
  const TPunkt groessen[] = {{1, 1},     {7, 3},     {3, 7},    {64, 64},   {65, 64},
                             {130, 129}, {129, 200}, {200, 71}, {150, 150}, {200, 200}};
  for (const TPunkt g : groessen)
    for (bool umbrechend : {false, true})
      for (uint8_t art : {2, 3})
        for (uint8_t richtung : {0, 1}) {
          TTestEditor t(g.x, g.y);
          KarteUmbrechendSetzen(t.KV.Einstellungen, umbrechend);
          for (int32_t x = 0; x < g.x; ++x)
            for (int32_t y = 0; y < g.y; ++y)
              GelaendeSetzen(t.KV.Karte, x, y, static_cast<uint8_t>(zufall() % 16));
          TKV erwartet = t.KV;
          DiagonalZelleFuerZelle(erwartet, art, richtung);
          KarteSpiegeln(t.KV, art, richtung);
          for (int32_t x = 0; x < g.x; ++x)
            for (int32_t y = 0; y < g.y; ++y)
              ASSERT_EQ(t.G(x, y), Gelaende(erwartet.Karte, x, y))
                  << g.x << "x" << g.y << " wrapping " << umbrechend << " kind " << int(art)
                  << " direction " << int(richtung) << " at " << x << "," << y;
        }
}

TEST(Spiegelung, PanelFieldsUndoAndStartPositions) {
  TTestEditor t(10, 10);
  Muster(t);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Modus = moStartpositionen;
  t.Zentrieren({5, 5});
  t.Druecken({1, 4});
  ps.Modus = moSpiegelung;
  t.Loslassen(bbSpiegelart, {55 * 2 + 3, 3});
  EXPECT_EQ(ps.Spiegelart, 2);
  EXPECT_EQ(t.Meldung(), "Von Links oben nach Rechts unten");
  t.Loslassen(bbSpiegelrichtung, {55 + 3, 3});
  EXPECT_EQ(ps.Spiegelrichtung, 1);
  EXPECT_EQ(t.Meldung(), "Von 2 nach 1");
  t.Loslassen(bbSpiegelrichtung, {53, 3}); // a gap
  EXPECT_EQ(ps.Spiegelrichtung, 1);
  t.Programm.Sprache = 1;
  t.Loslassen(bbSpiegelart, {3, 3});
  EXPECT_EQ(t.Meldung(), "");
  EXPECT_EQ(ps.Spiegelart, 0);
  t.Loslassen(bbSpiegeln, {3, 3});
  EXPECT_EQ(t.G(1, 4), M(9, 4));
  // Start positions stay where they are.
  ASSERT_EQ(ps.Speicher.Startpositionen.size(), 1u);
  EXPECT_EQ(ps.Speicher.Startpositionen[0].Ort, (TPunkt{1, 4}));
  t.Taste(vkZ);
  EXPECT_EQ(t.G(1, 4), M(1, 4));
}
