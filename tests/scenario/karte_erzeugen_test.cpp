#include "scenario/karte_erzeugen.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <vector>

#include "base/zufall.h"
#include "hilfen.h"
#include "model/einstellungen.h"
#include "model/tabellen.h"

namespace {

constexpr TZufallsgenerator Festgenerator{12345, 8231, 945, 23985381};

TKartenParameter Landschaft(int32_t breite, int32_t hoehe, uint8_t landschaft) {
  TKartenParameter p;
  p.Breite = breite;
  p.Hoehe = hoehe;
  p.Landschaft = landschaft;
  p.Verfahren = kvLandschaft;
  return p;
}

std::array<int32_t, 16> Zaehlen(const TKarte& karte) {
  std::array<int32_t, 16> n{};
  for (int32_t x = 0; x < karte.Breite; ++x)
    for (int32_t y = 0; y < karte.Hoehe; ++y)
      ++n[Gelaende(karte, x, y) & 15];
  return n;
}

TEST(KarteErzeugen, FuellenUndLeereKarten) {
  TKV kv = FrischesSpiel();
  kv.Karte.Weitere[2] = 9;
  TKartenParameter p;
  p.Breite = 5;
  p.Hoehe = 3;
  p.Spieleranzahl = 4;
  p.Gelaende = 0;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  EXPECT_EQ(kv.Karte.Spieleranzahl, 4); // stored even without start positions
  EXPECT_EQ(FelderBreite(kv.Karte), 5);
  EXPECT_EQ(Zaehlen(kv.Karte)[0], 15);
  for (int32_t w : kv.Karte.Weitere)
    EXPECT_EQ(w, 0);

  p.Gelaende = 13;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  EXPECT_EQ(Zaehlen(kv.Karte)[13], 15);

  p.Verfahren = 7; // an unknown method leaves terrain 0
  ASSERT_TRUE(KarteErzeugen(kv, p));
  EXPECT_EQ(Zaehlen(kv.Karte)[0], 15);

  p.Breite = 0;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  EXPECT_EQ(kv.Karte.Breite, 0);
  EXPECT_EQ(kv.Karte.Hoehe, 3);
  EXPECT_EQ(FelderBreite(kv.Karte), 0);
  p.Breite = -4;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  EXPECT_EQ(kv.Karte.Breite, -4);
}

TEST(KarteErzeugen, ZimmerNurGrasSandTeppich) {
  TKV kv = FrischesSpiel();
  kv.Zufall.Generator = Festgenerator;
  ASSERT_TRUE(KarteErzeugen(kv, Landschaft(100, 100, 16)));
  const auto n = Zaehlen(kv.Karte);
  EXPECT_EQ(n[3] + n[6] + n[13], 10000);
  EXPECT_NEAR(n[13], 8000, 400);
  EXPECT_NEAR(n[3], 1000, 250);
  EXPECT_NEAR(n[6], 1000, 250);
}

// The map's terrain is exactly the sequence of weighted picks, x outer and y inner.
TEST(KarteErzeugen, ZiehtJedeZelleMitEinerGewichtetenWahl) {
  for (uint8_t landschaft : {uint8_t{1}, uint8_t{11}}) { // 11, "Klamm", sums to 110
    TKV kv = FrischesSpiel();
    kv.Zufall.Generator = Festgenerator;
    ASSERT_TRUE(KarteErzeugen(kv, Landschaft(13, 9, landschaft)));
    TZufallsgenerator g = Festgenerator;
    for (int32_t x = 0; x < 13; ++x)
      for (int32_t y = 0; y < 9; ++y)
        ASSERT_EQ(Gelaende(kv.Karte, x, y),
                  GelaendeZiehen(g, Landschaftstabelle[landschaft].Gewichte))
            << x << "," << y;
    EXPECT_EQ(kv.Zufall.Generator.Saat, g.Saat); // one draw per cell, no more
  }
}

TEST(KarteErzeugen, GewichteteWahlRandfaelle) {
  const int32_t nurLetzte[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const int32_t eins[16] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  TZufallsgenerator g = Festgenerator;
  EXPECT_EQ(GelaendeZiehen(g, nurLetzte), 15);
  EXPECT_EQ(GelaendeZiehen(g, eins), 5);
  // Klamm: r in 0 ... 109 picks terrain 11 for the last ten values.
  std::set<int> gesehen;
  for (int i = 0; i < 5000; ++i)
    gesehen.insert(GelaendeZiehen(g, Landschaftstabelle[11].Gewichte));
  EXPECT_EQ(gesehen, (std::set<int>{1, 2, 3, 4, 9, 10, 11}));
}

TEST(KarteErzeugen, GleicherZustandGleicheKarte) {
  TKV a = FrischesSpiel(), b = FrischesSpiel();
  a.Zufall.Generator = b.Zufall.Generator = Festgenerator;
  ASSERT_TRUE(KarteErzeugen(a, Landschaft(40, 30, 2)));
  ASSERT_TRUE(KarteErzeugen(b, Landschaft(40, 30, 2)));
  for (int32_t x = 0; x < 40; ++x)
    for (int32_t y = 0; y < 30; ++y)
      ASSERT_EQ(Gelaende(a.Karte, x, y), Gelaende(b.Karte, x, y));
  TKV c = FrischesSpiel();
  c.Zufall.Generator = Festgenerator;
  c.Zufall.Generator.Saat += 1;
  ASSERT_TRUE(KarteErzeugen(c, Landschaft(40, 30, 2)));
  int verschieden = 0;
  for (int32_t x = 0; x < 40; ++x)
    for (int32_t y = 0; y < 30; ++y)
      verschieden += Gelaende(a.Karte, x, y) != Gelaende(c.Karte, x, y);
  EXPECT_GT(verschieden, 100);
}

// The terrain in drawing order, x outer and y inner.
std::vector<uint8_t> Folge(const TKarte& karte) {
  std::vector<uint8_t> folge;
  for (int32_t x = 0; x < karte.Breite; ++x)
    for (int32_t y = 0; y < karte.Hoehe; ++y)
      folge.push_back(Gelaende(karte, x, y));
  return folge;
}

// The shortest p up to grenze with which the second half of the sequence repeats; 0 for none.
int32_t Periode(const std::vector<uint8_t>& folge, int32_t grenze) {
  const std::size_t von = folge.size() / 2;
  for (int32_t p = 1; p <= grenze; ++p) {
    std::size_t i = von;
    while (i + p < folge.size() && folge[i] == folge[i + p])
      ++i;
    if (i + p >= folge.size()) return p;
  }
  return 0;
}

// The fixed generator's state runs into a cycle of a few thousand steps, and with Faktor 0 into
// one of a single step; the maps drawn from them must not repeat, yet stay the plain draw until
// the state first comes back to an earlier value.
TEST(KarteErzeugen, ZufallskartenWiederholenSichNicht) {
  TZufallsgenerator ohneFaktor = Festgenerator;
  ohneFaktor.Faktor = 0;
  for (const TZufallsgenerator& start : {Festgenerator, ohneFaktor}) {
    TKV kv = FrischesSpiel();
    kv.Zufall.Generator = start;
    ASSERT_TRUE(KarteErzeugen(kv, Landschaft(300, 300, 2)));
    const std::vector<uint8_t> folge = Folge(kv.Karte);
    EXPECT_EQ(Periode(folge, 20000), 0) << "Faktor " << start.Faktor;
    // The plain draw up to the first repeated state.
    TZufallsgenerator g = start;
    std::set<int32_t> zustaende{g.Saat};
    for (std::size_t i = 0;; ++i) {
      ASSERT_EQ(folge[i], GelaendeZiehen(g, Landschaftstabelle[2].Gewichte)) << i;
      if (!zustaende.insert(g.Saat).second) break;
    }
    EXPECT_GT(zustaende.size(), start.Faktor == 0 ? 1u : 1000u);
    // The same start gives the same map.
    TKV wieder = FrischesSpiel();
    wieder.Zufall.Generator = start;
    ASSERT_TRUE(KarteErzeugen(wieder, Landschaft(300, 300, 2)));
    EXPECT_EQ(Folge(wieder.Karte), folge);
  }
}

TEST(KarteErzeugen, StartpunkteFuellenEineKleineKarte) {
  TKV kv = FrischesSpiel(); // the reset reseeds the standard source from the clock
  ZufallsquelleSetzen(99);
  TKartenParameter p;
  p.Breite = 2;
  p.Hoehe = 2;
  p.Gelaende = 3;
  p.MitStartpunkten = true;
  p.Spieleranzahl = 4;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  std::set<int32_t> spieler;
  for (int32_t x = 0; x < 2; ++x)
    for (int32_t y = 0; y < 2; ++y) {
      const auto z = FeldZustaende(kv.Karte, x, y);
      ASSERT_EQ(z.size(), 1u);
      EXPECT_EQ(z[0].Art, zaStartpunkt);
      EXPECT_EQ(z[0].Status, 3);
      spieler.insert(z[0].Wert);
    }
  EXPECT_EQ(spieler, (std::set<int32_t>{0, 1, 2, 3}));

  // Replaying the standard source gives the cells in the order of the draws.
  TKV wieder = FrischesSpiel();
  ZufallsquelleSetzen(99);
  ASSERT_TRUE(KarteErzeugen(wieder, p));
  ZufallsquelleSetzen(99);
  std::set<std::pair<int, int>> belegt;
  for (int32_t k = 0; k < 4; ++k) {
    std::pair<int, int> zelle;
    do {
      zelle.first = Zufall(2);
      zelle.second = Zufall(2);
    } while (belegt.count(zelle));
    belegt.insert(zelle);
    EXPECT_EQ(FeldZustaende(wieder.Karte, zelle.first, zelle.second)[0].Wert, k);
  }
}

TEST(KarteErzeugen, ZuVieleStartpunkteWerdenVerweigert) {
  TKV kv = FrischesSpiel();
  TKartenParameter p;
  p.Breite = 2;
  p.Hoehe = 2;
  p.Gelaende = 3;
  p.MitStartpunkten = true;
  p.Spieleranzahl = 5;
  EXPECT_FALSE(KarteErzeugen(kv, p));
  EXPECT_EQ(kv.Karte.Breite, 2);
  EXPECT_EQ(Gelaende(kv.Karte, 1, 1), 3);
  int32_t zustaende = 0;
  ZustandsfelderDurchlaufen(kv.Karte, [&](int32_t, int32_t, auto) { ++zustaende; });
  EXPECT_EQ(zustaende, 0);
}

TEST(KarteErzeugen, RohstoffeNachDenEinstellungen) {
  TKV kv = FrischesSpiel();
  ZufallsquelleSetzen(7);
  TKartenParameter p;
  p.Breite = 200;
  p.Hoehe = 100;
  p.Gelaende = 3;
  p.MitRohstoffen = true;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  int32_t anzahl = 0;
  ZustandsfelderDurchlaufen(kv.Karte, [&](int32_t, int32_t, auto z) {
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].Art, zaRohstoff);
    EXPECT_EQ(z[0].Status, 3);
    EXPECT_EQ(z[0].Rohstoff, 1);
    EXPECT_EQ(z[0].Wert2, 3);
    EXPECT_GE(z[0].Wert, 680);
    EXPECT_LE(z[0].Wert, 1120);
    EXPECT_EQ(z[0].Wert % 10, 0);
    ++anzahl;
  });
  EXPECT_NEAR(anzahl, 700, 120); // 350 in 10 000 of 20 000 cells

  // Table B instead of A: base 30, spread 7.
  OptionenSetzen(kv.Einstellungen, Optionen(kv.Einstellungen) & ~opRohstoffTabelleA);
  ASSERT_TRUE(KarteErzeugen(kv, p));
  ZustandsfelderDurchlaufen(kv.Karte, [&](int32_t, int32_t, auto z) {
    EXPECT_GE(z[0].Wert, 20);
    EXPECT_LE(z[0].Wert, 40);
  });

  kv.Einstellungen.Bytes[epSpiel] = 1; // deposits only for the first game definition
  ASSERT_TRUE(KarteErzeugen(kv, p));
  int32_t danach = 0;
  ZustandsfelderDurchlaufen(kv.Karte, [&](int32_t, int32_t, auto) { ++danach; });
  EXPECT_EQ(danach, 0);
}

} // namespace
