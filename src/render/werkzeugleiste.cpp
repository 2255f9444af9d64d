#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>
#include <string>

#include "editor/bildbereiche.h"
#include "editor/farben.h"
#include "editor/meldung.h"
#include "render/bild.h"
#include "render/grafikgruppen.h"
#include "render/schrift.h"

namespace {

constexpr int32_t Feld = 50;    // side of a panel field
constexpr int32_t Schritt = 55; // from one field of a row to the next

void Hin(double x, double y, double z = 0) {
  glLoadIdentity();
  glTranslated(x, y, z);
}

void Linienzug(std::initializer_list<std::pair<double, double>> punkte) {
  glLineWidth(1);
  glBegin(GL_LINE_LOOP);
  for (const auto& [x, y] : punkte)
    glVertex3d(x, y, 0);
  glEnd();
}

void Stueck(double x, double y, double breite, double hoehe) {
  glPushMatrix();
  glTranslated(x, y, 0);
  Umriss(1, breite, hoehe);
  glPopMatrix();
}

void Ring(GLUquadric* ring) {
  if (!ring) return;
  glPushMatrix();
  glTranslated(25, 25, 0);
  gluDisk(ring, 12, 15, 100, 1);
  glPopMatrix();
}

// The arrow of size s turned by winkel degrees, centred at (25, 25).
void Pfeil(double s, double winkel) {
  const double a = winkel * std::numbers::pi / 180, c = std::cos(a), d = std::sin(a);
  static constexpr double Form[4][2] = {{-0.5, -0.5}, {0.5, 0}, {-0.5, 0.5}, {-0.05, 0}};
  glLineWidth(1);
  glBegin(GL_LINE_LOOP);
  for (const auto& q : Form) {
    const double x = q[0] * s, y = q[1] * s;
    glVertex3d(25 + x * c - y * d, 25 + x * d + y * c, 0);
  }
  glEnd();
}

void WerkzeugSymbol(TGrafik& g, int werkzeug) {
  switch (werkzeug) {
  case wzQuadrat:
    Stueck(12, 12, 25, 25);
    break;
  case wzKreis:
    Ring(g.Ring);
    break;
  case wzDreieck:
    Linienzug({{25 + 16, 25 + 8}, {25 - 16, 25 + 8}, {25, 25 - 16}});
    break;
  case wzWaagerecht:
    Stueck(12, 25, 25, 1);
    break;
  case wzSenkrecht:
    Stueck(25, 12, 1, 25);
    break;
  case wzAusfuellen:
    Pfeil(25, 90);
    break;
  case wzKreisAusfuellen:
    Ring(g.Ring);
    Pfeil(12, 0);
    break;
  }
}

void Gelaendeseite(TGrafik& g, const TProgramm& p) {
  const TProgrammSpiel& s = p.ProgrammSpiel;
  const TBildbereich& palette = Bildbereiche[bbGelaende];
  glEnable(GL_TEXTURE_2D);
  glColor3d(1, 1, 1);
  glBindTexture(GL_TEXTURE_2D, g.Basistexturen[grGelaende]);
  g.Bildflaeche.Breite = Feld;
  g.Bildflaeche.Hoehe = Feld;
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    Hin(palette.x + Feld * (t % 4), palette.y + Feld * (t / 4));
    Bildausschnitt(g.Bildflaeche, grGelaende, t);
    Kachel(g.Bildflaeche);
  }
  if (s.Gelaende < Gelaendeanzahl) {
    glDisable(GL_TEXTURE_2D);
    glColor3d(0, 0, 0);
    Hin(palette.x + Feld * (s.Gelaende % 4), palette.y + Feld * (s.Gelaende / 4));
    KachelUmriss(g.Bildflaeche, 1);
    glColor3d(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
  }
  glDisable(GL_TEXTURE_2D);

  const TBildbereich& groessen = Bildbereiche[bbGroessen];
  for (int i = 0; i < Groessenanzahl; ++i) {
    const int32_t x = groessen.x + Schritt * i;
    Hin(x, groessen.y);
    Umrissfarbe(i != s.Groesse);
    Umriss(1, Feld, Feld);
    TextAusgeben(g.Schriftbasis, x + 10, groessen.y + 20, std::to_string(i));
  }

  const TBildbereich& werkzeuge = Bildbereiche[bbWerkzeuge];
  for (int i = 0; i < Werkzeuganzahl; ++i) {
    Hin(werkzeuge.x + Schritt * i, werkzeuge.y);
    Umrissfarbe(i != s.Werkzeug);
    Umriss(1, Feld, Feld);
    WerkzeugSymbol(g, i);
  }
}

void Spielerseite(TGrafik& g, const TProgramm& p) {
  glDisable(GL_TEXTURE_2D);
  const char* const zeichen[2] = {"<", ">"};
  const uint8_t bereiche[2] = {bbVorherigerSpieler, bbNaechsterSpieler};
  for (int i = 0; i < 2; ++i) {
    const TBildbereich& b = Bildbereiche[bereiche[i]];
    Hin(b.x, b.y);
    glColor3d(1, 1, 1);
    Umriss(1, Feld, Feld);
    glColor3d(0, 0, 0);
    TextAusgeben(g.Schriftbasis, b.x + 10, b.y + 20, zeichen[i]);
  }
  const TBildbereich& b = Bildbereiche[bbZumStartpunkt];
  const int32_t spieler = p.ProgrammSpiel.SpielerNummer;
  const TFarbKollektion& farbe = Spielerfarbe(p.Farben, spieler);
  Hin(b.x, b.y);
  glColor3d(farbe.Rot, farbe.Gruen, farbe.Blau);
  Viereck(Feld, Feld);
  glColor3d(1, 1, 1);
  Umriss(1, Feld, Feld);
  TextAusgeben(g.Schriftbasis, b.x + 10, b.y + 20, std::to_string(int64_t{spieler} + 1));
}

void Spiegelseite(TGrafik& g, const TProgramm& p) {
  const TProgrammSpiel& s = p.ProgrammSpiel;
  glDisable(GL_TEXTURE_2D);
  const TBildbereich& arten = Bildbereiche[bbSpiegelart];
  for (int i = 0; i < 4; ++i) {
    Hin(arten.x + Schritt * i, arten.y);
    Umrissfarbe(i != s.Spiegelart);
    Umriss(1, Feld, Feld);
    switch (i) {
    case 0:
      Stueck(25, 12, 1, 25);
      break;
    case 1:
      Stueck(12, 25, 25, 1);
      break;
    case 2:
      Linienzug({{12, 12}, {37, 37}, {37, 38}, {12, 13}});
      break;
    case 3:
      Linienzug({{37, 12}, {38, 12}, {13, 37}, {12, 37}});
      break;
    }
  }
  const TBildbereich& richtungen = Bildbereiche[bbSpiegelrichtung];
  const char* const texte[2] = {"12", "21"};
  for (int i = 0; i < 2; ++i) {
    const int32_t x = richtungen.x + Schritt * i;
    Hin(x, richtungen.y);
    Umrissfarbe(i != s.Spiegelrichtung);
    Umriss(1, Feld, Feld);
    TextAusgeben(g.Schriftbasis, x + 5, richtungen.y + 30, texte[i]);
  }
  const TBildbereich& spiegeln = Bildbereiche[bbSpiegeln];
  Hin(spiegeln.x, spiegeln.y);
  Umrissfarbe(true);
  Umriss(1, Feld, Feld);
  glColor3d(0, 0, 0);
  TextAusgeben(g.Schriftbasis, spiegeln.x + 5, spiegeln.y + 30, ">>");
}

} // namespace

