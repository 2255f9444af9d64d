#include <gtest/gtest.h>

#include "editor_hilfe.h"

TEST(Sicht, ClickToCellFollowsZoomAndPosition) {
  TTestEditor t;
  ASSERT_EQ(t.Programm.ProgrammSpiel.Zoomstufe, 2);
  t.Zentrieren({20, 20});
  EXPECT_EQ(Sichtzelle(t.Programm, {0, 0}), (TPunkt{13, 13}));
  EXPECT_EQ(Sichtzelle(t.Programm, {1154, 1154}), (TPunkt{27, 27}));
  EXPECT_EQ(Sichtzelle(t.Programm, TPunkt{13, 27}, szRueckwaerts), (TPunkt{0, 14}));

  const int32_t groessen[7] = {165, 105, 77, 55, 39, 33, 25};
  for (int z = 0; z < 7; ++z) {
    ZoomSetzen(t.Programm, z);
    EXPECT_EQ(Zellgroesse(t.Programm, bbKarte), (TPunkt{groessen[z], groessen[z]}));
  }
  // Past the last visible column: the cell is used unchanged.
  t.Zentrieren({22, 22});
  ZoomSetzen(t.Programm, 6);
  EXPECT_EQ(Sichtzelle(t.Programm, {1130, 0}).x, 45 - 22 + 22);
  ZoomSetzen(t.Programm, 4);
  EXPECT_EQ(Sichtzelle(t.Programm, {1131, 0}).x - 22 + 14, 29);
  // Other regions report their own size.
  EXPECT_EQ(Zellgroesse(t.Programm, bbUebersicht), (TPunkt{325, 325}));
}

TEST(Sicht, ClicksOnTheMapPaintTheCellUnderThePointer) {
  TTestEditor t(40, 40, 0);
  t.Programm.ProgrammSpiel.Gelaende = 3;
  t.Zentrieren({20, 20});
  Mausklick(t.E, {0, 0}, mtLinks, true);
  EXPECT_EQ(t.G(13, 13), 3);
  Mausklick(t.E, {1154, 1154}, mtLinks, true);
  EXPECT_EQ(t.G(27, 27), 3);
  EXPECT_EQ(t.Anzahl(3), 2);
  // A click past the map's edge paints nothing.
  t.Zentrieren({0, 0});
  Mausklick(t.E, {0, 0}, mtLinks, true);
  EXPECT_EQ(t.Anzahl(3), 2);
}

TEST(Sicht, RegionSearchFollowsViewAndMode) {
  TTestEditor t;
  TProgramm& p = t.Programm;
  EXPECT_EQ(Bereichsuche(p, {500, 500}), bbKarte);   // covers the help lines, region 3
  EXPECT_EQ(Bereichsuche(p, {1155, 1155}), bbKarte); // bounds are inclusive
  EXPECT_EQ(Bereichsuche(p, {1160, 100}), bbKeiner);
  EXPECT_EQ(Bereichsuche(p, {1250, 25}), bbUebersicht);
  EXPECT_EQ(Bereichsuche(p, {1210, 710}), bbGelaende);
  EXPECT_EQ(Bereichsuche(p, {1260, 1110}), bbKeiner); // the message line never answers
  EXPECT_EQ(Bereichsuche(p, {1310, 1130}), bbMenueSchalter);
  p.ProgrammSpiel.Modus = moSpiegelung;
  EXPECT_EQ(Bereichsuche(p, {1210, 710}), bbSpiegelart);
  EXPECT_EQ(Bereichsuche(p, {1260, 610}), bbKeiner);
  p.ProgrammSpiel.Modus = moStartpositionen;
  EXPECT_EQ(Bereichsuche(p, {1260, 610}), bbVorherigerSpieler);
  EXPECT_EQ(Bereichsuche(p, {1210, 710}), bbKeiner);
  // The menu: regions 14-16 answer, the map view does not.
  p.ProgrammSpiel.Ansicht = 1;
  EXPECT_EQ(Bereichsuche(p, {500, 420}), bbSpeichern);
  EXPECT_EQ(Bereichsuche(p, {500, 520}), bbZurueck);
  EXPECT_EQ(Bereichsuche(p, {500, 620}), bbBeenden);
  EXPECT_EQ(Bereichsuche(p, {100, 100}), bbKeiner);
}

TEST(Sicht, FieldIndexSkipsGaps) {
  EXPECT_EQ(Feldindex(50, 4, 5, {52, 10}), -1);
  EXPECT_EQ(Feldindex(50, 4, 5, {50, 10}), 0);
  EXPECT_EQ(Feldindex(50, 4, 5, {55, 10}), 1);
  EXPECT_EQ(Feldindex(50, 4, 5, {330, 10}), 6);
  EXPECT_EQ(Feldindex(50, 4, 5, {10, 51}), -1);
  EXPECT_EQ(Feldindex(50, 4, 0, {200, 10}), 4);
  EXPECT_EQ(Feldindex(50, 4, 0, {10, 199}), 12);
  EXPECT_EQ(Feldindex(50, 4, 0, {199, 199}), 15);
  EXPECT_EQ(Feldindex(0, 4, 0, {10, 10}), -1);
}

