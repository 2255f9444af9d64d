#include <gtest/gtest.h>

#include "editor/symmetrie.h"
#include "editor_hilfe.h"

TEST(Tasten, ReleasesChangeNothing) {
  TTestEditor t;
  const int bilder = t.Bilder;
  const TPunkt position = t.Programm.ProgrammSpiel.Position;
  for (int taste : {int(vkLinks), int(vkG), int(vkV), int(vkZ), vk0 + 3})
    Tastendruck(t.E, false, taste, 0);
  EXPECT_EQ(t.Bilder, bilder);
  EXPECT_EQ(t.Programm.ProgrammSpiel.Position, position);
  EXPECT_EQ(t.Programm.ProgrammSpiel.Anzeige, AlleAnzeigeOptionen);
  EXPECT_FALSE(t.Programm.ProgrammSpiel.Speicher.Belegt[3]);
  // Every press draws, also of keys without an action.
  Tastendruck(t.E, true, 200, 0);
  EXPECT_EQ(t.Bilder, bilder + 1);
}

TEST(Tasten, ScrollLimits) {
  TTestEditor t(50, 50);
  TPunkt& position = t.Programm.ProgrammSpiel.Position;
  position = {0, 0};
  for (int i = 0; i < 20; ++i)
    t.Taste(vkLinks);
  EXPECT_EQ(position.x, -3);
  for (int i = 0; i < 80; ++i)
    t.Taste(vkRechts);
  EXPECT_EQ(position.x, 51);
  for (int i = 0; i < 80; ++i)
    t.Taste(vkUnten);
  EXPECT_EQ(position.y, 51);
  // The menu holds the view still.
  t.Programm.ProgrammSpiel.Ansicht = 1;
  t.Taste(vkOben);
  EXPECT_EQ(position.y, 51);

  TTestEditor w(50, 50, 0, true);
  TPunkt& wp = w.Programm.ProgrammSpiel.Position;
  wp = {0, 49};
  w.Taste(vkLinks);
  EXPECT_EQ(wp.x, 49);
  w.Taste(vkRechts);
  EXPECT_EQ(wp.x, 0);
  w.Taste(vkUnten);
  EXPECT_EQ(wp.y, 0);
  w.Taste(vkOben);
  EXPECT_EQ(wp.y, 49);
}

TEST(Tasten, EmptyMapsNeverDivideByZero) {
  for (bool umbrechend : {false, true}) {
    TTestEditor t(0, 0, 0, umbrechend);
    for (int taste : {vkLinks, vkRechts, vkOben, vkUnten, vkZ, vkV})
      t.Taste(taste);
    t.Programm.ProgrammSpiel.Werkzeug = wzAusfuellen;
    t.Druecken({0, 0});
    t.Programm.ProgrammSpiel.Werkzeug = wzKreisAusfuellen;
    t.Druecken({0, 0});
    t.Programm.ProgrammSpiel.Modus = moStartpositionen;
    t.Druecken({0, 0});
    t.Druecken({0, 0}, mtRechts);
    t.Programm.ProgrammSpiel.Modus = moSpiegelung;
    for (uint8_t art = 0; art < 4; ++art) {
      t.Programm.ProgrammSpiel.Spiegelart = art;
      t.Loslassen(bbSpiegeln, {5, 5});
    }
    t.Programm.Maus.Ort = {5, 5};
    Zeittakt(t.E);
    EXPECT_TRUE(t.Programm.ProgrammSpiel.Speicher.Startpositionen.empty());
  }
}

TEST(Tasten, ZoomCycles) {
  TTestEditor t;
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  const TPunkt position{7, 9};
  ps.Position = position;
  for (int i = 0; i < 7; ++i)
    t.Taste(vkV);
  EXPECT_EQ(ps.Zoomstufe, 2);
  EXPECT_EQ(ps.Position, position);
  ZoomSetzen(t.Programm, 0);
  t.Taste(vkV, ssCtrl);
  EXPECT_EQ(ps.Zoomstufe, 6);
  EXPECT_EQ(ps.Sichtweite, (TPunkt{45, 45}));
  t.Taste(vkV);
  EXPECT_EQ(ps.Zoomstufe, 0);
  EXPECT_EQ(ps.Sichtweite, (TPunkt{7, 7}));
}

