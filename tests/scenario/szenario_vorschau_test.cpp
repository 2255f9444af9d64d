#include "scenario/szenario_vorschau.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/ziffern.h"
#include "hilfen.h"
#include "model/tabellen.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"

namespace {

struct TFarbe {
  uint8_t r, g, b;
  friend bool operator==(const TFarbe&, const TFarbe&) = default;
};

TFarbe Pixel(const TRgbaBild& bild, int32_t x, int32_t y) {
  const uint8_t* p = &bild.Pixel[(static_cast<std::size_t>(y) * bild.Breite + x) * 4];
  EXPECT_EQ(p[3], 255);
  return {p[0], p[1], p[2]};
}

TSzenario Szenario(int32_t breite, int32_t hoehe, uint8_t gelaende) {
  TSzenario s;
  s.Kartenwerte[0] = breite;
  s.Kartenwerte[1] = hoehe;
  s.Zellen.Breite = breite;
  s.Zellen.Hoehe = hoehe;
  s.Zellen.Gelaende.assign(static_cast<std::size_t>(breite) * hoehe, gelaende);
  return s;
}

constexpr TFarbe Schwarz{0, 0, 0}, Weiss{255, 255, 255}, Gras{0x00, 0xEE, 0x00},
    Sand{0xFF, 0xAA, 0x00}, Blau{0, 0, 255}, Rot{255, 0, 0};

TEST(Uebersicht, DreissigMalDreissig) {
  TSzenario s = Szenario(30, 30, 3);
  s.Zellen.Gelaende[5 * 30 + 7] = 6; // (5, 7) sand
  s.Startpunkte = {{20, 10}};
  TRgbaBild bild;
  ASSERT_TRUE(ErzeugeUebersicht(bild, s, false));
  ASSERT_EQ(bild.Breite, 32);
  ASSERT_EQ(bild.Hoehe, 32);
  EXPECT_EQ(Pixel(bild, 0, 0), Schwarz);
  EXPECT_EQ(Pixel(bild, 31, 5), Schwarz);
  EXPECT_EQ(Pixel(bild, 1, 1), Gras);
  EXPECT_EQ(Pixel(bild, 6, 8), Sand);
  EXPECT_EQ(Pixel(bild, 30, 30), Gras);
  // 2 x 2 square of player 0 covering the start cell's pixel (21, 11) and the one before it.
  for (int32_t dx = 0; dx < 2; ++dx)
    for (int32_t dy = 0; dy < 2; ++dy)
      EXPECT_EQ(Pixel(bild, 20 + dx, 10 + dy), Blau);
  EXPECT_EQ(Pixel(bild, 22, 11), Gras);
  EXPECT_EQ(Pixel(bild, 19, 10), Gras);

  ASSERT_TRUE(ErzeugeUebersicht(bild, s, true));
  EXPECT_EQ(Pixel(bild, 1, 1), Schwarz);
  EXPECT_EQ(Pixel(bild, 21, 11), Blau);
}

TEST(Uebersicht, SiebzigMitWeissemRahmen) {
  TSzenario s = Szenario(70, 70, 3);
  s.Startpunkte = {{30, 40}};
  TRgbaBild bild;
  ASSERT_TRUE(ErzeugeUebersicht(bild, s, false));
  ASSERT_EQ(bild.Breite, 72);
  ASSERT_EQ(bild.Hoehe, 72);
  // The start cell's pixel is (31, 41): a 4 x 4 square from 29 to 32, framed from 28 to 33.
  for (int32_t x = 27; x <= 34; ++x)
    for (int32_t y = 37; y <= 44; ++y) {
      const bool quadrat = x >= 29 && x <= 32 && y >= 39 && y <= 42;
      const bool rahmen = x >= 28 && x <= 33 && y >= 38 && y <= 43;
      EXPECT_EQ(Pixel(bild, x, y), quadrat ? Blau : rahmen ? Weiss : Gras) << x << "," << y;
    }
}

TEST(Uebersicht, SpaetereSpielerMalenUeberFruehere) {
  TSzenario s = Szenario(70, 70, 3);
  s.Startpunkte = {{10, 10}, {11, 10}};
  TRgbaBild bild;
  ASSERT_TRUE(ErzeugeUebersicht(bild, s, false));
  EXPECT_EQ(Pixel(bild, 10, 9), Rot);
  EXPECT_EQ(Pixel(bild, 13, 12), Rot);
  EXPECT_EQ(Pixel(bild, 9, 10), Weiss); // player 1's frame over player 0's square
  EXPECT_EQ(Pixel(bild, 8, 10), Weiss);
  EXPECT_EQ(Pixel(bild, 14, 12), Weiss);
  EXPECT_EQ(Pixel(bild, 7, 10), Gras);
  EXPECT_EQ(Pixel(bild, 15, 10), Gras);
}

TEST(Uebersicht, SpielerfarbenWiederholenSichNachZwoelf) {
  TSzenario s = Szenario(30, 30, 0);
  for (int32_t i = 0; i < 14; ++i)
    s.Startpunkte.push_back({2 * i, 0});
  TRgbaBild bild;
  ASSERT_TRUE(ErzeugeUebersicht(bild, s, false));
  EXPECT_EQ(Pixel(bild, 2 * 12 + 1, 1), Blau);
  EXPECT_EQ(Pixel(bild, 2 * 13 + 1, 1), Rot);
  EXPECT_EQ(Pixel(bild, 2 * 6 + 1, 1), (TFarbe{0x39, 0x59, 0x6B}));
}

TEST(Uebersicht, LeereUndSeltsameSzenarien) {
  TRgbaBild bild;
  ASSERT_TRUE(ErzeugeUebersicht(bild, TSzenario{}, false));
  EXPECT_EQ(bild.Breite, 2);
  EXPECT_EQ(bild.Hoehe, 2);
  EXPECT_EQ(Pixel(bild, 1, 1), Schwarz);

  // Start positions far off the picture and cells that do not match the size do no harm.
  TSzenario s = Szenario(10, 10, 200);
  s.Zellen.Gelaende.resize(3);
  s.Startpunkte = {{INT32_MIN, INT32_MAX}, {-1, -1}};
  ASSERT_TRUE(ErzeugeUebersicht(bild, s, false));
  EXPECT_EQ(Pixel(bild, 0, 0), Rot); // player 1's square reaches into the corner
  EXPECT_EQ(Pixel(bild, 5, 5), Schwarz);

  // Terrain indices beyond the table are drawn black.
  ASSERT_TRUE(ErzeugeUebersicht(bild, Szenario(4, 4, 200), false));
  EXPECT_EQ(Pixel(bild, 2, 2), Schwarz);

  s.Kartenwerte[0] = 50000;
  EXPECT_FALSE(ErzeugeUebersicht(bild, s, false));
  EXPECT_EQ(bild.Breite, 0);
}

// The overview drawn plainly, every marker in turn: what the picture must look like.
TRgbaBild Vorbild(const TSzenario& s, bool nurStartpunkte) {
  const int32_t w = s.Kartenwerte[0], h = s.Kartenwerte[1];
  const int32_t m = (w + h) / 400 + 1, s2 = (w + h) / 100 + 1;
  TRgbaBild bild{w + 2 * m, h + 2 * m, {}};
  bild.Pixel.assign(static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 4, 255);
  auto malen = [&](int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t farbe) {
    for (int64_t x = std::max<int64_t>(x0, 0); x < std::min<int64_t>(x1, bild.Breite); ++x)
      for (int64_t y = std::max<int64_t>(y0, 0); y < std::min<int64_t>(y1, bild.Hoehe); ++y)
        for (int k = 0; k < 3; ++k)
          bild.Pixel[(y * bild.Breite + x) * 4 + k] = static_cast<uint8_t>(farbe >> (8 * k));
  };
  malen(0, 0, bild.Breite, bild.Hoehe, 0);
  for (int32_t x = 0; x < w && !nurStartpunkte; ++x)
    for (int32_t y = 0; y < h; ++y) {
      const uint8_t g = s.Zellen.Gelaende[x * h + y];
      malen(x + m, y + m, x + m + 1, y + m + 1,
            g < Gelaendeanzahl ? FarbeAusText(Gelaendetabelle[g].Farbe) : 0);
    }
  for (std::size_t i = 0; i < s.Startpunkte.size(); ++i) {
    const int64_t x = s.Startpunkte[i].x, y = s.Startpunkte[i].y;
    if (s2 > 1) malen(x - s2, y - s2, x + s2 + 2 * m, y + s2 + 2 * m, 0xFFFFFF);
    malen(x - s2 + m, y - s2 + m, x + s2 + m, y + s2 + m, FarbeAusText(Spielerfarben[i % 12]));
  }
  return bild;
}

// The picture shrunk to fit seite x seite with its proportions kept, each pixel taken from
// under its centre; a picture that fits stays as it is, unless it is to be enlarged.
TRgbaBild Verkleinert(const TRgbaBild& voll, int64_t seite, bool vergroessern = false) {
  int64_t b = voll.Breite, h = voll.Hoehe;
  if (vergroessern || b > seite || h > seite) {
    if (seite * b / h <= seite) {
      b = std::max<int64_t>(seite * voll.Breite / voll.Hoehe, 1);
      h = seite;
    } else {
      b = seite;
      h = std::max<int64_t>(seite * voll.Hoehe / voll.Breite, 1);
    }
  }
  TRgbaBild bild{static_cast<int32_t>(b), static_cast<int32_t>(h), {}};
  for (int64_t y = 0; y < h; ++y)
    for (int64_t x = 0; x < b; ++x) {
      const int64_t qx = (2 * x + 1) * voll.Breite / (2 * b);
      const int64_t qy = (2 * y + 1) * voll.Hoehe / (2 * h);
      const auto p = voll.Pixel.begin() + (qy * voll.Breite + qx) * 4;
      bild.Pixel.insert(bild.Pixel.end(), p, p + 4);
    }
  return bild;
}

// Many markers on few cells, on the edges and off the picture; sizes from 1 x 1 to thin strips.
TEST(Uebersicht, KleineBilderGleichenDemVollenBild) {
  std::mt19937 zufall(9);
  for (int runde = 0; runde < 120; ++runde) {
    const int32_t w = runde == 0 ? 1 : runde == 1 ? 400 : 1 + zufall() % 300;
    const int32_t h = runde == 0 ? 1 : runde == 1 ? 2 : 1 + zufall() % 200;
    TSzenario s = Szenario(w, h, 0);
    for (uint8_t& g : s.Zellen.Gelaende)
      g = zufall() % 18;
    const int32_t rand = (w + h) / 100 + 2 * ((w + h) / 400 + 1) + 2;
    std::vector<TPunkt> orte(1 + zufall() % 20);
    for (TPunkt& p : orte)
      p = {static_cast<int32_t>(zufall() % (w + 2 * rand)) - rand,
           static_cast<int32_t>(zufall() % (h + 2 * rand)) - rand};
    for (int i = zufall() % 300; i > 0; --i)
      s.Startpunkte.push_back(orte[zufall() % orte.size()]);
    for (const bool nur : {false, true}) {
      const TRgbaBild voll = Vorbild(s, nur);
      TRgbaBild bild;
      ASSERT_TRUE(ErzeugeUebersicht(bild, s, nur));
      ASSERT_EQ(bild.Pixel, voll.Pixel) << w << "x" << h;
      for (const int32_t seite : {145, 290, 37, 1}) {
        const TRgbaBild klein = Verkleinert(voll, seite);
        ASSERT_TRUE(ErzeugeVorschau(bild, s, nur, seite));
        ASSERT_EQ(bild.Breite, klein.Breite);
        ASSERT_EQ(bild.Hoehe, klein.Hoehe);
        ASSERT_EQ(bild.Pixel, klein.Pixel) << w << "x" << h << " at " << seite;
      }
    }
  }
}

// Straight from the file, drawn while it is inflated: the same pixels as from the loaded record,
// shrunk or enlarged to the side asked for.
TEST(Uebersicht, VorschauAusDerDateiGleichtDemVollenBild) {
  TTestordner ordner;
  const std::string datei = ordner.Datei("karte.vdz");
  std::mt19937 zufall(17);
  for (int runde = 0; runde < 30; ++runde) {
    const int32_t w = runde == 0 ? 1 : 1 + zufall() % 500;
    const int32_t h = runde == 0 ? 3 : 1 + zufall() % 200;
    TSzenario s = Szenario(w, h, 0);
    for (uint8_t& g : s.Zellen.Gelaende)
      g = zufall() % 18;
    const int32_t rand = (w + h) / 100 + 2 * ((w + h) / 400 + 1) + 2;
    for (int i = zufall() % 200; i > 0; --i)
      s.Startpunkte.push_back({static_cast<int32_t>(zufall() % (w + 2 * rand)) - rand,
                               static_cast<int32_t>(zufall() % (h + 2 * rand)) - rand});
    s.Kartenwerte[2] = static_cast<int32_t>(s.Startpunkte.size());
    ASSERT_TRUE(SzenarioSpeichern(s, datei));
    const TRgbaBild voll = Vorbild(s, false);
    for (const int32_t seite : {128, 256, 7, 1}) {
      TRgbaBild bild;
      std::string grund;
      ASSERT_TRUE(DateiVorschau(bild, datei, seite, true, &grund)) << grund;
      const TRgbaBild erwartet = Verkleinert(voll, seite, true);
      ASSERT_EQ(std::max(bild.Breite, bild.Hoehe), seite) << w << "x" << h;
      ASSERT_EQ(bild.Breite, erwartet.Breite);
      ASSERT_EQ(bild.Hoehe, erwartet.Hoehe);
      ASSERT_EQ(bild.Pixel, erwartet.Pixel) << w << "x" << h << " at " << seite;
    }
  }
}

// A file that SzenarioLaden refuses gives no picture and the same reason; one whose image ends
// early but whose stream is whole shows what the loaded record shows.
TEST(Uebersicht, VorschauAusKaputterDatei) {
  TTestordner ordner;
  TSzenario s = Szenario(60, 40, 3);
  s.Startpunkte = {{10, 10}, {50, 30}};
  s.Kartenwerte[2] = 2;
  const std::vector<uint8_t> bild = SzenarioBild(s);
  const std::string ganz = ordner.Datei("ganz.vdz");
  ASSERT_TRUE(SzenarioSpeichern(s, ganz));
  std::vector<char> gepackt(std::filesystem::file_size(ganz));
  std::ifstream(ganz, std::ios::binary).read(gepackt.data(), gepackt.size());

  const auto schreiben = [&](const std::string& name, std::size_t laenge) {
    std::ofstream(ordner.Datei(name), std::ios::binary).write(gepackt.data(), laenge);
    return ordner.Datei(name);
  };
  TSzenario negativ = s;
  negativ.Kartenwerte[1] = -4;
  const std::string verneint = ordner.Datei("negativ.vdz");
  ASSERT_TRUE(SzenarioSpeichern(negativ, verneint));
  for (const std::string& pfad :
       {schreiben("abgeschnitten.vdz", gepackt.size() - 5), schreiben("leer.vdz", 0),
        std::string("/proc/self/exe"), verneint, ordner.Datei("fehlt.vdz"), ordner.Pfad.string()}) {
    TRgbaBild vorschau;
    std::string grund, geladen;
    EXPECT_FALSE(DateiVorschau(vorschau, pfad, 64, true, &grund)) << pfad;
    EXPECT_TRUE(vorschau.Pixel.empty());
    TKV kv;
    TSzenario t;
    EXPECT_FALSE(SzenarioLaden(kv, t, pfad, &geladen));
    EXPECT_EQ(grund, geladen) << pfad;
  }

  // The image stops inside the cells, the stream is complete: damaged for both, for one reason.
  const std::string kurz = ordner.Datei("kurz.vdz");
  ASSERT_TRUE(GepacktSchreiben(kurz, [&](const TSchreiber& schreiben) {
    return schreiben(bild.data(), SzenarioKopfGroesse + 60 * 40 / 2);
  }));
  TKV kv;
  TSzenario t;
  std::string grund, geladen;
  EXPECT_FALSE(SzenarioLaden(kv, t, kurz, &geladen));
  TRgbaBild vorschau;
  EXPECT_FALSE(DateiVorschau(vorschau, kurz, 62, true, &grund));
  EXPECT_TRUE(vorschau.Pixel.empty());
  EXPECT_EQ(grund, geladen);
  EXPECT_NE(grund.find("within the cells"), std::string::npos) << grund;
  // Only start positions missing at the very end are taken, as (0, 0), by both alike.
  const std::string ohneEnde = ordner.Datei("ohne_ende.vdz");
  ASSERT_TRUE(GepacktSchreiben(ohneEnde, [&](const TSchreiber& schreiben) {
    return schreiben(bild.data(), bild.size() - 4);
  }));
  ASSERT_TRUE(SzenarioLaden(kv, t, ohneEnde));
  ASSERT_TRUE(DateiVorschau(vorschau, ohneEnde, 62, true));
  EXPECT_EQ(vorschau.Pixel, Verkleinert(Vorbild(t, false), 62, true).Pixel);
}

TEST(Details, ZeilenInBeidenSprachen) {
  TSzenario s = Szenario(40, 25, 3);
  s.Kartenwerte[2] = 3;
  s.Texte[stName] = "Gr\xFCn";
  s.Texte[stAutor] = "Ada";
  s.Texte[stEpost] = "ada@example.org";
  s.Texte[stHomepage] = "example.org";
  s.Texte[stBeschreibung] = "Eine Insel";
  s.Texte[stDatum] = "08.12.2026";
  EXPECT_EQ(SzenarioDetails(s, 0),
            (std::vector<TText>{"Szenario: Gr\xFCn", "Autor: Ada (ada@example.org, example.org)",
                                "Erstellt: 08.12.2026", "Daten: 3 Spieler, 40x25",
                                "Beschreibung: Eine Insel"}));
  s.Texte[stDatum].clear();
  s.Kartenwerte[2] = 0;
  EXPECT_EQ(SzenarioDetails(s, 1),
            (std::vector<TText>{"Szenario: Gr\xFCn", "Author: Ada (ada@example.org, example.org)",
                                "Data: 0 players, 40x25", "Description: Eine Insel"}));
}

} // namespace
