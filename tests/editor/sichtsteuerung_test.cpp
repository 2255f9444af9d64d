// The wheel, panning with the mouse, the status field and where the logical screen lies in a
// window of any shape.
#include <gtest/gtest.h>

#include "editor_hilfe.h"
#include "scenario/geometrie.h"

namespace {

TPunkt Zelle(const TTestEditor& t, TPunkt p) {
  return Sichtzelle(t.Programm, p);
}

} // namespace

TEST(Mausrad, ZoomsAtThePointerAndStopsAtTheEnds) {
  TTestEditor t(100, 100);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  // Points all over the map view, its corners and the extra column included.
  for (const TPunkt p : {TPunkt{0, 0}, TPunkt{1155, 1155}, TPunkt{600, 17}, TPunkt{91, 1020}}) {
    t.Zentrieren({50, 50});
    ZoomSetzen(t.Programm, 2);
    const TPunkt unter = Zelle(t, p);
    for (int32_t stufe = 1; stufe >= 0; --stufe) {
      Mausrad(t.E, p, 1, 0);
      EXPECT_EQ(ps.Zoomstufe, stufe);
      EXPECT_EQ(Zelle(t, p), unter) << p.x << "," << p.y << " at step " << stufe;
    }
    // Nearest reached: the wheel stops there instead of going round, and draws nothing.
    const int bilder = t.Bilder;
    Mausrad(t.E, p, 1, 0);
    EXPECT_EQ(ps.Zoomstufe, 0);
    EXPECT_EQ(t.Bilder, bilder);
    // Many notches at once go to the farthest step, the cell still under the pointer.
    Mausrad(t.E, p, -10, 0);
    EXPECT_EQ(ps.Zoomstufe, 6);
    EXPECT_EQ(ps.Sichtweite, (TPunkt{45, 45}));
    EXPECT_EQ(Zelle(t, p), unter);
    EXPECT_GT(t.Bilder, bilder);
  }
  // Over the panel, or with the menu shown, the wheel does nothing.
  ZoomSetzen(t.Programm, 2);
  Mausrad(t.E, {1300, 600}, 1, 0);
  ps.Ansicht = 1;
  Mausrad(t.E, {500, 500}, 1, 0);
  EXPECT_EQ(ps.Zoomstufe, 2);
}

TEST(Mausrad, ZoomOnAWrappingMapKeepsThePositionOnTheMap) {
  TTestEditor t(30, 30, 0, true);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Zentrieren({1, 1});
  const TPunkt p{1100, 1100};
  TPunkt unter = Zelle(t, p);
  Mausrad(t.E, p, -4, 0);
  EXPECT_EQ(ps.Zoomstufe, 6);
  EXPECT_TRUE(ps.Position.x >= 0 && ps.Position.x < 30 && ps.Position.y >= 0 && ps.Position.y < 30);
  TPunkt jetzt = Zelle(t, p);
  ASSERT_TRUE(AufKarte(t.KV, unter) && AufKarte(t.KV, jetzt));
  EXPECT_EQ(jetzt, unter);
}

TEST(Mausrad, ShiftOrASidewaysWheelScrollsAcross) {
  TTestEditor t(50, 50);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  t.Zentrieren({20, 20});
  Mausrad(t.E, {500, 500}, 1, ssShift);
  EXPECT_EQ(ps.Position, (TPunkt{20 - Radspalten, 20}));
  EXPECT_EQ(ps.Zoomstufe, 2);
  Mausrad(t.E, {500, 500}, -2, 0, true);
  EXPECT_EQ(ps.Position, (TPunkt{20 + Radspalten, 20}));
  // The margins of the arrow keys: at zoom 2 the view stops at -3 and 51.
  Mausrad(t.E, {500, 500}, 100, ssShift);
  EXPECT_EQ(ps.Position.x, -3);
  Mausrad(t.E, {500, 500}, -100, ssShift);
  EXPECT_EQ(ps.Position.x, 51);
  // A wrapping map goes round.
  t.NeueKarte(50, 50, 0, true);
  t.Zentrieren({1, 0});
  Mausrad(t.E, {500, 500}, 1, ssShift);
  EXPECT_EQ(ps.Position.x, 1 - Radspalten + 50);
}