TEST(Tasten, SizeAndPlayerKeysStopAtTheirLimits) {
  TTestEditor t;
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Groesse = 5;
  t.Taste(vkPlus);
  EXPECT_EQ(ps.Groesse, 5);
  ps.Groesse = 0;
  t.Taste(vkMinus);
  EXPECT_EQ(ps.Groesse, 0);
  ps.Modus = moStartpositionen;
  ps.SpielerNummer = 31;
  t.Taste(vkPlus);
  EXPECT_EQ(ps.SpielerNummer, 31);
  t.Taste(vkMinus);
  EXPECT_EQ(ps.SpielerNummer, 30);
  EXPECT_EQ(ps.Groesse, 0);
  ps.Modus = moSpiegelung;
  t.Taste(vkPlus);
  EXPECT_EQ(ps.SpielerNummer, 30);
  EXPECT_EQ(ps.Groesse, 0);
}

TEST(Tasten, SaveNeedsCtrl) {
  TTestEditor t;
  t.Taste(vkS);
  EXPECT_EQ(t.Speichern, 0);
  t.Taste(vkS, ssCtrl);
  EXPECT_EQ(t.Speichern, 1);
}

TEST(Tasten, OptionMessagesAndTheirLifetime) {
  TTestEditor t;
  t.Taste(vkG);
  EXPECT_EQ(t.Meldung(), "Gitter deaktiviert");
  EXPECT_FALSE(AnzeigeAn(t.Programm, aoGitter));
  t.Uhr += 50;
  t.Taste(vkG);
  EXPECT_EQ(t.Meldung(), "Gitter aktiviert");
  EXPECT_EQ(t.Programm.ProgrammSpiel.Speicher.MeldungZeit, t.Uhr);
  EXPECT_TRUE(MeldungSichtbar(t.Programm, t.Uhr + 1000));
  EXPECT_FALSE(MeldungSichtbar(t.Programm, t.Uhr + 1001));
  t.Taste(vkU);
  EXPECT_EQ(t.Meldung(), "\xDC"
                         "bersicht deaktiviert");
  t.Taste(vkK);
  EXPECT_EQ(t.Meldung(), "Koordiation deaktiviert");
  t.Programm.Sprache = 1;
  t.Taste(vkM);
  EXPECT_EQ(t.Meldung(), "Messages deactivated");
  EXPECT_EQ(t.Programm.ProgrammSpiel.Anzeige, 1 << aoGitter);
  // A message set just before the tick count wraps stays visible across the wrap.
  t.Uhr = 0xFFFFFF00u;
  t.Taste(vkM);
  EXPECT_TRUE(MeldungSichtbar(t.Programm, 0x100u));
  EXPECT_FALSE(MeldungSichtbar(t.Programm, 0x400u));
}

