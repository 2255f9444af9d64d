// Graphics groups, texture loading and the tool panel's pages.
#include <GL/gl.h>

#include <filesystem>
#include <fstream>

#include "render/grafikgruppen.h"
#include "render/textur.h"
#include "render/tga.h"
#include "zeichentest.h"

TEST(Grafikgruppen, PictureCoordinatesInTheAtlas) {
  TBildflaeche f;
  Bildausschnitt(f, grGelaende, 15);
  EXPECT_DOUBLE_EQ(f.ULinks, 288.0 / 512);
  EXPECT_DOUBLE_EQ(f.URechts, 384.0 / 512);
  EXPECT_DOUBLE_EQ(f.VOben, 288.0 / 512);
  EXPECT_DOUBLE_EQ(f.VUnten, 384.0 / 512);
  Bildausschnitt(f, grGelaende, 5);
  EXPECT_DOUBLE_EQ(f.ULinks, 96.0 / 512);
  EXPECT_DOUBLE_EQ(f.VUnten, 192.0 / 512);
  // A group without atlas values writes nothing.
  const TBildflaeche vorher = f;
  Bildausschnitt(f, grSymbole, 5);
  EXPECT_EQ(f.ULinks, vorher.ULinks);
  EXPECT_EQ(f.VOben, vorher.VOben);
  EXPECT_EQ(f.URechts, vorher.URechts);
  Bildausschnitt(f, 7, 0);
  EXPECT_DOUBLE_EQ(f.URechts, 1.0);
  EXPECT_DOUBLE_EQ(f.VUnten, 1.0);
  Bildausschnitt(f, 8, 17); // units: 16 a row of 36 texels in 1024
  EXPECT_DOUBLE_EQ(f.ULinks, 36.0 / 1024);
  EXPECT_DOUBLE_EQ(f.VOben, 36.0 / 1024);
}

TEST(Grafikgruppen, FileNamesAreUtf8AndCarryTheShortName) {
  EXPECT_EQ(Grafikdatei("/p/Grafik", grGelaende), "/p/Grafik/Gel\xC3\xA4nde.tga");
  EXPECT_EQ(Grafikdatei("/p/Grafik/", 7), "/p/Grafik/RahmenEditor.tga");
  EXPECT_EQ(Grafikdatei("/p/Grafik", 8, "KR"), "/p/Grafik/EinheitenKR.tga");
  EXPECT_EQ(Grafikdatei("/p/Grafik", 13, "KR"), "/p/Grafik/RohstoffeKR.tga");
  EXPECT_EQ(Grafikordner("/opt/vandor/"), "/opt/vandor/Grafik");
  EXPECT_EQ(Grafikordner("/opt/vandor"), "/opt/vandor/Grafik");
}

// Headers that promise more pixels than the bytes hold are refused before decoding, whatever the
// image type; the decoder would otherwise fill the missing pixels with black, gigabytes of them.
TEST(Tga, HeadersThatPromiseTooMuchAreRefused) {
  std::vector<uint8_t> d = {0x00, 0x01, 0x01, 0x00, 0x20, 0x00, 0x01, 0x10, 0xe5,
                            0x00, 0x02, 0xff, 0xff, 0x81, 0x63, 0x40, 0x08};
  TBildpixel bild;
  std::string fehler;
  EXPECT_FALSE(TgaDekodieren(d.data(), d.size(), bild, &fehler));
  EXPECT_FALSE(fehler.empty());
  d.resize(20000, 0); // colour map and a little data: still far from 8 bits per pixel
  d[13] = 0x01;
  d[15] = 0x10; // 511 x 4195, within the side limit
  fehler.clear();
  EXPECT_FALSE(TgaDekodieren(d.data(), d.size(), bild, &fehler));
  EXPECT_EQ(fehler, "image file is cut short");
  d[15] = 0x80; // a side over 16384
  EXPECT_FALSE(TgaDekodieren(d.data(), d.size(), bild, &fehler));
  EXPECT_EQ(fehler, "image larger than the largest texture");

  // Uncompressed 2 x 2 true colour missing its last byte.
  std::vector<uint8_t> roh = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 32, 0x28};
  roh.resize(18 + 16, 0x7F);
  EXPECT_TRUE(TgaDekodieren(roh.data(), roh.size(), bild));
  EXPECT_FALSE(TgaDekodieren(roh.data(), roh.size() - 1, bild));
  EXPECT_TRUE(bild.Rgba.empty());

  // Run-length 16 x 16: enough bytes for two full packets, but the first packet is raw and
  // claims 128 pixels (512 bytes) that are not there.
  std::vector<uint8_t> rle = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 16, 0, 32, 0x28, 0x7F};
  rle.resize(18 + 40, 0x11);
  EXPECT_FALSE(TgaDekodieren(rle.data(), rle.size(), bild, &fehler));
  EXPECT_EQ(fehler, "image file is cut short");
}

