#include "render/grafik.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/grafikgruppen.h"
#include "render/schrift.h"

bool GrafikEinrichten(TGrafik& g, const std::string& grafikordner, const TText& schriftart,
                      const std::string& vorrat) {
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glClearColor(0, 0, 0, 0);
  SchriftFreigeben(g.Schriftbasis); // a second set-up replaces the font
  g.Schriftart = schriftart;
  g.Schriftbasis = SchriftErzeugen(schriftart, nullptr, &g.Glyphen, g.Schrifthoehe);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  GrafikenLaden(g, grafikordner, vorrat);
  if (!g.Ring) g.Ring = gluNewQuadric();
  return g.Schriftbasis != 0;
}

void SchriftAnpassen(TGrafik& g, int32_t hoehe) {
  if (hoehe == g.Schrifthoehe || hoehe <= 0) return;
  g.Schrifthoehe = hoehe;
  SchriftFreigeben(g.Schriftbasis);
  g.Schriftbasis = SchriftErzeugen(g.Schriftart, nullptr, &g.Glyphen, hoehe);
}

void GrafikAufloesen(TGrafik& g) {
  SchriftFreigeben(g.Schriftbasis);
  g.Glyphen.clear();
  auto loeschen = [](auto& satz) {
    for (uint32_t& t : satz) {
      if (t) glDeleteTextures(1, &t);
      t = 0;
    }
  };
  loeschen(g.Basistexturen);
  loeschen(g.Spieltexturen);
  ZellbilderFreigeben(g.Zellbilder);
  if (g.Uebersichtsabzug.Textur) glDeleteTextures(1, &g.Uebersichtsabzug.Textur);
  g.Uebersichtsabzug = TUebersichtsabzug{};
  GrafikenFreigeben(g);
  if (g.Ring) gluDeleteQuadric(g.Ring);
  g.Ring = nullptr;
}
