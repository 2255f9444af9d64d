#include "model/tabellen.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

int32_t Summe(const int32_t (&w)[Gelaendeanzahl]) {
  return std::accumulate(w, w + 16, 0);
}

TEST(Tabellen, Gelaende) {
  EXPECT_STREQ(Gelaendetabelle[0].Name[0], "Unbekannt");
  EXPECT_STREQ(Gelaendetabelle[1].Name[1], "Water");
  EXPECT_STREQ(Gelaendetabelle[13].Name[0], "Teppich");
  for (int i : {9, 12, 14, 15})
    EXPECT_STREQ(Gelaendetabelle[i].Name[1], "") << i;
  EXPECT_STREQ(Gelaendetabelle[15].Name[0], "");
  for (int i : {0, 12, 14, 15})
    EXPECT_STREQ(Gelaendetabelle[i].Farbe, "000000") << i;
  for (int i = 0; i < Gelaendeanzahl; ++i) {
    EXPECT_EQ(std::string(Gelaendetabelle[i].Farbe).size(), 6u) << i;
    if (i != 0 && i != 12 && i != 14 && i != 15) {
      EXPECT_STRNE(Gelaendetabelle[i].Farbe, "000000") << i;
    }
  }
  EXPECT_STREQ(Gelaendetabelle[9].Farbe, "606000");
  EXPECT_EQ(Gelaendetabelle[4].Werte[2], 3);
  EXPECT_EQ(Gelaendetabelle[8].Werte[5], 500);
  EXPECT_EQ(Gelaendetabelle[8].Werte[7], 50);
  EXPECT_EQ(Gelaendetabelle[8].Menge, 22);
  EXPECT_EQ(Gelaendetabelle[6].Menge, 27);
  EXPECT_EQ(Gelaendetabelle[14].Werte[10], 100);
}

TEST(Tabellen, Landschaften) {
  EXPECT_STREQ(Landschaftstabelle[11].Name[0], "Klamm");
  EXPECT_EQ(Summe(Landschaftstabelle[11].Gewichte), 110);
  EXPECT_STREQ(Landschaftstabelle[5].Name[0], "W\xFCste");
  EXPECT_EQ(std::string(Landschaftstabelle[5].Name[0]).size(), 5u);
  for (int i = 11; i <= 16; ++i)
    EXPECT_STREQ(Landschaftstabelle[i].Name[1], "") << i;
  for (int i = 0; i <= 10; ++i)
    EXPECT_STRNE(Landschaftstabelle[i].Name[1], "") << i;
  // No landscape draws the unknown terrain; all but Klamm sum to 100.
  for (int i = 0; i < Landschaftsanzahl; ++i) {
    EXPECT_EQ(Landschaftstabelle[i].Gewichte[0], 0) << i;
    if (i != 11) {
      EXPECT_EQ(Summe(Landschaftstabelle[i].Gewichte), 100) << i;
    }
  }
  EXPECT_EQ(Landschaftstabelle[16].Gewichte[13], 80);
  EXPECT_EQ(Landschaftstabelle[13].Gewichte[8], 50);
}

TEST(Tabellen, Spieldefinition) {
  const TSpielDefinition& d = Spieldefinitionen[0];
  EXPECT_STREQ(d.Texte[0][1], "KR");
  EXPECT_STREQ(d.Texte[1][1], "KV");
  EXPECT_STREQ(d.Texte[1][0], "Kestrava");
  EXPECT_EQ(d.Werte[4], 10);
  EXPECT_EQ(d.Werte[9], 5000);
  EXPECT_STREQ(d.Rohstoffe[1].Name[1], "Ore");
  EXPECT_EQ(d.Rohstoffe[1].Werte[2], 25);
  EXPECT_EQ(d.Rohstoffe[1].Werte[4], 200);
  EXPECT_EQ(d.Rohstoffe[1].Werte[9], 1200);
  EXPECT_EQ(d.Rohstoffe[1].Werte[12], 40);
  EXPECT_EQ(d.Rohstoffe[0].Werte[15], 400);
  EXPECT_EQ(d.Rohstoffe[2].Werte[14], 50);
  for (int i = 3; i < Rohstoffanzahl; ++i) {
    EXPECT_STREQ(d.Rohstoffe[i].Name[0], "");
    EXPECT_EQ(d.Rohstoffe[i].Werte[1], 100);
    EXPECT_EQ(d.Rohstoffe[i].Werte[3], 3);
    EXPECT_STREQ(d.Rohstoffe[i].Farbe, "000000");
  }
}

TEST(Tabellen, GroessenFarbenNachbarn) {
  for (int i = 0; i < Kartengroessenanzahl; ++i) {
    EXPECT_EQ(Kartengroessen[i].Breite, 10 * (i + 1));
    EXPECT_EQ(Kartengroessen[i].Hoehe, 10 * (i + 1));
  }
  EXPECT_STREQ(Kartengroessen[3].Name[0], "Gro\xDF");
  EXPECT_STREQ(Kartengroessen[StandardKartengroesse].Name[1], "Medium");
  EXPECT_STREQ(Kartengroessen[6].Name[1], "Epic");
  EXPECT_STREQ(Spielerfarben[0], "0000FF");
  EXPECT_STREQ(Spielerfarben[6], "39596B");
  EXPECT_STREQ(Spielerfarben[11], "B30000");
  // Clockwise from the upper left: each step moves to a touching cell, all eight distinct.
  EXPECT_EQ(Nachbarn[0].dx, 0);
  EXPECT_EQ(Nachbarn[0].dy, 0);
  EXPECT_EQ(Nachbarn[1].dx, -1);
  EXPECT_EQ(Nachbarn[1].dy, -1);
  EXPECT_EQ(Nachbarn[4].dx, 1);
  EXPECT_EQ(Nachbarn[4].dy, 0);
  EXPECT_EQ(Nachbarn[8].dx, -1);
  EXPECT_EQ(Nachbarn[8].dy, 0);
  for (int i = 1; i <= 8; ++i) {
    const TNachbar& a = Nachbarn[i];
    const TNachbar& b = Nachbarn[i % 8 + 1];
    EXPECT_LE(std::abs(a.dx - b.dx) + std::abs(a.dy - b.dy), 1) << i;
    EXPECT_FALSE(a.dx == 0 && a.dy == 0);
  }
}

TEST(Tabellen, Texte) {
  EXPECT_STREQ(Diplomatietexte[1][0], "Verb\xFCndet");
  EXPECT_STREQ(Diplomatietexte[0][1], "Enemy");
  EXPECT_STREQ(Mengentexte[2][1], "Much");
  EXPECT_STREQ(Anzahltexte[0][0], "Wenige");
  EXPECT_STREQ(Geschwindigkeitstexte[1][1], "Intermediate");
}

} // namespace