TEST(Sicht, MenuButtonsAndSwitchBox) {
  TTestEditor t;
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Loslassen(bbMenueSchalter, {10, 10});
  EXPECT_EQ(ps.Ansicht, 1);
  // Outside the buttons nothing happens.
  const int bilder = t.Bilder;
  t.Loslassen(bbKeiner, {100, 100});
  EXPECT_EQ(ps.Ansicht, 1);
  EXPECT_EQ(t.Bilder, bilder);
  t.Loslassen(bbSpeichern, {5, 5});
  EXPECT_EQ(t.Speichern, 1);
  EXPECT_EQ(ps.Ansicht, 1);
  t.Loslassen(bbZurueck, {5, 5});
  EXPECT_EQ(ps.Ansicht, 0);
  t.Loslassen(bbMenueSchalter, {10, 10});
  const int vorSchliessen = t.Bilder;
  t.Loslassen(bbBeenden, {5, 5});
  EXPECT_EQ(t.Schliessen, 1);
  EXPECT_EQ(ps.Ansicht, 0);
  EXPECT_EQ(t.Bilder, vorSchliessen); // closing draws no frame
  // Hovering over the switch box names the menu.
  Mausbewegung(t.E, {1310, 1130});
  EXPECT_EQ(t.Meldung(), "Spielmen\xFC");
}

TEST(Sicht, PanelActsOnReleaseOnly) {
  TTestEditor t;
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  const TPunkt feld3{Bildbereiche[bbGroessen].x + 3 * 55 + 10, Bildbereiche[bbGroessen].y + 10};
  const TPunkt feld1{Bildbereiche[bbGroessen].x + 55 + 10, Bildbereiche[bbGroessen].y + 10};
  Mausklick(t.E, feld3, mtLinks, true);
  EXPECT_EQ(ps.Groesse, 0);
  Mausklick(t.E, feld1, mtLinks, false); // the release's point decides
  EXPECT_EQ(ps.Groesse, 1);
  EXPECT_EQ(t.Meldung(), "Gr\xF6\xDF"
                         "e: 1");
  // A release over the map view does nothing.
  t.Programm.ProgrammSpiel.Gelaende = 5;
  Mausklick(t.E, {500, 500}, mtLinks, false);
  EXPECT_EQ(t.Anzahl(5), 0);
  // The middle button neither paints nor draws.
  const int bilder = t.Bilder;
  Mausklick(t.E, {500, 500}, mtMitte, true);
  EXPECT_EQ(t.Anzahl(5), 0);
  EXPECT_EQ(t.Bilder, bilder);
}

TEST(Sicht, OverviewClickCentresTheView) {
  TTestEditor t(40, 40);
  t.Programm.ProgrammSpiel.Ansicht = 1;
  t.Loslassen(bbUebersicht, {325, 325});
  EXPECT_EQ(t.Programm.ProgrammSpiel.Position, (TPunkt{40, 40}));
  EXPECT_EQ(t.Programm.ProgrammSpiel.Ansicht, 0);
  t.Loslassen(bbUebersicht, {162, 0});
  EXPECT_EQ(t.Programm.ProgrammSpiel.Position, (TPunkt{19, 0}));
  // The right button only draws.
  t.Loslassen(bbUebersicht, {325, 325}, mtRechts);
  EXPECT_EQ(t.Programm.ProgrammSpiel.Position, (TPunkt{19, 0}));
  // An empty map puts the view at 0.
  t.NeueKarte(0, 0);
  t.Loslassen(bbUebersicht, {325, 325});
  EXPECT_EQ(t.Programm.ProgrammSpiel.Position, (TPunkt{0, 0}));
}

TEST(Sicht, DraggingPaintsEachCellEnteredFromTheMapView) {
  TTestEditor t(40, 40, 0);
  t.Programm.ProgrammSpiel.Gelaende = 2;
  t.Zentrieren({20, 20});
  t.Links = true;
  // Pressed outside the map view, then dragged in: nothing until a move inside.
  Mausbewegung(t.E, {1170, 500});
  Mausbewegung(t.E, t.Bildpunkt({20, 20}));
  EXPECT_EQ(t.Anzahl(2), 0);
  // Within the same cell nothing new.
  const TPunkt p = t.Bildpunkt({20, 20});
  Mausbewegung(t.E, {p.x + 1, p.y});
  EXPECT_EQ(t.Anzahl(2), 0);
  Mausbewegung(t.E, t.Bildpunkt({21, 20}));
  Mausbewegung(t.E, t.Bildpunkt({22, 20}));
  EXPECT_EQ(t.G(21, 20), 2);
  EXPECT_EQ(t.G(22, 20), 2);
  EXPECT_EQ(t.Anzahl(2), 2);
  // Without the button held, moving paints nothing.
  t.Links = false;
  Mausbewegung(t.E, t.Bildpunkt({23, 20}));
  EXPECT_EQ(t.Anzahl(2), 2);
}
