#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/bildbereiche.h"
#include "editor/farben.h"
#include "model/karte.h"
#include "render/bild.h"
#include "render/grafikgruppen.h"
#include "render/schrift.h"
#include "scenario/geometrie.h"

namespace {

// The geometry of the map view: cell size and the map cell in the top-left corner. One more
// column and row than the zoom counts are drawn.
struct TSicht {
  int32_t nx, ny, cw, ch, x0, y0;
};

TSicht SichtBerechnen(const TProgramm& p) {
  const TProgrammSpiel& s = p.ProgrammSpiel;
  TSicht v;
  v.nx = std::max(1, s.Sichtweite.x);
  v.ny = std::max(1, s.Sichtweite.y);
  const TBildbereich& b = Bildbereiche[bbKarte];
  v.cw = b.Breite / v.nx;
  v.ch = b.Hoehe / v.ny;
  v.x0 = s.Position.x - v.nx / 2;
  v.y0 = s.Position.y - v.ny / 2;
  return v;
}

// The cell's first start-position state is active.
bool StartAktiv(const TKV& kv, TPunkt c) {
  for (const TFeldZustand& z : FeldZustaende(kv.Karte, c.x, c.y))
    if (z.Art == zaStartpunkt) return (z.Status & zsAktiv) != 0;
  return false;
}

} // namespace

void KarteZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv) {
  GelaendeZeichnen(g, p, kv);
  GitterZeichnen(g, p, kv);
  StartpunkteZeichnen(g, p, kv);
  HilfeZeichnen(g, p);
}

void GelaendeZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv) {
  const TSicht v = SichtBerechnen(p);
  const double z = Bildbereiche[bbKarte].z - 2;
  glLoadIdentity();
  const bool zellbilder = ZellbilderBinden(
      g.Zellbilder, v.cw, v.ch, g.Lage.Breite == Bildschirmbreite && g.Lage.Hoehe == Bildschirmhoehe);
  if (!zellbilder) glBindTexture(GL_TEXTURE_2D, g.Basistexturen[grGelaende]);
  glColor3d(1, 1, 1);
  g.Bildflaeche.Breite = v.cw;
  g.Bildflaeche.Hoehe = v.ch;
  // All cells in one batch: each is the quad Kachel draws, moved to its place. Only the stars lie
  // behind the cells and everything drawn later lies in front of them, so the depth test cannot
  // change a pixel here; without it a software rasteriser is a good deal faster.
  TBildflaeche& f = g.Bildflaeche;
  glDisable(GL_DEPTH_TEST);
  // White leaves the texels as they are; taking them unchanged spares the multiplication.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glBegin(GL_QUADS);
  for (int32_t i = 0; i <= v.nx; ++i)
    for (int32_t j = 0; j <= v.ny; ++j) {
      TPunkt c{v.x0 + i, v.y0 + j};
      if (!AufKarte(kv, c)) continue;
      const uint8_t t = Gelaende(kv.Karte, c.x, c.y);
      if (zellbilder)
        Zellbildausschnitt(g.Zellbilder, f, t);
      else
        Bildausschnitt(f, grGelaende, t);
      const double x = i * v.cw, y = j * v.ch;
      glTexCoord2d(f.ULinks, f.VOben);
      glVertex3d(x, y, z);
      glTexCoord2d(f.URechts, f.VOben);
      glVertex3d(x + f.Breite, y, z);
      glTexCoord2d(f.URechts, f.VUnten);
      glVertex3d(x + f.Breite, y + f.Hoehe, z);
      glTexCoord2d(f.ULinks, f.VUnten);
      glVertex3d(x, y + f.Hoehe, z);
    }
  glEnd();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_DEPTH_TEST);
}

void GitterZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv) {
  const TSicht v = SichtBerechnen(p);
  const int32_t seite = Bildbereiche[bbKarte].Breite;
  const int32_t letztes = std::max(v.nx, v.ny) + 2;
  if (AnzeigeAn(p, aoGitter)) {
    glDisable(GL_TEXTURE_2D);
    glColor3d(0, 0, 0);
    glLoadIdentity();
    glLineWidth(1);
    // Behind the lines (z -80 ... -81) lie only the stars and the terrain, both farther away, and
    // everything drawn later is nearer: the depth test would pass every pixel and the depths
    // written would hide nothing, so it is left out here.
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_LINES);
    for (int32_t k = 0; k <= letztes; ++k) {
      if (k <= v.nx + 2) {
        glVertex3d(k * v.cw, 0, -80);
        glVertex3d(k * v.cw, seite + 3 * v.ch, -81);
      }
      if (k <= v.ny + 2) {
        glVertex3d(0, k * v.ch, -80);
        glVertex3d(seite + 3 * v.cw, k * v.ch, -81);
      }
    }
    glEnd();
    glEnable(GL_DEPTH_TEST);
  }
  if (AnzeigeAn(p, aoKoordinaten)) {
    glColor3d(1, 1, 1);
    const TPunkt& pos = p.ProgrammSpiel.Position;
    // The labels go out row by row and column by column (all in one colour, so the order shows
    // nothing), which lets each row and column be drawn as one bitmap.
    std::vector<TTextstelle> oben, unten, links, rechts;
    for (int32_t k = 0; k <= letztes; ++k) {
      // Labels count cells from 1 and stand over the middle of column (row) k - 1.
      const int32_t c = pos.x + k - v.nx / 2;
      if (c >= 1 && c <= kv.Karte.Breite) {
        const TText t = std::to_string(c);
        oben.push_back({k * v.cw - v.cw / 2 - 10, 30, t});
        unten.push_back({k * v.cw - v.cw / 2 - 10, seite + 20, t});
      }
      const int32_t r = pos.y + k - v.ny / 2;
      if (r >= 1 && r <= kv.Karte.Hoehe) {
        const TText t = std::to_string(r);
        links.push_back({20, k * v.ch - v.ch / 2, t});
        rechts.push_back({seite - 20, k * v.ch - v.ch / 2, t});
      }
    }
    std::vector<TTextstelle> marken = std::move(oben);
    for (auto* teil : {&unten, &links, &rechts})
      marken.insert(marken.end(), teil->begin(), teil->end());
    TexteAusgeben(g.Schriftbasis, g.Glyphen, marken);
  }
}

void StartpunkteZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv) {
  const TSicht v = SichtBerechnen(p);
  glDisable(GL_TEXTURE_2D);
  g.Bildflaeche = TBildflaeche{};
  g.Bildflaeche.Breite = v.cw / 2;
  g.Bildflaeche.Hoehe = v.ch / 2;
  glMatrixMode(GL_MODELVIEW);
  glColor3d(1, 1, 1);
  glLoadIdentity();
  for (int32_t i = 0; i <= v.nx; ++i)
    for (int32_t j = 0; j <= v.ny; ++j) {
      TPunkt c{v.x0 + i, v.y0 + j};
      if (!AufKarte(kv, c) || !StartAktiv(kv, c)) continue;
      const TProgrammFeld feld = ProgrammFeld(p, kv, c.x, c.y);
      if (!feld.Start) continue;
      const TFarbKollektion& farbe = Spielerfarbe(p.Farben, feld.StartSpieler);
      glColor3d(farbe.Rot, farbe.Gruen, farbe.Blau);
      const int32_t px = i * v.cw + v.cw / 4, py = j * v.ch + v.ch / 4;
      glPushMatrix();
      glTranslated(px, py, Bildbereiche[bbKarte].z);
      Kachel(g.Bildflaeche);
      glColor3d(1, 1, 1);
      KachelUmriss(g.Bildflaeche, 1);
      glPopMatrix();
      TextAusgeben(g.Schriftbasis, px + 10, py + 20,
                   std::to_string(int64_t{feld.StartSpieler} + 1));
    }
}
