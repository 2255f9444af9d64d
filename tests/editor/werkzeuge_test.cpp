#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "editor_hilfe.h"

namespace {

using TZellen = std::set<std::pair<int32_t, int32_t>>;

// The cells a tool paints with terrain 1 at cell c on a map of terrain 0.
TZellen Abdruck(TTestEditor& t, uint8_t werkzeug, int32_t groesse, TPunkt c) {
  t.Fuellen(0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Werkzeug = werkzeug;
  ps.Groesse = groesse;
  ps.Gelaende = 1;
  WerkzeugAnwenden(t.E, c);
  TZellen zellen;
  for (int32_t x = 0; x < t.KV.Karte.Breite; ++x)
    for (int32_t y = 0; y < t.KV.Karte.Hoehe; ++y)
      if (t.G(x, y) == 1) zellen.insert({x, y});
  return zellen;
}

} // namespace

TEST(Werkzeuge, SquareAtTheCorner) {
  TTestEditor t(20, 20);
  TZellen z = Abdruck(t, wzQuadrat, 2, {0, 0});
  EXPECT_EQ(z.size(), 9u);
  EXPECT_TRUE(z.count({2, 2}));
  TTestEditor w(20, 20, 0, true);
  z = Abdruck(w, wzQuadrat, 2, {0, 0});
  EXPECT_EQ(z.size(), 25u);
  EXPECT_TRUE(z.count({18, 18}) && z.count({19, 1}) && z.count({0, 18}));
}

TEST(Werkzeuge, CircleShapes) {
  TTestEditor t(20, 20);
  EXPECT_EQ(Abdruck(t, wzKreis, 0, {10, 10}).size(), 1u);
  TZellen z = Abdruck(t, wzKreis, 1, {10, 10});
  EXPECT_EQ(z, (TZellen{{9, 10}, {10, 9}, {10, 10}, {10, 11}, {11, 10}}));
  z = Abdruck(t, wzKreis, 2, {10, 10});
  EXPECT_EQ(z.size(), 21u);
  EXPECT_FALSE(z.count({8, 8}));
  EXPECT_TRUE(z.count({8, 9}) && z.count({12, 11}) && z.count({11, 12}));
  // On a wrapping map the circle continues across the edges.
  TTestEditor w(20, 20, 0, true);
  EXPECT_EQ(Abdruck(w, wzKreis, 2, {0, 0}).size(), 21u);
  EXPECT_EQ(Abdruck(t, wzKreis, 2, {0, 0}).size(), 8u);
}

TEST(Werkzeuge, TriangleRowsNarrowUpwards) {
  TTestEditor t(30, 30);
  EXPECT_EQ(Abdruck(t, wzDreieck, 0, {10, 10}), (TZellen{{10, 10}}));
  EXPECT_EQ(Abdruck(t, wzDreieck, 1, {10, 10}), (TZellen{{10, 9}, {9, 10}, {10, 10}, {11, 10}}));
  for (int32_t s = 0; s <= 5; ++s) {
    TZellen erwartet;
    for (int32_t k = 0; k <= s; ++k)
      for (int32_t x = 15 - (s - k); x <= 15 + (s - k); ++x)
        erwartet.insert({x, 15 - k});
    EXPECT_EQ(Abdruck(t, wzDreieck, s, {15, 15}), erwartet) << "size " << s;
  }
  // At the top edge the rows above the map are dropped.
  EXPECT_EQ(Abdruck(t, wzDreieck, 2, {5, 0}).size(), 5u);
}

TEST(Werkzeuge, LinesClipAtTheEdge) {
  TTestEditor t(20, 20);
  EXPECT_EQ(Abdruck(t, wzWaagerecht, 3, {1, 5}), (TZellen{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}));
  EXPECT_EQ(Abdruck(t, wzSenkrecht, 1, {5, 19}), (TZellen{{5, 18}, {5, 19}}));
}

TEST(Werkzeuge, FloodFillConnectivityFollowsTheSize) {
  TTestEditor t(12, 12);
  // A checkerboard of terrains 0 and 2.
  auto schach = [&] {
    for (int32_t x = 0; x < 12; ++x)
      for (int32_t y = 0; y < 12; ++y)
        GelaendeSetzen(t.KV.Karte, x, y, (x + y) % 2 ? 2 : 0);
  };
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Werkzeug = wzAusfuellen;
  ps.Gelaende = 1;
  schach();
  ps.Groesse = 0; // edge neighbours only
  WerkzeugAnwenden(t.E, {4, 4});
  EXPECT_EQ(t.Anzahl(1), 1);
  schach();
  ps.Groesse = 1; // diagonal neighbours too
  WerkzeugAnwenden(t.E, {4, 4});
  EXPECT_EQ(t.Anzahl(1), 72);
  EXPECT_EQ(t.Anzahl(2), 72);

  // A wall of terrain 3, two cells thick, splits the map: the step of size 3 (2.5 cells) cannot
  // jump it, the step of size 4 (3 cells) can.
  auto mauer = [&] {
    for (int32_t x = 0; x < 12; ++x)
      for (int32_t y = 0; y < 12; ++y)
        GelaendeSetzen(t.KV.Karte, x, y, x == 5 || x == 6 ? 3 : 0);
  };
  mauer();
  ps.Groesse = 3;
  WerkzeugAnwenden(t.E, {0, 0});
  EXPECT_EQ(t.Anzahl(1), 60);
  mauer();
  ps.Groesse = 4;
  WerkzeugAnwenden(t.E, {0, 0});
  EXPECT_EQ(t.Anzahl(1), 120);
}

TEST(Werkzeuge, FillsIgnoreClicksOffAMapThatDoesNotWrap) {
  TTestEditor t(10, 10, 4);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Gelaende = 1;
  for (uint8_t w : {wzAusfuellen, wzKreisAusfuellen}) {
    ps.Werkzeug = w;
    ps.Groesse = 2;
    WerkzeugAnwenden(t.E, {-1, 3});
    WerkzeugAnwenden(t.E, {3, 12});
    EXPECT_EQ(t.Anzahl(1), 0) << int(w);
  }
  // On a wrapping map the clicked cell is wrapped first.
  TTestEditor w(10, 10, 4, true);
  w.Programm.ProgrammSpiel.Gelaende = 1;
  w.Programm.ProgrammSpiel.Werkzeug = wzAusfuellen;
  WerkzeugAnwenden(w.E, {-1, 3});
  EXPECT_EQ(w.Anzahl(1), 100);
  w.Fuellen(4);
  w.Programm.ProgrammSpiel.Werkzeug = wzKreisAusfuellen;
  w.Programm.ProgrammSpiel.Groesse = 1;
  WerkzeugAnwenden(w.E, {-1, 3});
  EXPECT_EQ(w.G(9, 3), 1);
  EXPECT_EQ(w.G(0, 3), 1);
  EXPECT_EQ(w.Anzahl(1), 5);
}

TEST(Werkzeuge, FillInCircleChangesOnlyTheClickedTerrain) {
  TTestEditor t(20, 20, 0);
  GelaendeSetzen(t.KV.Karte, 10, 11, 7);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Werkzeug = wzKreisAusfuellen;
  ps.Groesse = 1;
  ps.Gelaende = 2;
  WerkzeugAnwenden(t.E, {10, 10});
  EXPECT_EQ(t.Anzahl(2), 4);
  EXPECT_EQ(t.G(10, 11), 7);
  ps.Gelaende = 7;
  WerkzeugAnwenden(t.E, {10, 11}); // paint terrain equals the clicked one: nothing changes
  EXPECT_EQ(t.Anzahl(7), 1);
}

TEST(Werkzeuge, PanelFieldsChooseTerrainToolModeAndPlayer) {
  TTestEditor t;
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Loslassen(bbGelaende, {200, 10});
  EXPECT_EQ(ps.Gelaende, 4);
  EXPECT_EQ(t.Meldung(), Gelaendetabelle[4].Name[0]);
  t.Loslassen(bbGroessen, {52, 10}); // in the first gap
  EXPECT_EQ(ps.Groesse, 0);
  t.Loslassen(bbGroessen, {55 * 4, 10});
  EXPECT_EQ(ps.Groesse, 4);
  t.Loslassen(bbWerkzeuge, {55 * 5 + 1, 10});
  EXPECT_EQ(ps.Werkzeug, wzAusfuellen);
  EXPECT_EQ(ps.Groesse, 0); // choosing the fill resets the size
  EXPECT_EQ(t.Meldung(), "Ausf\xFCllen");
  t.Taste(vkPlus);
  EXPECT_EQ(ps.Groesse, 1);
  t.Loslassen(bbModi, {55 * 2, 10});
  EXPECT_EQ(ps.Modus, moSpiegelung);
  EXPECT_EQ(t.Meldung(), "Spiegelung");
  t.Loslassen(bbModi, {55, 10});
  EXPECT_EQ(ps.Modus, moStartpositionen);
  t.Loslassen(bbVorherigerSpieler, {5, 5});
  EXPECT_EQ(ps.SpielerNummer, 0);
  for (int i = 0; i < 35; ++i)
    t.Loslassen(bbNaechsterSpieler, {5, 5});
  EXPECT_EQ(ps.SpielerNummer, 35); // the field has no upper limit
  t.Taste(vkPlus);
  EXPECT_EQ(ps.SpielerNummer, 35);
  EXPECT_EQ(ProgrammFeld(t.Programm, t.KV, 0, 0).Farbe.Farbwert,
            Gelaendefarbe(t.Programm.Farben, 0).Farbwert);
  EXPECT_EQ(&Spielerfarbe(t.Programm.Farben, 35), &Spielerfarbe(t.Programm.Farben, 11));
}

TEST(Werkzeuge, StartPositionsOnePerPlayerInColumnOrder) {
  TTestEditor t(30, 30, 1);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  const auto& liste = ps.Speicher.Startpositionen;
  ps.Modus = moStartpositionen;
  t.Zentrieren({10, 10});
  auto setzen = [&](int32_t spieler, TPunkt c) {
    ps.SpielerNummer = spieler;
    t.Druecken(c);
  };
  setzen(0, {12, 5});
  setzen(1, {12, 3});
  setzen(2, {4, 9});
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[0].Ort, (TPunkt{4, 9}));
  EXPECT_EQ(liste[1].Ort, (TPunkt{12, 3}));
  EXPECT_EQ(liste[2].Ort, (TPunkt{12, 5}));
  EXPECT_EQ(liste[2].Spieler, 0);
  TProgrammFeld f = ProgrammFeld(t.Programm, t.KV, 12, 3);
  EXPECT_TRUE(f.Start);
  EXPECT_EQ(f.StartSpieler, 1);
  EXPECT_EQ(&f.Farbe, &Spielerfarbe(t.Programm.Farben, 1));