TEST(Verschieben, MiddleDragMovesTheViewWithThePointerAndPaintsNothing) {
  TTestEditor t(60, 60, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Gelaende = 5;
  t.Zentrieren({30, 30});
  const TPunkt a{400, 400};
  const TPunkt gegriffen = Zelle(t, a);
  Mausklick(t.E, a, mtMitte, true);
  t.Links = true; // even with the left button down too
  for (const TPunkt p : {TPunkt{480, 400}, TPunkt{700, 650}, TPunkt{1400, 100}, TPunkt{410, 390}}) {
    Mausbewegung(t.E, p);
    EXPECT_EQ(Zelle(t, p), gegriffen) << p.x << "," << p.y;
  }
  // The release ends it, and does nothing else even over the panel's size fields.
  const TPunkt feld{Bildbereiche[bbGroessen].x + 3 * 55 + 10, Bildbereiche[bbGroessen].y + 10};
  Mausklick(t.E, a, mtLinks, true); // another button while panning does nothing
  Mausklick(t.E, feld, mtMitte, false);
  EXPECT_EQ(ps.Groesse, 0);
  EXPECT_EQ(t.Anzahl(5), 0);
  const TPunkt danach = ps.Position;
  Mausbewegung(t.E, {100, 100});
  EXPECT_EQ(ps.Position, danach);
}

TEST(Verschieben, SpaceMakesTheLeftButtonPan) {
  TTestEditor t(60, 60, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Gelaende = 5;
  t.Zentrieren({30, 30});
  Tastendruck(t.E, true, vkLeertaste, 0);
  const TPunkt gegriffen = Zelle(t, {500, 500});
  Mausklick(t.E, {500, 500}, mtLinks, true);
  t.Links = true;
  Mausbewegung(t.E, {300, 800});
  EXPECT_EQ(Zelle(t, {300, 800}), gegriffen);
  // Space let go during the drag: the drag still pans until the button is released.
  Tastendruck(t.E, false, vkLeertaste, 0);
  Mausbewegung(t.E, {200, 800});
  EXPECT_EQ(Zelle(t, {200, 800}), gegriffen);
  Mausklick(t.E, {200, 800}, mtLinks, false);
  EXPECT_EQ(t.Anzahl(5), 0);
  // Without Space the left button paints again.
  Mausklick(t.E, {200, 800}, mtLinks, true);
  EXPECT_EQ(t.Anzahl(5), 1);
}

TEST(Verschieben, KeepsTheMarginsOrWrapsAndEndsWhenTheButtonIsGone) {
  TTestEditor t(50, 50, 0);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  bool mitte = true;
  t.Umgebung.MittlereTasteGedrueckt = [&mitte] { return mitte; };
  t.Zentrieren({5, 20});
  // Dragging far to the right stops the view at the left margin; back, it follows at once.
  Mausklick(t.E, {100, 500}, mtMitte, true);
  Mausbewegung(t.E, {100 + 77 * 30, 500});
  EXPECT_EQ(ps.Position.x, -3);
  Mausbewegung(t.E, {100 + 77 * 29, 500});
  EXPECT_EQ(ps.Position.x, -2);
  // No edge scrolling meanwhile, though the pointer is past the edge.
  Zeittakt(t.E);
  EXPECT_EQ(ps.Position.x, -2);
  // The release went elsewhere: the next move is a plain move again.
  mitte = false;
  Mausbewegung(t.E, {100, 500});
  EXPECT_EQ(ps.Position.x, -2);
  EXPECT_EQ(t.Programm.Verschiebung.Taste, -1);

  t.NeueKarte(50, 50, 0, true);
  mitte = true;
  t.Zentrieren({2, 2});
  const TPunkt gegriffen = Zelle(t, {600, 600});
  Mausklick(t.E, {600, 600}, mtMitte, true);
  Mausbewegung(t.E, {600 + 77 * 7, 600 + 77 * 7});
  EXPECT_EQ(ps.Position, (TPunkt{45, 45}));
  TPunkt jetzt = Zelle(t, {600 + 77 * 7, 600 + 77 * 7});
  ASSERT_TRUE(AufKarte(t.KV, jetzt));
  EXPECT_EQ(jetzt, gegriffen);
}

TEST(Zellanzeige, NamesTheCellUnderThePointerInBothLanguages) {
  TTestEditor t(40, 40, 3);
  t.Zentrieren({20, 20});
  GelaendeSetzen(t.KV.Karte, 21, 20, 9); // a terrain without an English name
  const int bilder = t.Bilder;
  Mausbewegung(t.E, t.Bildpunkt({20, 20}));
  EXPECT_EQ(Zellanzeige(t.Programm, t.KV), "Feld 21, 21: Gras");
  EXPECT_EQ(t.Bilder, bilder + 1); // the field follows the pointer
  const TPunkt p = t.Bildpunkt({20, 20});
  Mausbewegung(t.E, {p.x + 1, p.y});
  EXPECT_EQ(t.Bilder, bilder + 1); // within the cell nothing to draw
  t.Programm.Sprache = 1;
  EXPECT_EQ(Zellanzeige(t.Programm, t.KV), "Cell 21, 21: Grass");
  Mausbewegung(t.E, t.Bildpunkt({21, 20}));
  EXPECT_EQ(Zellanzeige(t.Programm, t.KV), "Cell 22, 21: Schlucht");
  // Off the map, over the panel or with the menu shown: empty.
  t.Zentrieren({0, 0});
  Mausbewegung(t.E, {10, 10});
  EXPECT_EQ(Zellanzeige(t.Programm, t.KV), "");
  Mausbewegung(t.E, {1300, 600});
  EXPECT_EQ(Zellanzeige(t.Programm, t.KV), "");
}

TEST(Bildlage, TheScreenKeepsItsShapeAndPixelsMapThroughTheirCentres) {
  EXPECT_EQ(Bildlage(1600, 1200).x, 0);
  const TBildlage breit = Bildlage(2000, 1200);
  EXPECT_EQ(breit.x, 200);
  EXPECT_EQ(breit.y, 0);
  EXPECT_EQ(breit.Breite, 1600);
  const TBildlage hoch = Bildlage(800, 1000);
  EXPECT_EQ(hoch.y, 200);
  EXPECT_EQ(hoch.Hoehe, 600);
  EXPECT_EQ(Bildlage(0, 10).Breite, 0);
  // One to one at the logical size, in the black bars off the screen.
  EXPECT_EQ(LogischerPunkt(Bildlage(1600, 1200), 1234, 567), (TPunkt{1234, 567}));
  EXPECT_EQ(LogischerPunkt(breit, 199, 0), (TPunkt{-1, 0}));
  EXPECT_EQ(LogischerPunkt(breit, 200, 0), (TPunkt{0, 0}));
  EXPECT_EQ(LogischerPunkt(breit, 1800, 0), (TPunkt{1600, 0}));
  // At half size pixel 38 covers logical 76 to 78, its centre on the edge at 77: OpenGL gives it
  // to the shape whose left edge, or whose bottom edge, lies there.
  EXPECT_EQ(LogischerPunkt(Bildlage(800, 600), 38, 38), (TPunkt{77, 76}));
  EXPECT_EQ(LogischerPunkt(Bildlage(800, 600), -1, -3), (TPunkt{-1, -6}));
  EXPECT_EQ(LogischerPunkt(TBildlage{}, 5, 5), (TPunkt{0, 0}));
}