TEST(Tasten, MemorySlots) {
  TTestEditor t(30, 30, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Zentrieren({15, 15});
  ps.Gelaende = 2;
  t.Taste(vk0 + 3, ssShift);
  EXPECT_TRUE(ps.Speicher.Belegt[3]);
  EXPECT_EQ(t.Meldung(), "Abbild 3 gespeichert");
  t.Druecken({15, 15});
  EXPECT_EQ(t.Anzahl(2), 1);
  t.Taste(vk0 + 3, ssCtrl | ssShift);
  EXPECT_EQ(t.Anzahl(2), 0);
  EXPECT_EQ(t.Meldung(), "Abbild 3 geladen");
  t.Taste(vk0 + 3, ssCtrl);
  EXPECT_EQ(t.Anzahl(2), 0);
  // An empty slot: nothing, no message.
  t.Druecken({15, 15});
  t.Uhr += 5000;
  t.Taste(vk0 + 4, ssCtrl);
  EXPECT_EQ(t.Anzahl(2), 1);
  EXPECT_EQ(t.Meldung(), "Abbild 3 geladen");
  EXPECT_NE(ps.Speicher.MeldungZeit, t.Uhr);
  t.Programm.Sprache = 1;
  t.Taste(vk0 + 9);
  EXPECT_EQ(t.Meldung(), "Copy 9 saved");
}

TEST(Tasten, UndoAndRedoStepThroughTheWholeHistory) {
  TTestEditor t(30, 30, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Zentrieren({15, 15});
  ps.Gelaende = 1;
  ps.Groesse = 1;
  t.Druecken({10, 10});
  ps.Gelaende = 2;
  ps.Werkzeug = wzAusfuellen;
  t.Druecken({20, 20}); // fills everything but the first square
  ps.Werkzeug = wzQuadrat;
  EXPECT_EQ(t.Anzahl(1), 9);
  EXPECT_EQ(t.Anzahl(0), 0);
  t.Taste(vkZ);
  EXPECT_EQ(t.Meldung(), "R\xFC"
                         "ckg\xE4ngig: F\xFCllen");
  EXPECT_EQ(t.Anzahl(0), 30 * 30 - 9);
  t.Taste(vkZ, ssShift | ssAlt);
  EXPECT_EQ(t.Anzahl(1), 0);
  t.Taste(vkZ, ssCtrl);
  EXPECT_EQ(t.Meldung(), "Nichts mehr r\xFC"
                         "ckg\xE4ngig zu machen");
  // Ctrl+Y and Ctrl+Shift+Z step forward; Y alone still switches the symmetry.
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(t.Meldung(), "Wiederholt: Pinsel");
  EXPECT_EQ(t.Anzahl(1), 9);
  EXPECT_EQ(ps.Symmetrie, syAus);
  t.Taste(vkZ, ssCtrl | ssShift);
  EXPECT_EQ(t.Anzahl(0), 0);
  t.Programm.Sprache = 1;
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(t.Meldung(), "Nothing left to redo");
  t.Taste(vkZ);
  EXPECT_EQ(t.Meldung(), "Undone: Fill");
  t.Programm.Sprache = 0;
  // A new change drops the step ahead.
  t.Druecken({20, 20});
  EXPECT_EQ(SchritteVor(t.Programm), 0u);
  EXPECT_EQ(SchritteZurueck(t.Programm), 2u);
  // Presses that change nothing add no step: the mirroring mode, off the map, the same terrain.
  ps.Modus = moSpiegelung;
  t.Druecken({15, 15});
  ps.Modus = moGelaende;
  t.Druecken({-5, -5});
  t.Druecken({20, 20});
  EXPECT_EQ(SchritteZurueck(t.Programm), 2u);
  t.Taste(vkY, ssShift);
  EXPECT_EQ(ps.Symmetrie, sySpiegelung);
  // Without voZurueck nothing is taken or restored.
  ps.Symmetrie = syAus;
  ps.Verhalten = 0;
  t.Druecken({20, 12});
  t.Taste(vkZ);
  EXPECT_EQ(t.G(20, 12), 2);
  EXPECT_EQ(SchritteZurueck(t.Programm), 2u);
}

TEST(Tasten, SnapshotsAcrossMapsOfOtherSizes) {
  TTestEditor t(40, 40, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Modus = moStartpositionen;
  t.Zentrieren({35, 35});
  ps.SpielerNummer = 4;
  t.Druecken({38, 37});
  t.Taste(vk0 + 1);
  // Another scenario, smaller, is opened; its start position lies elsewhere.
  t.NeueKarte(20, 30, 3);
  EXPECT_TRUE(ps.Speicher.Startpositionen.empty());
  t.Zentrieren({5, 5});
  t.Druecken({2, 2});
  ASSERT_EQ(ps.Speicher.Startpositionen.size(), 1u);
  EXPECT_EQ(ps.Programmfelder.Breite, 20);
  t.Taste(vk0 + 1, ssCtrl);
  EXPECT_EQ(t.KV.Karte.Breite, 40);
  EXPECT_EQ(ps.Programmfelder.Breite, 40);
  EXPECT_EQ(ps.Programmfelder.Hoehe, 40);
  ASSERT_EQ(ps.Speicher.Startpositionen.size(), 1u);
  EXPECT_EQ(ps.Speicher.Startpositionen[0].Ort, (TPunkt{38, 37}));
  EXPECT_TRUE(ProgrammFeld(t.Programm, t.KV, 38, 37).Start);
  EXPECT_FALSE(ProgrammFeld(t.Programm, t.KV, 2, 2).Start);
  ASSERT_FALSE(t.Uebersichten.empty());
  EXPECT_TRUE(t.Uebersichten.back().Alles);
  // Undo brings back the small map with its start position (bringing the slot back was a step);
  // redo the large one.
  t.Taste(vkZ);
  EXPECT_EQ(t.KV.Karte.Breite, 20);
  EXPECT_EQ(ps.Programmfelder.Hoehe, 30);
  ASSERT_EQ(ps.Speicher.Startpositionen.size(), 1u);
  EXPECT_EQ(ps.Speicher.Startpositionen[0].Ort, (TPunkt{2, 2}));
  t.Taste(vkY, ssCtrl);
  EXPECT_EQ(t.KV.Karte.Breite, 40);
  EXPECT_EQ(ps.Programmfelder.Breite, 40);
  t.Taste(vkZ);
  EXPECT_EQ(t.Meldung(), "R\xFC"
                         "ckg\xE4ngig: Abbild");
  // Painting the restored large map reaches its far cells.
  t.Taste(vk0 + 1, ssCtrl);
  ps.Modus = moGelaende;
  ps.Gelaende = 5;
  t.Zentrieren({35, 35});
  t.Druecken({39, 39});
  EXPECT_EQ(t.G(39, 39), 5);
}