void WerkzeugleisteZeichnen(TGrafik& g, const TProgramm& p) {
  const TBildbereich& reiter = Bildbereiche[bbModi];
  const char* const buchstaben[Modusanzahl] = {"G", "P", "S"};
  g.Bildflaeche.Breite = Feld;
  g.Bildflaeche.Hoehe = Feld;
  for (int i = 0; i < Modusanzahl; ++i) {
    const int32_t x = reiter.x + Schritt * i;
    Hin(x, reiter.y);
    glColor3d(0, 0, 0);
    TextAusgeben(g.Schriftbasis, x + 15, reiter.y + 30, buchstaben[i]);
    // The tab of the current page is outlined in white, the others in black.
    if (i == p.ProgrammSpiel.Modus) glColor3d(1, 1, 1);
    KachelUmriss(g.Bildflaeche, 1);
  }
  switch (p.ProgrammSpiel.Modus) {
  case moGelaende:
    Gelaendeseite(g, p);
    break;
  case moStartpositionen:
    Spielerseite(g, p);
    break;
  case moSpiegelung:
    Spiegelseite(g, p);
    break;
  }
}

void StatusZeichnen(TGrafik& g, const TProgramm& p, uint32_t jetzt) {
  const TBildbereich& box = Bildbereiche[bbMenueSchalter];
  glBindTexture(GL_TEXTURE_2D, g.Basistexturen[grSymbole]);
  glColor3d(1, 1, 1);
  Hin(box.x, box.y, box.z);
  g.Bildflaeche.Breite = box.Breite;
  g.Bildflaeche.Hoehe = box.Hoehe;
  Bildausschnitt(g.Bildflaeche, grSymbole, 5);
  Umrissfarbe(true);
  KachelUmriss(g.Bildflaeche, 1);
  glColor3d(0, 0, 0);
  TextAusgeben(g.Schriftbasis, box.x + 15, box.y + 30, "M");
  if (MeldungSichtbar(p, jetzt)) {
    const TBildbereich& zeile = Bildbereiche[bbMeldung];
    glColor3d(0, 0, 0);
    TextAusgeben(g.Schriftbasis, zeile.x, zeile.y, p.ProgrammSpiel.Speicher.Meldung);
  }
}
