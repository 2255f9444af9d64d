#include <GL/gl.h>

#include "base/sprachtext.h"
#include "editor/bildbereiche.h"
#include "render/bild.h"
#include "render/schrift.h"

namespace {

// The second and third help line, German first.
const char* const Hilfezeile2[2] = {
    "Dr\xFC"
    "cke 0-9 zum Speichern in der Zwischenablage, Dr\xFC"
    "cke Strg+0-9 zum wiederherstellen aus der "
    "Zwischenablage",
    "Press 0-9 to copy to clipboard, press Strg+0-9 to load from clipboard"};
const char* const Hilfezeile3[2] = {"G:Gitter, K:Koordination, U:\xDC"
                                    "bersicht, Z:R\xFC"
                                    "ckg\xE4ngig",
                                    "G:Grid, K:Coordinates, U:Overview, Z:Undo"};

} // namespace

void MenueZeichnen(TGrafik& g, const TProgramm& p) {
  static constexpr uint8_t Knoepfe[3][2] = {{bbSpeichern, 2}, {bbZurueck, 8}, {bbBeenden, 38}};
  glDisable(GL_TEXTURE_2D);
  for (const auto& knopf : Knoepfe) {
    const TBildbereich& b = Bildbereiche[knopf[0]];
    glLoadIdentity();
    glTranslated(b.x, b.y, b.z);
    glColor3d(0, 0, 0);
    g.Bildflaeche.Breite = b.Breite;
    g.Bildflaeche.Hoehe = b.Hoehe;
    Kachel(g.Bildflaeche);
    Umrissfarbe(true);
    KachelUmriss(g.Bildflaeche, 1);
    glColor3d(1, 1, 1);
    TText text;
    SprachText(knopf[1], 0, 0, text, p.Sprache);
    TextAusgeben(g.Schriftbasis, b.x + 52, b.y + 36, text);
  }
}

void HilfeZeichnen(TGrafik& g, const TProgramm& p) {
  if (!AnzeigeAn(p, aoMeldungen)) return;
  const TBildbereich& b = Bildbereiche[bbHilfe];
  const int sprache = p.Sprache == 1 ? 1 : 0;
  TText zeile1;
  SprachText(23, 0, 0, zeile1, p.Sprache);
  const TTextstelle zeilen[3] = {{b.x, b.y, zeile1},
                                 {b.x, b.y + 40, Hilfezeile2[sprache]},
                                 {b.x, b.y + 80, Hilfezeile3[sprache]}};
  TexteAusgeben(g.Schriftbasis, g.Glyphen, zeilen);
}

void UebersichtZeichnen(TGrafik& g) {
  const TBildbereich& b = Bildbereiche[bbUebersicht];
  UebersichtHochladen(g.Uebersicht);
  glColor3d(1, 1, 1);
  g.Bildflaeche = TBildflaeche{};
  g.Bildflaeche.Breite = b.Breite;
  g.Bildflaeche.Hoehe = b.Hoehe;
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, g.Uebersicht.Textur);
  glLoadIdentity();
  glTranslated(b.x, b.y, b.z);
  // White leaves the texels as they are; taking them unchanged spares the multiplication.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  Kachel(g.Bildflaeche);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_TEXTURE_2D);
  glLoadIdentity();
  glTranslated(b.x, b.y, b.z + 1);
  Umriss(1, b.Breite, b.Hoehe);
}
