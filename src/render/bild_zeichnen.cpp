#include "render/bild.h"

#include <GL/gl.h>

#include "editor/bildbereiche.h"

void BildZeichnen(TGrafik& g, TProgramm& p, const TKV& kv, uint32_t jetzt) {
  BildVorbereiten(g);
  HintergrundZeichnen(g);
  if (p.ProgrammSpiel.Ansicht == 0)
    KarteZeichnen(g, p, kv);
  else if (p.ProgrammSpiel.Ansicht == 1)
    MenueZeichnen(g, p);
  UebersichtZeichnen(g);
  UebersichtRahmenZeichnen(g, p);
  PanelZeichnen(g);
  WerkzeugleisteZeichnen(g, p);
  StatusZeichnen(g, p, jetzt);
  ZellanzeigeZeichnen(g, p, kv);
  ++p.Bildzaehler;
}

void BildVorbereiten(TGrafik& g) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, Bildschirmbreite, Bildschirmhoehe, 0, -100, 100);
  // The logical screen keeps its shape, centred in the client area (OpenGL counts rows from the
  // bottom); the window maps mouse pixels through the same rectangle.
  g.Lage = Bildlage(g.Breite, g.Hoehe);
  const int32_t unten = g.Hoehe - g.Lage.y - g.Lage.Hoehe;
  glViewport(g.Lage.x, unten, g.Lage.Breite, g.Lage.Hoehe);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  // The background plane is black, lies behind everything else and covers the whole screen:
  // clearing to opaque black gives exactly its pixels, and a software rasteriser saves filling
  // the screen twice.
  glClearColor(0, 0, 0, 1);
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // The bars beside the screen stay black: text reaching past its edge is cut there.
  glScissor(g.Lage.x, unten, g.Lage.Breite, g.Lage.Hoehe);
  glEnable(GL_SCISSOR_TEST);
  glEnable(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

void HintergrundZeichnen(TGrafik& g) {
  glDisable(GL_TEXTURE_2D);
  // The black plane itself is the cleared frame (BildVorbereiten).
  g.Sterne = Sternstand;
  glColor3d(1, 1, 1);
  glLoadIdentity();
  const TBildbereich& karte = Bildbereiche[bbKarte];
  glBegin(GL_POINTS);
  for (int32_t i = 0; i < Sternanzahl; ++i) {
    const int32_t y = Zufallszahl(g.Sterne, Bildschirmhoehe);
    const int32_t x = Zufallszahl(g.Sterne, karte.x + karte.Breite);
    glVertex3d(x, y, -95);
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
}

void PanelZeichnen(TGrafik&) {
  glLoadIdentity();
  glTranslated(Bildschirmbreite - 425, 0, -50);
  glColor3d(0.3, 0.5, 0.7);
  Viereck(425, Bildschirmhoehe);
  glColor3d(1, 1, 1);
  Umriss(1, 1, Bildschirmhoehe);
}
