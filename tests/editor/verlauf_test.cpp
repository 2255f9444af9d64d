#include <gtest/gtest.h>

#include "editor_hilfe.h"

namespace {

// A stroke dragged from cell von to cell bis along one row.
void Strich(TTestEditor& t, TPunkt von, int32_t bis) {
  t.Links = true;
  Mausklick(t.E, t.Bildpunkt(von), mtLinks, true);
  Mausbewegung(t.E, t.Bildpunkt(von));
  for (int32_t x = von.x + 1; x <= bis; ++x)
    Mausbewegung(t.E, t.Bildpunkt({x, von.y}));
}

} // namespace

TEST(Verlauf, AStrokeWhoseReleaseIsLostEndsAtTheNextPressKeyOrTick) {
  TTestEditor t(40, 40, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Zentrieren({20, 20});
  ps.Gelaende = 3;
  // The button goes up outside the window: the next press starts a step of its own.
  Strich(t, {14, 20}, 16);
  t.Links = false;
  EXPECT_TRUE(AktionOffen(t.Programm));
  ps.Gelaende = 4;
  t.Druecken({20, 25});
  EXPECT_EQ(SchritteZurueck(t.Programm), 2u);
  // A tick with the button up ends one, and so does a key.
  ps.Gelaende = 5;
  Strich(t, {14, 15}, 15);
  t.Links = false;
  Zeittakt(t.E);
  EXPECT_FALSE(AktionOffen(t.Programm));
  Strich(t, {14, 17}, 15);
  t.Taste(vkG);
  EXPECT_EQ(SchritteZurueck(t.Programm), 4u);
  t.Links = false;
  // Moving with the button up ends one too.
  Strich(t, {14, 19}, 15);
  t.Links = false;
  Mausbewegung(t.E, t.Bildpunkt({30, 30}));
  EXPECT_FALSE(AktionOffen(t.Programm));
  t.Taste(vkZ);
  t.Taste(vkZ);
  EXPECT_EQ(t.Anzahl(5), 2); // the stroke of row 15
  t.Taste(vkZ);
  t.Taste(vkZ);
  EXPECT_EQ(t.Anzahl(4), 0);
  EXPECT_EQ(t.Anzahl(3), 3);
}

TEST(Verlauf, MemoryCountsSharedBlocksOnceAndTheBudgetDropsTheOldest) {
  TTestEditor t(640, 640, 8);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  const auto druecken = [&t](TPunkt c) {
    t.Zentrieren(c);
    t.Druecken(c);
  };
  ps.Gelaende = 1;
  // Two presses in one block: the second replaces the block the first made, which the map no
  // longer holds; together about two blocks, not the map.
  druecken({100, 100});
  const std::size_t eins = VerlaufBelegt(t.Programm);
  ps.Gelaende = 2;
  druecken({101, 100});
  const std::size_t zwei = VerlaufBelegt(t.Programm);
  EXPECT_GT(eins, std::size_t{4096});
  EXPECT_LT(zwei, 3 * eins);
  // Undoing and redoing moves the cost between the sides, it does not grow.
  t.Taste(vkZ);
  t.Taste(vkZ);
  EXPECT_EQ(VerlaufBelegt(t.Programm), zwei);
  t.Taste(vkY, ssCtrl);
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(VerlaufBelegt(t.Programm), zwei);

  // A budget of one press keeps only the newest steps; the newest stays even when it alone is
  // more than the budget.
  VerlaufsbudgetSetzen(t.Programm, eins + eins / 2);
  EXPECT_EQ(SchritteZurueck(t.Programm), 1u);
  for (int32_t i = 0; i < 5; ++i) {
    ps.Gelaende = static_cast<uint8_t>(3 + i);
    druecken({100 + 70 * (i % 3), 100});
  }
  EXPECT_EQ(SchritteZurueck(t.Programm), 1u);
  EXPECT_LE(VerlaufBelegt(t.Programm), eins + eins / 2);
  ps.Werkzeug = wzAusfuellen;
  ps.Gelaende = 9;
  druecken({300, 300});
  EXPECT_EQ(t.Anzahl(9), 640 * 640 - 4);
  EXPECT_EQ(SchritteZurueck(t.Programm), 1u);
  t.Taste(vkZ);
  EXPECT_EQ(t.Anzahl(9), 0);
  EXPECT_EQ(t.G(170, 100), 7);
  t.Taste(vkZ);
  EXPECT_EQ(t.G(170, 100), 7);
  // A new map starts an empty history; the budget stays.
  t.NeueKarte(10, 10);
  EXPECT_EQ(SchritteVor(t.Programm), 0u);
  EXPECT_EQ(VerlaufBelegt(t.Programm), 0u);
  EXPECT_EQ(t.Programm.ProgrammSpiel.Speicher.Verlauf.Budget, eins + eins / 2);
}

TEST(Verlauf, ASingleShotActionOfAnotherSizeAndUnsavedChanges) {
  TTestEditor t(30, 20, 2);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  EXPECT_FALSE(UngesicherteAenderungen(t.Programm, t.KV));
  t.Zentrieren({10, 10});
  ps.Gelaende = 7;
  t.Druecken({5, 5});
  EXPECT_TRUE(UngesicherteAenderungen(t.Programm, t.KV));
  // Undo back to the state last built is no unsaved change; a save marks the state reached.
  t.Taste(vkZ);
  EXPECT_FALSE(UngesicherteAenderungen(t.Programm, t.KV));
  t.Taste(vkY, ssCtrl);
  KarteGesichert(t.Programm, t.KV);
  EXPECT_FALSE(UngesicherteAenderungen(t.Programm, t.KV));

  // A change made outside the tools, wrapped as one action: the map cropped to 10 x 8.
  AktionBeginnen(t.E, saKartengroesse);
  TKarte klein;
  FelderAnlegen(klein, 10, 8);
  for (int32_t x = 0; x < 10; ++x)
    for (int32_t y = 0; y < 8; ++y)
      GelaendeSetzen(klein, x, y, Gelaende(t.KV.Karte, x, y));
  klein.Breite = 10;
  klein.Hoehe = 8;
  t.KV.Karte = klein;
  ProgrammfelderAnpassen(t.E);
  EXPECT_TRUE(AktionBeenden(t.E));
  KarteNeuAufbauen(t.E);
  EXPECT_TRUE(UngesicherteAenderungen(t.Programm, t.KV));
  t.Taste(vkZ);
  EXPECT_EQ(t.Meldung(), "R\xFC"
                         "ckg\xE4ngig: Kartengr\xF6\xDF"
                         "e");
  EXPECT_EQ(t.KV.Karte.Breite, 30);
  EXPECT_EQ(ps.Programmfelder.Breite, 30);
  EXPECT_EQ(t.G(5, 5), 7);
  EXPECT_FALSE(UngesicherteAenderungen(t.Programm, t.KV));
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(t.KV.Karte.Hoehe, 8);
  EXPECT_EQ(t.G(5, 5), 7);
  // An action that ends where it began is no step.
  AktionBeginnen(t.E, saLoeschen);
  EXPECT_FALSE(AktionBeenden(t.E));
  EXPECT_EQ(SchritteZurueck(t.Programm), 2u);
}