TEST(Tga, ColourMappedImagesDecode) {
  // 2 x 1 pixels, a map of two 24-bit entries (blue, green, red order), first row at the top.
  const std::vector<uint8_t> d = {0, 1, 1, 0, 0,    2,    0, 24, 0, 0, 0,    0, 2,
                                  0, 1, 0, 8, 0x20, 0xFF, 0, 0,  0, 0, 0xFF, 1, 0};
  TBildpixel bild;
  std::string fehler;
  ASSERT_TRUE(TgaDekodieren(d.data(), d.size(), bild, &fehler)) << fehler;
  EXPECT_EQ(bild.Breite, 2);
  EXPECT_EQ(bild.Hoehe, 1);
  EXPECT_EQ(bild.Rgba, (std::vector<uint8_t>{255, 0, 0, 255, 0, 0, 255, 255}));
}

TEST_F(Zeichentest, TexturesLoadFromTgaWithMipmapsTopRowFirst) {
  const std::string ordner = TestOrdner("textur");
  std::vector<uint32_t> pixel(64 * 32, 0xFF00FF00u);
  pixel[0] = 0xFFFF0000u;          // top left red
  pixel[63 * 1 + 0] = 0xFF0000FFu; // top right blue
  TgaSchreiben(ordner + "/bild.tga", 64, 32, pixel);
  uint32_t textur = 99;
  std::string fehler;
  ASSERT_TRUE(TexturLaden(ordner + "/bild.tga", textur, &fehler)) << fehler;
  ASSERT_NE(textur, 0u);
  glBindTexture(GL_TEXTURE_2D, textur);
  GLint b = 0, h = 0, b1 = 0, wert = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &b);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &b1);
  EXPECT_EQ(b, 64);
  EXPECT_EQ(h, 32);
  EXPECT_EQ(b1, 32);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &wert);
  EXPECT_EQ(wert, GL_LINEAR_MIPMAP_LINEAR);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wert);
  EXPECT_EQ(wert, GL_CLAMP_TO_EDGE);
  std::vector<uint8_t> texel(64 * 32 * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel.data());
  EXPECT_EQ(texel[0], 255); // the file's top row is the texture's first row
  EXPECT_EQ(texel[1], 0);
  EXPECT_EQ(texel[63 * 4 + 2], 255);
  EXPECT_EQ(texel[64 * 4 + 1], 255);
  glDeleteTextures(1, &textur);

  // Missing and damaged files: no texture, a reason.
  EXPECT_FALSE(TexturLaden(ordner + "/fehlt.tga", textur, &fehler));
  EXPECT_EQ(textur, 0u);
  EXPECT_FALSE(fehler.empty());
  std::ofstream(ordner + "/kaputt.tga") << "kein Bild";
  textur = 5;
  EXPECT_FALSE(TexturLaden(ordner + "/kaputt.tga", textur));
  EXPECT_EQ(textur, 0u);
  // A header that promises more than the file holds.
  std::vector<uint32_t> gross(256 * 256, 0xFF123456u);
  TgaSchreiben(ordner + "/kurz.tga", 256, 256, gross);
  std::filesystem::resize_file(ordner + "/kurz.tga", 1000);
  EXPECT_FALSE(TexturLaden(ordner + "/kurz.tga", textur));
  // Run-length coded: one run packet of four pixels is a whole 2 x 2 image; the same packet
  // under a header of 16384 x 16384 is not (and must not be decoded into a gigabyte of black).
  auto gepackt = [&](const std::string& name, int seite) {
    const unsigned char kopf[18] = {0,
                                    0,
                                    10,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    0,
                                    static_cast<unsigned char>(seite & 0xFF),
                                    static_cast<unsigned char>(seite >> 8),
                                    static_cast<unsigned char>(seite & 0xFF),
                                    static_cast<unsigned char>(seite >> 8),
                                    32,
                                    0x28};
    const unsigned char lauf[5] = {0x83, 0x00, 0x00, 0xFF, 0xFF}; // 4 x red
    std::ofstream datei(ordner + "/" + name, std::ios::binary);
    datei.write(reinterpret_cast<const char*>(kopf), sizeof kopf);
    datei.write(reinterpret_cast<const char*>(lauf), sizeof lauf);
    return ordner + "/" + name;
  };
  ASSERT_TRUE(TexturLaden(gepackt("klein.tga", 2), textur, &fehler)) << fehler;
  glDeleteTextures(1, &textur);
  EXPECT_FALSE(TexturLaden(gepackt("riesig.tga", 16384), textur, &fehler));
  EXPECT_EQ(textur, 0u);
}