  // Moving player 0 removes the earlier position.
  setzen(0, {6, 6});
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[1].Ort, (TPunkt{6, 6}));
  EXPECT_FALSE(ProgrammFeld(t.Programm, t.KV, 12, 5).Start);
  EXPECT_EQ(&ProgrammFeld(t.Programm, t.KV, 12, 5).Farbe, &Gelaendefarbe(t.Programm.Farben, 1));

  // Another player on the same cell takes it over.
  setzen(3, {6, 6});
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[1].Spieler, 3);
  EXPECT_EQ(FeldZustaende(t.KV.Karte, 6, 6).size(), 1u);

  // The right button removes, as one step of the history; removing nothing is none.
  const std::size_t schritte = SchritteZurueck(t.Programm);
  t.Druecken({6, 6}, mtRechts);
  EXPECT_EQ(liste.size(), 2u);
  EXPECT_FALSE(ProgrammFeld(t.Programm, t.KV, 6, 6).Start);
  EXPECT_EQ(SchritteZurueck(t.Programm), schritte + 1);
  t.Druecken({6, 6}, mtRechts);
  EXPECT_EQ(SchritteZurueck(t.Programm), schritte + 1);

  // Off the map nothing is placed; go-to centres on the player's position.
  t.Zentrieren({0, 0});
  setzen(5, {-2, -2});
  EXPECT_EQ(liste.size(), 2u);
  ps.SpielerNummer = 2;
  t.Loslassen(bbZumStartpunkt, {5, 5});
  EXPECT_EQ(ps.Position, (TPunkt{4, 9}));
  const int bilder = t.Bilder;
  ps.SpielerNummer = 9;
  t.Loslassen(bbZumStartpunkt, {5, 5});
  EXPECT_EQ(ps.Position, (TPunkt{4, 9}));
  EXPECT_EQ(t.Bilder, bilder); // no position: no frame
}

TEST(Werkzeuge, UndoAfterADragRevertsTheWholeStroke) {
  TTestEditor t(40, 40, 0);
  t.Programm.ProgrammSpiel.Gelaende = 6;
  t.Zentrieren({20, 20});
  t.Links = true;
  Mausklick(t.E, t.Bildpunkt({15, 20}), mtLinks, true);
  Mausbewegung(t.E, t.Bildpunkt({15, 20}));
  for (int32_t x = 16; x <= 19; ++x)
    Mausbewegung(t.E, t.Bildpunkt({x, 20}));
  t.Links = false;
  Mausklick(t.E, t.Bildpunkt({19, 20}), mtLinks, false);
  EXPECT_EQ(t.Anzahl(6), 5);
  EXPECT_EQ(SchritteZurueck(t.Programm), 1u);
  t.Taste(vkZ);
  EXPECT_EQ(t.Anzahl(6), 0);
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(t.Anzahl(6), 5);
}
