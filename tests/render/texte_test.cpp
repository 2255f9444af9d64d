// Texts set into shared bitmaps must give exactly the pixels of the glyph lists, text by text.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "render/schrift.h"
#include "zeichentest.h"

namespace {

// Rows and columns of labels as the map view writes them, long lines, texts partly or wholly
// off the screen and texts without ink.
std::vector<TTextstelle> Probetexte() {
  std::vector<TTextstelle> t;
  for (int k = 0; k < 48; ++k)
    t.push_back({k * 25 - 22, 30, std::to_string(k + 90)});
  for (int k = 0; k < 48; ++k)
    t.push_back({20, k * 25 - 12, std::to_string(k + 1)});
  for (int k = 0; k < 48; ++k)
    t.push_back({1135, k * 25 - 12, std::to_string(k * 7)});
  t.push_back({40, 80,
               "Dr\xFC"
               "cke \"M\" um die Meldungen zu schlie\xDF"
               "en"});
  t.push_back({40, 120,
               "G:Gitter, K:Koordination, U:\xDC"
               "bersicht, Z:R\xFC"
               "ckg\xE4ngig"});
  t.push_back({40, 160, std::string(300, 'W')}); // wider than one bitmap may be
  t.push_back({1590, 600, "Rand"});              // runs off the right edge
  t.push_back({300, 1199, "gjpqy"});             // descenders below the bottom edge
  t.push_back({-5, 700, "links davon"});         // starts off the screen: nothing at all
  t.push_back({700, 1201, "darunter"});
  t.push_back({500, 500, ""});
  t.push_back({500, 540, "   "});
  t.push_back({500, 580, "\x01\x7F\x80\x81\xA0\xFF"});
  return t;
}

} // namespace

class Textsatz : public Zeichentest {
protected:
  // The texts drawn in red on black at the client size, either all at once or one by one with
  // the glyph lists.
  std::vector<uint8_t> Schreiben(int32_t breite, int32_t hoehe, bool zusammen) {
    KarteAnlegen(0, 0);
    Zeichnen(0, breite, hoehe);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3d(1, 0, 0);
    const std::vector<TTextstelle> texte = Probetexte();
    if (zusammen) {
      TexteAusgeben(Grafik->Schriftbasis, Grafik->Glyphen, texte);
    } else {
      for (const TTextstelle& t : texte)
        TextAusgeben(Grafik->Schriftbasis, t.x, t.y, t.Text);
    }
    return OffscreenLesen(*Kontext);
  }
};

TEST_F(Textsatz, SharedBitmapsGiveThePixelsOfTheGlyphLists) {
  if (!Kontext) GTEST_SKIP() << Fehler;
  ASSERT_NE(Grafik->Schriftbasis, 0u);
  ASSERT_EQ(Grafik->Glyphen.size(), 256u);
  // Pixel for pixel, and stretched, where the raster positions fall between pixels.
  for (auto [b, h] : {std::pair{1600, 1200}, {1000, 700}, {640, 480}}) {
    SCOPED_TRACE(std::to_string(b) + " x " + std::to_string(h));
    const std::vector<uint8_t> einzeln = Schreiben(b, h, false);
    const std::vector<uint8_t> zusammen = Schreiben(b, h, true);
    ASSERT_EQ(einzeln.size(), zusammen.size());
    size_t rot = 0, anders = 0;
    for (size_t i = 0; i < einzeln.size(); i += 4) {
      if (einzeln[i] > 128) ++rot;
      if (einzeln[i] != zusammen[i] || einzeln[i + 1] != zusammen[i + 1] ||
          einzeln[i + 2] != zusammen[i + 2])
        ++anders;
    }
    EXPECT_GT(rot, 3000u); // the texts are there at all
    EXPECT_EQ(anders, 0u);
  }
  Zeichnen(0, 1600, 1200);
}

TEST_F(Textsatz, SharedBitmapsLeaveTheStateAsTheGlyphListsDo) {
  if (!Kontext) GTEST_SKIP() << Fehler;
  KarteAnlegen(0, 0);
  Zeichnen();
  const TTextstelle texte[2] = {{100, 100, "Ab"}, {130, 100, "cd"}};
  auto schreiben = [&](const TGlyphen& glyphen) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor3d(0, 1, 0);
    TexteAusgeben(Grafik->Schriftbasis, glyphen, texte);
    return OffscreenLesen(*Kontext);
  };
  Bild = schreiben(Grafik->Glyphen);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  GLint ausrichtung = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &ausrichtung);
  EXPECT_EQ(ausrichtung, 4); // the pixel store is given back
  auto gruen = [](TRgb c) { return c[1] > 200 && c[0] < 60 && c[2] < 60; };
  EXPECT_GT(Zaehlen(95, 85, 160, 105, gruen), 20);
  EXPECT_EQ(Zaehlen(0, 0, 1600, 80, gruen) + Zaehlen(0, 110, 1600, 1200, gruen), 0);
  // Without the glyphs of the font the lists draw the same.
  EXPECT_TRUE(schreiben(TGlyphen{}) == Bild);
}