TEST_F(Zeichentest, GroupsLoadWhatIsThereAndSkipTheRest) {
  const std::string ordner = TestOrdner("gruppen");
  TgaSchreiben(Grafikdatei(ordner, grGelaende), 16, 16, std::vector<uint32_t>(256, 0xFF808080u));
  std::ofstream(Grafikdatei(ordner, grSymbole)) << "kaputt";
  TgaSchreiben(Grafikdatei(ordner, 8, "KR"), 8, 8, std::vector<uint32_t>(64, 0xFF808080u));
  TgaSchreiben(Grafikdatei(ordner, 13, "KR"), 8, 8, std::vector<uint32_t>(64, 0xFF808080u));
  TgaSchreiben(Grafikdatei(ordner, 9, "KV"), 8, 8, std::vector<uint32_t>(64, 0xFF808080u));
  EXPECT_EQ(GrafikenLaden(*Grafik, ordner), 1);
  EXPECT_NE(Grafik->Basistexturen[grGelaende], 0u);
  EXPECT_EQ(Grafik->Basistexturen[grSymbole], 0u);
  EXPECT_EQ(Grafik->Basistexturen[0], 0u);
  EXPECT_NE(Grafik->Uebersicht.Textur, 0u);
  // The game graphics carry the German short name "KR".
  EXPECT_EQ(SpielGrafikenLaden(*Grafik, ordner, 0), 2);
  EXPECT_NE(Grafik->Spieltexturen[0], 0u);
  EXPECT_EQ(Grafik->Spieltexturen[1], 0u);
  EXPECT_NE(Grafik->Spieltexturen[5], 0u);
  // Loading again replaces the textures and releases the old ones.
  const uint32_t alt = Grafik->Spieltexturen[0];
  EXPECT_EQ(SpielGrafikenLaden(*Grafik, ordner, 0), 2);
  EXPECT_FALSE(alt != Grafik->Spieltexturen[0] && glIsTexture(alt));
  // An unknown game definition loads nothing.
  EXPECT_EQ(SpielGrafikenLaden(*Grafik, ordner, 200), 0);
  EXPECT_EQ(Grafik->Spieltexturen[0], 0u);
  // Installed: what the user's own folder lacks comes from the installed graphics; the user's
  // own file wins.
  const std::string eigen = TestOrdner("eigen");
  TgaSchreiben(Grafikdatei(eigen, grGelaende), 4, 4, std::vector<uint32_t>(16, 0xFF808080u));
  EXPECT_EQ(GrafikenLaden(*Grafik, eigen, ordner), 1);
  EXPECT_EQ(Grafik->Zellbilder.Atlas.Breite, 4);
  EXPECT_EQ(GrafikenLaden(*Grafik, TestOrdner("leer"), ordner), 1);
  EXPECT_EQ(Grafik->Zellbilder.Atlas.Breite, 16);
  EXPECT_EQ(SpielGrafikenLaden(*Grafik, eigen, 0, ordner), 2);
}

