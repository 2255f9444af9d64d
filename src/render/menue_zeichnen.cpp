#include <GL/gl.h>

#include <algorithm>
#include <utility>

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
                                    "ckg\xE4ngig, Strg+Y/Strg+Umschalt+Z:Wiederholen",
                                    "G:Grid, K:Coordinates, U:Overview, Z:Undo, "
                                    "Ctrl+Y/Ctrl+Shift+Z:Redo"};

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

namespace {

// The drawing of the overview as it would come out now, with the overview texture bound.
TUebersichtsabzug Abzugsquelle(const TGrafik& g) {
  TUebersichtsabzug a;
  a.Quelle = g.Uebersicht.Textur;
  a.Fassung = g.Uebersicht.Fassung;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &a.Verkleinerung);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &a.Vergroesserung);
  return a;
}

bool GleicheQuelle(const TUebersichtsabzug& a, const TUebersichtsabzug& b) {
  return a.Quelle == b.Quelle && a.Fassung == b.Fassung && a.Verkleinerung == b.Verkleinerung &&
         a.Vergroesserung == b.Vergroesserung;
}

// Copies the overview's pixels from the frame. Nothing drawn before it can lie in front of it
// (the overview is the nearest thing drawn so far and covers its region whole), so they are the
// image's pixels alone.
void AbzugNehmen(TGrafik& g, const TBildbereich& b, const TUebersichtsabzug& quelle) {
  TUebersichtsabzug& a = g.Uebersichtsabzug;
  a.Gueltig = false;
  GLint proben = 0;
  glGetIntegerv(GL_SAMPLE_BUFFERS, &proben);
  if (proben != 0) return; // a multisampled frame cannot be copied
  if (a.Textur == 0) {
    glGenTextures(1, &a.Textur);
    glBindTexture(GL_TEXTURE_2D, a.Textur);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, b.Breite, b.Hoehe, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
  }
  glBindTexture(GL_TEXTURE_2D, a.Textur);
  // The frame's rows run bottom-up; the logical screen lies at its place in the client area.
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, g.Lage.x + b.x,
                      g.Hoehe - (g.Lage.y + b.y + b.Hoehe), b.Breite, b.Hoehe);
  const uint32_t textur = a.Textur;
  a = quelle;
  a.Textur = textur;
  a.Gueltig = true;
}

} // namespace

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
  const bool pixelgenau = g.Lage.Breite == Bildschirmbreite && g.Lage.Hoehe == Bildschirmhoehe;
  const TUebersichtsabzug quelle = Abzugsquelle(g);
  if (pixelgenau && g.Uebersichtsabzug.Gueltig && GleicheQuelle(g.Uebersichtsabzug, quelle)) {
    glBindTexture(GL_TEXTURE_2D, g.Uebersichtsabzug.Textur);
    TBildflaeche kopie = g.Bildflaeche;
    std::swap(kopie.VOben, kopie.VUnten);
    Kachel(kopie);
    glBindTexture(GL_TEXTURE_2D, g.Uebersicht.Textur);
  } else {
    Kachel(g.Bildflaeche);
    if (pixelgenau) AbzugNehmen(g, b, quelle);
    glBindTexture(GL_TEXTURE_2D, g.Uebersicht.Textur);
  }
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_TEXTURE_2D);
  glLoadIdentity();
  glTranslated(b.x, b.y, b.z + 1);
  Umriss(1, b.Breite, b.Hoehe);
}

void UebersichtRahmenZeichnen(TGrafik& g, const TProgramm& p) {
  const TUebersichtsbild& u = g.Uebersicht;
  if (u.Kartenbreite <= 0 || u.Kartenhoehe <= 0 || g.Lage.Breite <= 0 || g.Lage.Hoehe <= 0)
    return;
  const TBildbereich& b = Bildbereiche[bbUebersicht];
  const TProgrammSpiel& s = p.ProgrammSpiel;
  // Logical units of one client pixel: the frame keeps its width in pixels at every size.
  const double px = static_cast<double>(Bildschirmbreite) / g.Lage.Breite;
  const double py = static_cast<double>(Bildschirmhoehe) / g.Lage.Hoehe;
  // The cells the map view shows whole, from its top-left cell on.
  const int32_t nx = std::max(1, s.Sichtweite.x), ny = std::max(1, s.Sichtweite.y);
  const double sx = static_cast<double>(b.Breite) / u.Kartenbreite;
  const double sy = static_cast<double>(b.Hoehe) / u.Kartenhoehe;
  double x1 = b.x + (s.Position.x - nx / 2) * sx, x2 = x1 + nx * sx;
  double y1 = b.y + (s.Position.y - ny / 2) * sy, y2 = y1 + ny * sy;
  // On a large map the view covers a pixel or less: it still shows as a small box.
  auto mindestens = [](double& a, double& e, double seite) {
    if (e - a >= seite) return;
    const double mitte = (a + e) / 2;
    a = mitte - seite / 2;
    e = mitte + seite / 2;
  };
  mindestens(x1, x2, 8 * px);
  mindestens(y1, y2, 8 * py);
  // A view at the map's edge reaches past it; its lines stay on the image, inside its outline.
  x1 = std::clamp(x1, b.x + 3 * px, b.x + b.Breite - 3 * px);
  x2 = std::clamp(x2, b.x + 3 * px, b.x + b.Breite - 3 * px);
  y1 = std::clamp(y1, b.y + 3 * py, b.y + b.Hoehe - 3 * py);
  y2 = std::clamp(y2, b.y + 3 * py, b.y + b.Hoehe - 3 * py);
  // White lines of two pixels inside black edges of one: one of them stands out on every
  // terrain colour.
  auto ring = [&](double wx, double wy) {
    glBegin(GL_QUADS);
    const double r[4][4] = {{x1 - wx, y1 - wy, x2 + wx, y1 + wy},
                            {x1 - wx, y2 - wy, x2 + wx, y2 + wy},
                            {x1 - wx, y1 - wy, x1 + wx, y2 + wy},
                            {x2 - wx, y1 - wy, x2 + wx, y2 + wy}};
    for (const auto& q : r) {
      glVertex2d(q[0], q[1]);
      glVertex2d(q[2], q[1]);
      glVertex2d(q[2], q[3]);
      glVertex2d(q[0], q[3]);
    }
    glEnd();
  };
  glDisable(GL_TEXTURE_2D);
  glLoadIdentity();
  glTranslated(0, 0, b.z + 2);
  glColor3d(0, 0, 0);
  ring(2 * px, 2 * py);
  glTranslated(0, 0, 1);
  glColor3d(1, 1, 1);
  ring(px, py);
}