TEST_F(Zeichentest, ToolPanelShowsThePageOfTheMode) {
  KarteAnlegen(20, 20);
  const TRgb panel{77, 128, 179};
  auto weiss = [](TRgb c) { return Nahe(c, {255, 255, 255}); };
  auto dunkel = [](TRgb c) { return c[0] < 40 && c[1] < 40 && c[2] < 40; };
  P.ProgrammSpiel.Groesse = 3;
  P.ProgrammSpiel.Werkzeug = wzKreis;
  Zeichnen();
  Ablegen("seite0");
  // Page 0: the palette (white tiles without an atlas), sizes and tools; the chosen ones white.
  EXPECT_TRUE(Weiss(1225, 725));
  EXPECT_TRUE(Weiss(1375, 875));
  for (int i = 0; i < 6; ++i) {
    const int weisse = Zaehlen(1200 + 55 * i + 20, 498, 1200 + 55 * i + 30, 502, weiss);
    EXPECT_EQ(weisse > 0, i == 3) << "size box " << i;
  }
  // The ring icon of tool 1 in white, 12 to 15 units from the box's centre.
  EXPECT_GT(Zaehlen(1255 + 11, 610, 1255 + 40, 640, weiss), 40);
  EXPECT_EQ(Zaehlen(1255 + 20, 620, 1255 + 30, 630, weiss), 0);
  // Tab "G" outlined white (current page), the others black.
  EXPECT_GT(Zaehlen(1210, 399, 1240, 401, weiss), 10);
  EXPECT_EQ(Zaehlen(1265, 399, 1295, 401, weiss), 0);
  EXPECT_GT(Zaehlen(1265, 399, 1295, 401, dunkel), 10);

  // Page 1: player 13 shows player colour 1 and the number 14.
  P.ProgrammSpiel.Modus = moStartpositionen;
  P.ProgrammSpiel.SpielerNummer = 13;
  Zeichnen();
  Ablegen("seite1");
  EXPECT_TRUE(Nahe(Pixel(1325 + 40, 600 + 40), {255, 0, 0}));
  EXPECT_GT(Zaehlen(1335, 604, 1360, 621, weiss), 10);
  EXPECT_TRUE(Nahe(Pixel(1225, 725), panel));          // no palette on this page
  EXPECT_GT(Zaehlen(1258, 604, 1275, 621, dunkel), 3); // "<"

  // Page 2: mirroring kinds, directions and the apply button.
  P.ProgrammSpiel.Modus = moSpiegelung;
  P.ProgrammSpiel.Spiegelart = 2;
  Zeichnen();
  Ablegen("seite2");
  EXPECT_TRUE(Nahe(Pixel(1225 + 5, 725 + 5), panel));
  EXPECT_GT(Zaehlen(1310, 698, 1360, 702, weiss), 20);                    // box 2 outline
  EXPECT_GT(Zaehlen(1310 + 20, 700 + 20, 1310 + 30, 700 + 30, weiss), 5); // its diagonal
  EXPECT_GT(Zaehlen(1203, 912, 1230, 931, dunkel), 5);                    // ">>"
  EXPECT_TRUE(Nahe(Pixel(1600 - 10, 620), panel));
}
